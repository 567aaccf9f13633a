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
        for (int i = 1; i <= 2; ++i) {
            RigaMese &riga = s.tabellamese.righe[i];
            riga.giorno = qint16(4 + i);
            riga.mese = 3;
            riga.descrizione[0] = QStringLiteral("Fattura %1").arg(i);
            riga.importo = 1000000;
            riga.saldo = 1000000 * i;
        }
        s.tabellamese.numerorighe = 2;
    }
    void TearDown() override { usastampante(nullptr); }
};

QListWidget *lista(QWidget &f, const char *nome)
{
    return f.findChild<QListWidget *>(nome);
}

QStringList voci(const QListWidget *l)
{
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v.append(l->item(i)->text());
    return v;
}

QString scelta(const QListWidget *l)
{
    const QList<QListWidgetItem *> s = l->selectedItems();
    return s.isEmpty() ? QString() : s.first()->text();
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

TEST_F(Finestra, OpensWithThePrintersTheQualitiesAndTheCopies)
{
    Formstampante f;
    EXPECT_EQ(voci(lista(f, "Lista")), QStringList({"Ufficio", "Laser", "File PDF"}));
    EXPECT_EQ(scelta(lista(f, "Lista")), "Laser");
    EXPECT_EQ(voci(lista(f, "Listaqualita")), QStringList({"Alta", "Media", "Bassa", "Bozza"}));
    EXPECT_EQ(scelta(lista(f, "Listaqualita")), "Bassa");
    EXPECT_EQ(voci(lista(f, "Listcopie")), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(scelta(lista(f, "Listcopie")), "1");

    // Without the current printer among them nothing is preselected, and nothing printed.
    r.attuale = "Sparita";
    Formstampante g;
    EXPECT_EQ(scelta(lista(g, "Lista")), "");
    stampa(g);
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty() && r.fini == 0);
}

TEST_F(Finestra, PrintsOnTheChosenPrinterWithQualityCopiesAndTitleAndStaysOpen)
{
    Formstampante f;
    f.show();
    seleziona(f, "Lista", "Ufficio");
    seleziona(f, "Listaqualita", "Alta");
    seleziona(f, "Listcopie", "3");
    stampa(f);
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_EQ(r.qualitadata, -4);
    EXPECT_EQ(r.copiedate, 3);
    EXPECT_TRUE(r.stampato("CONTO CASSA Marzo 2008"));
    EXPECT_TRUE(r.stampato("€ 200,00"));
    EXPECT_TRUE(f.isVisible());

    stato().contocorrente = 1;
    stato().mesecorrente = 0;
    seleziona(f, "Listaqualita", "Bozza");
    stampa(f);
    EXPECT_EQ(r.qualitadata, -1);
    EXPECT_TRUE(r.stampato("CONTO TUTTI Anno 2008"));
    EXPECT_EQ(r.fini, 2);
    Formstampante g; // the printer of the last job comes preselected
    EXPECT_EQ(scelta(lista(g, "Lista")), "Ufficio");
}

TEST_F(Finestra, AnInterruptedPrintIsReportedAndTheWindowStaysOpen)
{
    r.falliscidopo = 20;
    Formstampante f;
    f.show();
    QString messaggio;
    accettamessaggio(&messaggio);
    stampa(f);
    EXPECT_EQ(messaggio, "La stampa non è stata completata.\n" + r.motivo());
    EXPECT_EQ(r.fini, 1);
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
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(leggibyte(file + ".pdf").startsWith("%PDF"));
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty());
    Formstampante g;
    EXPECT_EQ(scelta(lista(g, "Lista")), "Laser");

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
