#include "app/formprincipale.h"
#include "app/stato.h"
#include "registratore.h"
#include "support/aiuti.h"
#include "windows/stampa/formstampante.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

struct Finestra : ::testing::Test {
    Registratore r;
    void SetUp() override
    {
        nuovacasa();
        usastampante(&r);
        Stato &s = stato();
        s.annogestione = "08";
        s.contocorrente = 2;
        s.mesecorrente = 3;
        s.tabellamese = TabellaMese();
        s.tabellamese.righe[1] = {1, 5, 3, {"Fattura 1"}, 1000000, 0, 1000000};
        s.tabellamese.righe[2] = {2, 6, 3, {"Fattura 2"}, 1000000, 0, 2000000};
        s.tabellamese.numerorighe = 2;
    }
    void TearDown() override { usastampante(nullptr); }
};

QListWidget *lista(QWidget &f, const char *nome)
{
    return f.findChild<QListWidget *>(nome);
}

// The entries of a list, the selected one marked with "*".
QStringList voci(QWidget &f, const char *nome)
{
    QStringList v;
    for (const QListWidgetItem *i : lista(f, nome)->findItems("*", Qt::MatchWildcard))
        v.append(i->isSelected() ? "*" + i->text() : i->text());
    return v;
}

void seleziona(QWidget &f, const char *nome, const QString &voce)
{
    lista(f, nome)->setCurrentItem(lista(f, nome)->findItems(voce, Qt::MatchExactly).value(0));
}

void stampa(QWidget &f)
{
    f.findChild<QAbstractButton *>("Command1")->click();
}

// Answers the file question of the "File PDF" entry.
void rispondifile(const QString &file)
{
    quandomodale([file](QWidget *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(file);
        QMetaObject::invokeMethod(w, "accept");
    });
}

} // namespace

TEST_F(Finestra, PrintsOnTheChosenPrinterWithQualityCopiesAndTitleAndStaysOpen)
{
    r.attuale = "Sparita"; // not among the printers: nothing preselected, nothing printed
    Formstampante nessuna;
    EXPECT_EQ(voci(nessuna, "Lista"), QStringList({"Ufficio", "Laser", "File PDF", "File CSV"}));
    stampa(nessuna);
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty() && r.fini == 0);

    r.attuale = "Laser";
    Formstampante f;
    f.show();
    EXPECT_EQ(voci(f, "Lista"), QStringList({"Ufficio", "*Laser", "File PDF", "File CSV"}));
    EXPECT_EQ(voci(f, "Listaqualita"), QStringList({"Alta", "Media", "*Bassa", "Bozza"}));
    EXPECT_EQ(voci(f, "Listcopie"), QStringList({"*1", "2", "3", "4"}));
    seleziona(f, "Lista", "Ufficio");
    for (auto [qualita, codice, copie] :
         {std::tuple{"Alta", -4, 3}, {"Media", -3, 1}, {"Bassa", -2, 4}, {"Bozza", -1, 2}}) {
        seleziona(f, "Listaqualita", qualita);
        seleziona(f, "Listcopie", QString::number(copie));
        stampa(f);
        EXPECT_EQ(r.qualitadata, codice);
        EXPECT_EQ(r.copiedate, copie);
    }
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_TRUE(r.stampato("CONTO CASSA Marzo 2008"));
    EXPECT_TRUE(r.stampato("€ 200,00"));
    EXPECT_TRUE(f.isVisible());

    stato().contocorrente = 1;
    stato().mesecorrente = 0;
    stampa(f);
    EXPECT_TRUE(r.stampato("CONTO TUTTI Anno 2008"));
    EXPECT_EQ(r.fini, 5);
    Formstampante g; // the printer of the last job comes preselected
    EXPECT_EQ(voci(g, "Lista").value(0), "*Ufficio");

    // An interrupted print is reported and the window stays open.
    r.falliscidopo = int(r.fatte.size()) + 20;
    QString messaggio;
    accettamessaggio(&messaggio);
    stampa(f);
    EXPECT_EQ(messaggio, "La stampa non è stata completata.\n" + r.motivo());
    EXPECT_EQ(r.fini, 6);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Finestra, FilePdfWritesTheReportAndLeavesTheCurrentPrinterAlone)
{
    const QString file = QDir::homePath() + "/marzo";
    Formstampante f;
    f.show();
    seleziona(f, "Lista", "File PDF");
    rispondifile(file);
    stampa(f);
    EXPECT_TRUE(leggibyte(file + ".pdf").startsWith("%PDF"));
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty());
    Formstampante g;
    EXPECT_EQ(voci(g, "Lista").value(1), "*Laser");

    // A file that cannot be written is a print that did not complete.
    const QString chiusa = QDir::homePath() + "/chiusa";
    ASSERT_TRUE(QDir().mkpath(chiusa));
    if (!bloccacartella(chiusa))
        GTEST_SKIP() << "cannot make a folder read-only here";
    rispondifile(chiusa + "/marzo.pdf");
    QString messaggio;
    accettamessaggio(&messaggio);
    stampa(f);
    sbloccacartella(chiusa);
    EXPECT_TRUE(messaggio.contains(chiusa + "/marzo.pdf")) << messaggio.toStdString();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Finestra, TheMainWindowOpensItOnlyWithRowsToPrint)
{
    const TabellaMese righe = stato().tabellamese;
    Formprincipale principale;
    stato().tabellamese = TabellaMese();
    principale.stampa(); // nothing to print: no window, so nothing waits for an answer
    stato().tabellamese = righe;
    QString nome;
    quandomodale([&](QWidget *w) {
        nome = w->objectName();
        w->findChild<QAbstractButton *>("annulla")->click();
    });
    principale.stampa();
    EXPECT_EQ(nome, "Formstampante");
}
