#include "app/formprincipale.h"
#include "ledger/scadenzario.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/finestre.h"
#include "windows/rubrica/formproduttore.h"
#include "windows/scadenze/formscadenza.h"
#include "windows/scadenze/formscadenze.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineSeries>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace {

// The rows of the list as the user reads them: date, first description, amounts, state.
QStringList righe(const QWidget *f)
{
    const auto *g = f->findChild<QTableWidget *>("elenco");
    QStringList r;
    for (int i = 0; i < g->rowCount(); ++i) {
        QStringList c;
        for (int k : {1, 2, 4, 5, 7})
            c << g->item(i, k)->text();
        r << c.join(',');
    }
    return r;
}

// Types a payment due into the Formscadenza shown, then saves it.
void scrivi(QWidget *w, const QString &d1, const QString &importo, const QDate &data,
            int ripetizione = 0, int volte = 0)
{
    w->findChild<QDateEdit *>("data")->setDate(data);
    if (auto *d = w->findChild<QLineEdit *>("descrizione1"); !d->isReadOnly()) // as a user can
        d->setText(d1);
    w->findChild<QLineEdit *>("descrizione2")->setText("Sede");
    w->findChild<QLineEdit *>("testimporto")->setText(importo);
    w->findChild<QListWidget *>("segno")->setCurrentRow(1);
    w->findChild<QComboBox *>("ripetizione")->setCurrentIndex(ripetizione);
    w->findChild<QSpinBox *>("volte")->setValue(volte);
    clicca(w, "registra");
}

} // namespace

// A monthly series typed from 31 January over a leap February, then cancelled from its
// second occurrence on, then written to a spreadsheet file as listed; a typing slip refused
// with the entry window's message.
TEST(Formscadenze, ASeriesTypedInAndCancelledFromOneOccurrenceOn)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    Stato &s = stato();
    s.dittacorrente = 1, s.annogestione = "28";
    Formscadenze f;
    f.mostraperiodo(Formscadenze::anno);
    Contatto verdi;
    verdi.ragionesociale = "Immobiliare Verdi";
    ASSERT_TRUE(aggiungicontatto("c:", verdi));
    {
        Formscadenza vuota({}, true);
        quandomodale([](QWidget *w) {
            qobject_cast<Formproduttore *>(w)->carica(1);
            clicca(w, "annulla");
        });
        clicca(&vuota, "cerca");
        EXPECT_TRUE(vuota.findChild<QLineEdit *>("descrizione1")->isReadOnly());
        scrivi(&vuota, "", "10", QDate(2028, 1, 31)); // the box locked: the contact's name stays
        EXPECT_EQ(vuota.scadenza().descrizione1 + QString::number(vuota.scadenza().contatto),
                  "Immobiliare Verdi1");
        vuota.findChild<QLineEdit *>("descrizione1")->setReadOnly(false);
        EXPECT_EQ(messaggio([&] { scrivi(&vuota, "", "10", QDate(2028, 1, 31)); }),
                  "Manca la Prima Descrizione!");
        EXPECT_EQ(messaggio([&] { scrivi(&vuota, "Affitto", "1.2.3", QDate(2028, 1, 31)); }),
                  "Importo non valido!");
    }
    quandomodale([&](QWidget *w) { scrivi(w, "Affitto", "1.250,00", QDate(2028, 1, 31), 1, 3); });
    clicca(&f, "nuova");
    EXPECT_EQ(righe(&f),
              QStringList({"31/01/28,Affitto,,1250,00,aperta", "29/02/28,Affitto,,1250,00,aperta",
                           "31/03/28,Affitto,,1250,00,aperta"}));
    EXPECT_EQ(testo(&f, "totalepagare"), "3750,00");

    f.findChild<QTableWidget *>("elenco")->setCurrentCell(1, 1);
    quandomodale([](QWidget *w) { w->findChild<QPushButton *>("successive")->click(); });
    clicca(&f, "cancella");
    EXPECT_EQ(righe(&f), QStringList({"31/01/28,Affitto,,1250,00,aperta",
                                      "29/02/28,Affitto,,1250,00,annullata"}));
    EXPECT_EQ(testo(&f, "totalepagare"), "1250,00");

    const QString foglio = QDir::homePath() + "/scadenze.csv";
    scegli(foglio);
    clicca(&f, "esporta");
    EXPECT_EQ(leggibyte(foglio),
              "\xEF\xBB\xBF"
              "Scadenza;Descrizione;Descrizione 2;Da incassare;Da pagare;Conto;Stato\r\n"
              "31/01/2028;Affitto;Sede;;1250,00;;aperta\r\n"
              "29/02/2028;Affitto;Sede;;1250,00;;annullata\r\n"
              "Totali;;;0,00;1250,00;;\r\n");
    EXPECT_EQ(scartarisposte(), 0);
}

// At start-up the status bar counts the open items past due and due today (the settled and
// cancelled ones not); a click shows them on "Scadute", with the lowest balance ahead and its
// day: CASSA holds 300,00 and must pay 500,00 in ten days before it collects 200,00. Printed
// through the ledger's print window into a PDF file, the list holds only the rows of the period
// and kind chosen, with their columns, under the heading, then the totals and that balance.
TEST(Formscadenze, PastDueAtStartUpAndTheDayTheMoneyRunsShort)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    const QDate g = oggi();
    scrivimese(g.month(), {mov(qint16(g.day()), 0, 300 * euro, "Incasso")}, annoyy(g));
    const auto crea = [&](int giorni, qint16 segno, qint64 importo) {
        EXPECT_TRUE(creascadenza("c:", 1,
                                 {g.addDays(giorni), segno, importo * euro,
                                  segno ? "Voce" : "Incasso", "Sede", 0, 2, 0, 0, false}));
    };
    crea(-3, 1, 40), crea(-2, 0, 60), crea(0, 1, 10), crea(-5, 1, 70);
    crea(10, 1, 500), crea(20, 0, 200);
    EXPECT_TRUE(aggiungievento("c:", 1, {EventoScadenza::annullata, 4, 0, false, {}, {}}));
    Formprincipale p;
    EXPECT_EQ(testo(&p, "avvisoscadenze"), "2 scadenze scadute, 1 oggi");
    QStringList vista;
    quandomodale([&](QWidget *w) {
        vista = righe(w);
        vista << testo(w, "saldoprevisto") << testo(w, "datasaldoprevisto");
        vista << w->findChild<QLabel *>("saldoprevisto")
                     ->palette()
                     .color(QPalette::WindowText)
                     .name();
        const auto *linea = static_cast<QLineSeries *>(
            w->findChild<QChartView *>("grafico")->chart()->series().first());
        const QList<QPointF> punti = linea->points();
        vista << QString::number(punti.size())
              << QString::number(std::min_element(punti.begin(), punti.end(), [](auto a, auto b) {
                                     return a.y() < b.y();
                                 })->y());
        clicca(w, "annulla");
    });
    QTest::mouseClick(p.findChild<QLabel *>("avvisoscadenze"), Qt::LeftButton);
    const QString d = datadmy(g.addDays(-3)), e = datadmy(g.addDays(-2));
    EXPECT_EQ(vista,
              QStringList({d + ",Voce,,40,00,scaduta", e + ",Incasso,60,00,,scaduta", "-190,00",
                           g.addDays(10).toString("dd/MM/yyyy"), "#ff0000", "91", "-190"}));
#ifndef Q_OS_WIN // no pdftotext there
    Formscadenze f;
    f.findChild<QComboBox *>("tipo")->setCurrentIndex(2);
    const QString pdf = QDir::homePath() + "/scadenze.pdf";
    quandomodale([&](QWidget *w) {
        w->findChild<QListWidget *>("Lista")
            ->findItems("File PDF", Qt::MatchExactly)
            .first()
            ->setSelected(true);
        // The file question is answered from its own event loop, before Command1 returns.
        QTimer::singleShot(0, w, [&] {
            auto *domanda = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(domanda);
            domanda->findChild<QLineEdit *>("fileNameEdit")->setText(pdf);
            QMetaObject::invokeMethod(domanda, "accept");
        });
        clicca(w, "Command1");
        clicca(w, "annulla");
    });
    clicca(&f, "stampa");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(60000) && pdftotext.exitCode() == 0);
    const QString stampato = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    const QString ora = datadmy(g), fra10 = datadmy(g.addDays(10));
    for (const QString &atteso :
         QStringList{"SCADENZE TUTTE LE APERTE - DA PAGARE Pag. 1",
                     "SCADENZA DESCRIZIONE DESCRIZIONE 2 DA INCASSARE DA PAGARE CONTO STATO",
                     d + " Voce Sede 40,00 CASSA scaduta " + ora + " Voce Sede 10,00 CASSA oggi " +
                         fra10 + " Voce Sede 500,00 CASSA aperta",
                     "Da pagare: € 550,00",
                     "Saldo più basso nei prossimi 90 giorni (Tutti i conti): € -190,00 il " +
                         g.addDays(10).toString("dd/MM/yyyy")})
        EXPECT_TRUE(stampato.contains(atteso)) << atteso.toStdString() << "\n"
                                               << stampato.toStdString();
    EXPECT_FALSE(stampato.contains("Incasso"));
#endif
    EXPECT_EQ(scartarisposte(), 0);
}

// The checked rows booked through the entry window, filled from each item: an estimate's amount
// left to type and the movement booked at the amount typed, with the item's descriptions; an
// item another workstation settled after the list was read is not booked again, and the entry
// window says so.
TEST(Formscadenze, SettledThroughTheEntryWindowOnceOnly)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    Stato &s = stato();
    const QDate g = oggi();
    s.dittacorrente = 1, s.annogestione = annoyy(g);
    EXPECT_TRUE(creascadenza("c:", 1, {g, 1, 90 * euro, "Enel", "Bolletta", 0, 2, 0, 0, true}));
    EXPECT_TRUE(creascadenza("c:", 1, {g, 0, 50 * euro, "Rossi", "Fattura 7", 0, 2, 0, 0, false}));
    Formscadenze f;
    auto *elenco = f.findChild<QTableWidget *>("elenco");
    for (int r : {0, 1})
        elenco->item(r, 0)->setCheckState(Qt::Checked);

    const QString mese = percorsomese("c:", g.month(), annoyy(g));
    qint32 altrove = 0; // the other workstation books item 2 now
    ASSERT_TRUE(aggiungimovimento(mese, mov(qint16(g.day()), 0, 50 * euro, "Rossi"), &altrove));
    bool gia = false;
    ASSERT_TRUE(saldascadenza(
        "c:", 1, 2, 0, {g.year(), qint16(g.month()), altrove, qint16(g.day()), 0, 50 * euro},
        [](const Conferma &) { return false; }, gia));
    QString proposto, rifiuto;
    quandomodale([&](QWidget *w) {
        proposto = testo(w, "testimporto");
        w->findChild<QLineEdit *>("testimporto")->setText("87,30");
        clicca(w, "registra");
    });
    quandomodale([&](QWidget *w) {
        // The refusal's box is answered from its own event loop, before the window closes.
        QTimer::singleShot(0, w, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            rifiuto = box->text();
            box->accept();
        });
        clicca(w, "registra");
        clicca(w, "annulla");
    });
    clicca(&f, "registra");
    EXPECT_EQ(proposto, "");
    EXPECT_EQ(rifiuto, "La scadenza è già stata registrata da un'altra postazione.");
    QList<Movimento> movimenti;
    ASSERT_TRUE(leggimovimenti(mese, movimenti));
    ASSERT_EQ(movimenti.size(), 2);
    EXPECT_EQ(movimenti[1].descrizione1 + "|" + movimenti[1].descrizione2, "Enel|Bolletta");
    EXPECT_EQ(movimenti[1].importo, 87.3 * euro);
    f.mostraperiodo(Formscadenze::anno);
    const QString il = g.toString("dd/MM/yyyy");
    EXPECT_EQ(righe(&f), QStringList({datadmy(g) + ",Enel,,90,00,pagata il " + il,
                                      datadmy(g) + ",Rossi,50,00,,incassata il " + il}));
    EXPECT_EQ(scartarisposte(), 0);
}
