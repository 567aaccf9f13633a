#include "app/stato.h"
#include "ledger/esportazione.h"
#include "platform/stampante.h"
#include "store/guasti.h"
#include "store/movimento.h"
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
    QString casa = nuovacasa(), file = casa + "/cassa.csv";
    void mese(int m, const QList<Movimento> &movimenti)
    {
        QByteArray dati;
        for (const Movimento &x : movimenti)
            dati += movimento::codifica(x);
        scrivibyte(cartellalocale() + QStringLiteral("/mov%1").arg(m, 2, 10, QChar('0')) + "26",
                   dati);
    }
    // Presses the button with the destination chosen, answering the dialog it opens with azione.
    void premi(const char *voce, const char *bottone, std::function<void(QWidget *)> azione)
    {
        Formstampante f;
        auto *lista = f.findChild<QListWidget *>("Lista");
        lista->setCurrentItem(lista->findItems(voce, Qt::MatchExactly).value(0));
        quandomodale(azione);
        f.findChild<QAbstractButton *>(bottone)->click();
    }
    // Exports through the window into file; the name it proposed.
    QString esporta(QString *messaggio = nullptr)
    {
        QString proposto;
        premi("File CSV", "Command1", [&](QWidget *w) {
            proposto = qobject_cast<QFileDialog *>(w)->selectedFiles().value(0);
            qobject_cast<QFileDialog *>(w)->selectFile(file);
            QMetaObject::invokeMethod(w, "accept");
            if (messaggio)
                accettamessaggio(messaggio);
        });
        return proposto;
    }
};

} // namespace

TEST_F(Esporta, WritesEveryRowOfTheLedgerAsASpreadsheetReadsItOrNoFileAtAll)
{
    mese(1, {{5, "Affitto", "", 1, 12345000, 2, 1, 0}});
    mese(3, {{9, "=SOMMA(A1:A9)", "rata; \"mutuo\"", 0, 20000000, 3, 1, 0},
             {2, "Bollette", "Caffè", 1, 505000, 2, 1, 0},
             {4, "Altra ditta", "", 0, 10000, 2, 2, 0}});
    Stato &st = stato();
    st.annogestione = "26", st.dittacorrente = 1, st.contocorrente = 1, st.mesecorrente = 3;
    ASSERT_TRUE(esportaregistro(casa + "/marzo.csv", st.filtro(), {"", "TUTTI", "CASSA", "Banca"}));
    EXPECT_EQ(leggibyte(casa + "/marzo.csv").toStdString(),
              "\xEF\xBB\xBF"
              "Data;Descrizione;Descrizione 2;Entrate;Uscite;Saldo;Conto\r\n"
              "01/03/2026;SALDO PRECEDENTE;Febbraio 2026;;1234,50;-1234,50;\r\n"
              "02/03/2026;Bollette;Caff\xC3\xA8;;50,50;-1285,00;CASSA\r\n"
              "09/03/2026;'=SOMMA(A1:A9);\"rata; \"\"mutuo\"\"\";2000,00;;715,00;Banca\r\n"
              "Totali;;;2000,00;1285,00;715,00;\r\n");

    // A year past what the screen holds, through the print window.
    const QList<Movimento> incassi(17000, Movimento{1, "Incasso", "", 0, 10000, 2, 1, 0});
    mese(1, incassi);
    mese(2, incassi);
    st.contocorrente = 2, st.mesecorrente = 0;
    EXPECT_EQ(esporta(), casa + "/CASSA_Anno_2026.csv");
    const QList<QByteArray> righe = leggibyte(file).split('\n');
    // The heading, the rows with March's CASSA row, the totals, the end of the last line.
    ASSERT_EQ(righe.size(), 34004);
    EXPECT_EQ(righe[34000], "01/02/2026;Incasso;;1,00;;34000,00;CASSA\r");
    EXPECT_EQ(righe[34002], "Totali;;;34000,00;50,50;33949,50;\r");

    ASSERT_TRUE(QFile::remove(file));
    impostaguasto([](Operazione o, const QString &) { return o == Operazione::Scrittura; });
    QString messaggio;
    esporta(&messaggio);
    impostaguasto(nullptr);
    EXPECT_TRUE(messaggio.contains(file)) << messaggio.toStdString();
    EXPECT_EQ(QDir::home().entryList(QDir::Files | QDir::Hidden), QStringList{"marzo.csv"});
}

TEST_F(Esporta, ThePreviewShowsThePagesThatPrint)
{
    TabellaMese &t = stato().tabellamese;
    std::fill(&t.righe[1], &t.righe[61], RigaMese{1, 5, 3, {"Fattura"}, 10000, 0, 10000});
    t.numerorighe = 60;
    int pagine = 0;
    premi("File PDF", "anteprima", [&](QWidget *w) {
        pagine = w->findChild<QPrintPreviewWidget *>()->pageCount();
        QMetaObject::invokeMethod(w, "reject");
    });
    ASSERT_TRUE(stampapagine(*stampantepdf(file), t, {}));
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {file});
    ASSERT_TRUE(pdfinfo.waitForFinished() && pagine > 1);
    EXPECT_EQ(pagine, QString(pdfinfo.readAll()).section("Pages:", 1).section('\n', 0, 0).toInt());
}
