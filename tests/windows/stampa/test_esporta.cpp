#include "app/stato.h"
#include "ledger/esportazione.h"
#include "platform/percorsi.h"
#include "platform/stampante.h"
#include "store/filemese.h"
#include "store/guasti.h"
#include "support/aiuti.h"
#include "windows/stampa/formstampante.h"
#include "windows/stampa/rapporto.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Esporta : ::testing::Test {
    QString file;
    void SetUp() override
    {
        file = nuovacasa() + "/cassa.csv";
        cartellalocale();
        stato() = Stato();
        stato().annogestione = "26", stato().dittacorrente = 1, stato().mesecorrente = 3;
    }
    void mese(int m, const QList<Movimento> &movimenti)
    {
        QByteArray dati;
        for (const Movimento &x : movimenti)
            dati += movimento::codifica(x);
        scrivibyte(percorsonativo(percorsomese("c:", m, "26")), dati);
    }
    // Chooses the entry and presses print, answering the file question with file and keeping
    // the name proposed and the message shown after it.
    void esporta(QString *proposto, QString *messaggio = nullptr)
    {
        Formstampante f;
        auto *lista = f.findChild<QListWidget *>("Lista");
        lista->setCurrentItem(lista->findItems("File CSV", Qt::MatchExactly).value(0));
        quandomodale([this, proposto](QWidget *w) {
            if (proposto)
                *proposto = qobject_cast<QFileDialog *>(w)->selectedFiles().value(0);
            qobject_cast<QFileDialog *>(w)->selectFile(file);
            QMetaObject::invokeMethod(w, "accept");
        });
        if (messaggio)
            accettamessaggio(messaggio);
        f.findChild<QAbstractButton *>("Command1")->click();
    }
};

} // namespace

TEST_F(Esporta, WritesTheLedgerAsAnItalianSpreadsheetReadsIt)
{
    mese(1, {{5, "Affitto", "", 1, 12345000, 2, 1, 0}});
    mese(3, {{9, "=SOMMA(A1:A9)", "rata; \"mutuo\"", 0, 20000000, 3, 1, 0},
             {2, "Bollette", "Caffè", 1, 505000, 2, 1, 0},
             {4, "Altra ditta", "", 0, 10000, 2, 2, 0}});
    stato().contocorrente = 1;
    ASSERT_TRUE(esportaregistro(file, stato().filtro(), {"", "TUTTI", "CASSA", "Banca"}));
    EXPECT_EQ(leggibyte(file).toStdString(),
              "\xEF\xBB\xBF"
              "Data;Descrizione;Descrizione 2;Entrate;Uscite;Saldo;Conto\r\n"
              "01/03/2026;SALDO PRECEDENTE;Febbraio 2026;;1234,50;-1234,50;\r\n"
              "02/03/2026;Bollette;Caff\xC3\xA8;;50,50;-1285,00;CASSA\r\n"
              "09/03/2026;'=SOMMA(A1:A9);\"rata; \"\"mutuo\"\"\";2000,00;;715,00;Banca\r\n"
              "Totali;;;2000,00;1285,00;715,00;\r\n");
}

TEST_F(Esporta, TheWholeYearKeepsEveryRowPastTheScreen)
{
    const QList<Movimento> incassi(17000, Movimento{1, "Incasso", "", 0, 10000, 2, 1, 0});
    mese(1, incassi);
    mese(2, incassi);
    stato().mesecorrente = 0;
    QString proposto;
    esporta(&proposto);
    EXPECT_EQ(proposto, QDir::homePath() + "/CASSA_Anno_2026.csv");
    const QList<QByteArray> righe = leggibyte(file).split('\n');
    ASSERT_EQ(righe.size(), 34003); // heading, rows, totals and the end of the last line
    EXPECT_EQ(righe[34000], "01/02/2026;Incasso;;1,00;;34000,00;CASSA\r");
    EXPECT_EQ(righe[34001], "Totali;;;34000,00;0,00;34000,00;\r");
}

TEST_F(Esporta, AFailedWriteLeavesNoFileAndNamesIt)
{
    mese(3, {{9, "Incasso", "", 0, 10000, 2, 1, 0}});
    for (Operazione guastata : {Operazione::Scrittura, Operazione::Conferma}) {
        impostaguasto([=](Operazione o, const QString &) { return o == guastata; });
        QString messaggio;
        esporta(nullptr, &messaggio);
        impostaguasto(nullptr);
        EXPECT_TRUE(messaggio.contains(file)) << messaggio.toStdString();
        EXPECT_EQ(QDir::home().entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST_F(Esporta, ThePreviewShowsThePagesThatPrint)
{
    TabellaMese &t = stato().tabellamese;
    for (t.numerorighe = 1; t.numerorighe <= 60; ++t.numerorighe)
        t.righe[t.numerorighe] = {t.numerorighe, 5, 3, {"Fattura"}, 10000, 0, 10000};
    --t.numerorighe;
    Formstampante f;
    auto *lista = f.findChild<QListWidget *>("Lista");
    lista->setCurrentItem(lista->findItems("File PDF", Qt::MatchExactly).value(0));
    int pagine = 0;
    quandomodale([&](QWidget *w) {
        pagine = w->findChild<QPrintPreviewWidget *>()->pageCount();
        QMetaObject::invokeMethod(w, "reject");
    });
    f.findChild<QAbstractButton *>("anteprima")->click();
    ASSERT_TRUE(stampapagine(*stampantepdf(file), t, {}));
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {file});
    ASSERT_TRUE(pdfinfo.waitForFinished());
    EXPECT_GT(pagine, 1);
    EXPECT_EQ(pagine, QString(pdfinfo.readAll()).section("Pages:", 1).section('\n', 0, 0).toInt());
}
