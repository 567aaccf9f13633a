#include "app/formprincipale.h"
#include "app/stato.h"
#include "registratore.h"
#include "support/aiuti.h"
#include "windows/stampa/formstampante.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct Finestra : ::testing::Test {
    Registratore r;
    void SetUp() override {
        nuovacasa();
        usastampante(&r);
        Stato &s = stato();
        s.annogestione = "08";
        s.contocorrente = 2;
        s.mesecorrente = 3;
        TabellaMese &t = s.tabellamese;
        t = TabellaMese();
        for (int i = 1; i <= 2; ++i) {
            RigaMese &riga = t.righe[i];
            riga.numero = i;
            riga.giorno = qint16(4 + i);
            riga.mese = 3;
            riga.descrizione[0] = QStringLiteral("Fattura %1").arg(i);
            riga.descrizione[1] = QStringLiteral("Rossi Mario");
            riga.segno = 0;
            riga.importo = 1000000;
            riga.saldo = 1000000 * i;
        }
        t.numerorighe = 2;
    }
    void TearDown() override { usastampante(nullptr); }
};

QListWidget *lista(QWidget &f, const char *nome) {
    return f.findChild<QListWidget *>(nome);
}

QStringList voci(const QListWidget *l) {
    QStringList v;
    for (int i = 0; i < l->count(); ++i)
        v.append(l->item(i)->text());
    return v;
}

QString scelta(const QListWidget *l) {
    const QList<QListWidgetItem *> s = l->selectedItems();
    return s.isEmpty() ? QString() : s.first()->text();
}

void seleziona(QListWidget *l, const QString &voce) {
    l->setCurrentItem(l->findItems(voce, Qt::MatchExactly).value(0));
}

void stampa(QWidget &f) {
    f.findChild<QAbstractButton *>("Command1")->click();
}

bool stampato(const Registratore &r, const QString &testo) {
    for (const Operazione &o : r.fatte)
        if (o.scritto == testo) return true;
    return false;
}

} // namespace

TEST_F(Finestra, OpensWithThePrintersTheQualitiesAndTheCopies) {
    Formstampante f;
    EXPECT_TRUE(f.windowTitle().isEmpty());
    EXPECT_EQ(voci(lista(f, "Lista")), QStringList({"Ufficio", "Laser", "File PDF"}));
    EXPECT_EQ(scelta(lista(f, "Lista")), "Laser");
    EXPECT_EQ(voci(lista(f, "Listaqualita")), QStringList({"Alta", "Media", "Bassa", "Bozza"}));
    EXPECT_EQ(scelta(lista(f, "Listaqualita")), "Bassa");
    EXPECT_EQ(voci(lista(f, "Listcopie")), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(scelta(lista(f, "Listcopie")), "1");
    for (const char *nome : {"Command1", "annulla"})
        EXPECT_FALSE(f.findChild<QAbstractButton *>(nome)->icon().isNull()) << nome;

    // Without a current printer among them nothing is preselected, and nothing printed.
    r.attuale = "Sparita";
    Formstampante g;
    EXPECT_EQ(scelta(lista(g, "Lista")), "");
    stampa(g);
    EXPECT_TRUE(r.fatte.isEmpty());
    EXPECT_TRUE(r.scelta.isEmpty());
    EXPECT_EQ(r.fini, 0);
}

TEST_F(Finestra, PrintsOnTheChosenPrinterWithQualityCopiesAndTitleAndStaysOpen) {
    Formstampante f;
    f.show();
    seleziona(lista(f, "Lista"), "Ufficio");
    seleziona(lista(f, "Listaqualita"), "Alta");
    seleziona(lista(f, "Listcopie"), "3");
    stampa(f);
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_EQ(r.qualitadata, -4);
    EXPECT_EQ(r.copiedate, 3);
    EXPECT_TRUE(stampato(r, "CONTO CASSA Marzo 2008"));
    EXPECT_TRUE(stampato(r, "€ 200,00"));
    EXPECT_TRUE(f.isVisible());

    // A second job from the same window, for every account over the whole year.
    stato().contocorrente = 1;
    stato().mesecorrente = 0;
    r.fatte.clear();
    seleziona(lista(f, "Listaqualita"), "Bozza");
    stampa(f);
    EXPECT_EQ(r.qualitadata, -1);
    EXPECT_TRUE(stampato(r, "CONTO TUTTI Anno 2008"));
    EXPECT_TRUE(stampato(r, "Pag. 1"));
    EXPECT_EQ(r.fini, 2);

    // The printer of the last job is preselected next time.
    Formstampante g;
    EXPECT_EQ(scelta(lista(g, "Lista")), "Ufficio");
}

TEST_F(Finestra, AnInterruptedPrintIsReportedAndTheWindowStaysOpen) {
    r.falliscidopo = 20;
    Formstampante f;
    f.show();
    QString messaggio;
    accettamessaggio(&messaggio);
    stampa(f);
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(messaggio.startsWith("La stampa non è stata completata."));
    EXPECT_TRUE(messaggio.contains(r.motivo()));
    EXPECT_EQ(r.fatte.size(), 20);
    EXPECT_EQ(r.fini, 1);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Finestra, FilePdfWritesTheReportAndLeavesTheCurrentPrinterAlone) {
    const QString file = QDir::homePath() + "/marzo";
    Formstampante f;
    f.show();
    seleziona(lista(f, "Lista"), "File PDF");
    QString titolo;
    quandomodale([&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        ASSERT_TRUE(d);
        titolo = d->windowTitle();
        d->selectFile(file);
        QMetaObject::invokeMethod(d, "accept");
    });
    stampa(f);
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(titolo, "File PDF");
    ASSERT_TRUE(QFileInfo::exists(file + ".pdf"));
    EXPECT_TRUE(r.scelta.isEmpty());
    EXPECT_TRUE(r.fatte.isEmpty());
    Formstampante g;
    EXPECT_EQ(scelta(lista(g, "Lista")), "Laser");

    // Cancelling the file question prints nothing.
    quandomodale([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
    stampa(f);
    EXPECT_TRUE(nessunarispostainattesa());

    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "no pdftotext";
    QProcess p;
    p.start("pdftotext", {"-layout", file + ".pdf", "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString testo = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *atteso : {"CONTO CASSA Marzo 2008", "Pag. 1", "DESCRIZIONE", "05/03/08",
                               "06/03/08", "Fattura 2", "Rossi Mario", "100,00", "200,00"})
        EXPECT_TRUE(testo.contains(QString::fromUtf8(atteso))) << atteso << "\n"
                                                               << testo.toStdString();
}

TEST_F(Finestra, APdfThatCannotBeWrittenIsReported) {
    const QString chiusa = QDir::homePath() + "/chiusa";
    ASSERT_TRUE(QDir().mkpath(chiusa));
    if (!bloccacartella(chiusa)) GTEST_SKIP() << "cannot make a folder read-only here";
    Formstampante f;
    f.show();
    seleziona(lista(f, "Lista"), "File PDF");
    quandomodale([&](QWidget *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(chiusa + "/marzo.pdf");
        QMetaObject::invokeMethod(w, "accept");
    });
    QString messaggio;
    accettamessaggio(&messaggio);
    stampa(f);
    sbloccacartella(chiusa);
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(messaggio.startsWith("La stampa non è stata completata."));
    EXPECT_TRUE(messaggio.contains(chiusa + "/marzo.pdf")) << messaggio.toStdString();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Finestra, TheMainWindowOpensItOnlyWithRowsToPrint) {
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
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(nome, "Formstampante");
}
