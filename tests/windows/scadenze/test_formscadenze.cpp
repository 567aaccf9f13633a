#include "app/formprincipale.h"
#include "ledger/scadenzario.h"
#include "platform/date.h"
#include "support/finestre.h"
#include "windows/scadenze/formscadenza.h"
#include "windows/scadenze/formscadenze.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

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
    w->findChild<QLineEdit *>("descrizione1")->setText(d1);
    w->findChild<QLineEdit *>("descrizione2")->setText("Sede");
    w->findChild<QLineEdit *>("testimporto")->setText(importo);
    w->findChild<QListWidget *>("segno")->setCurrentRow(1);
    w->findChild<QComboBox *>("ripetizione")->setCurrentIndex(ripetizione);
    w->findChild<QSpinBox *>("volte")->setValue(volte);
    clicca(w, "registra");
}

void quandoscelta(const char *pulsante)
{
    quandomodale([pulsante](QWidget *w) { w->findChild<QPushButton *>(pulsante)->click(); });
}

} // namespace

// A monthly series typed from 31 January over a leap February, then cancelled from its
// second occurrence on; a typing slip refused with the entry window's message.
TEST(Formscadenze, ASeriesTypedInAndCancelledFromOneOccurrenceOn)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    Stato &s = stato();
    s.dittacorrente = 1, s.annogestione = "28";
    Formscadenze f;
    f.mostraperiodo(Formscadenze::anno);
    {
        Formscadenza vuota({}, true);
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
    quandoscelta("successive");
    clicca(&f, "cancella");
    EXPECT_EQ(righe(&f), QStringList({"31/01/28,Affitto,,1250,00,aperta",
                                      "29/02/28,Affitto,,1250,00,annullata"}));
    EXPECT_EQ(testo(&f, "totalepagare"), "1250,00");
    EXPECT_EQ(scartarisposte(), 0);
}

// At start-up the status bar counts the open items past due and due today (the settled and
// cancelled ones not); a click shows them on "Scadute", with the lowest balance ahead and its
// day: CASSA holds 300,00 and must pay 500,00 in ten days before it collects 200,00.
TEST(Formscadenze, PastDueAtStartUpAndTheDayTheMoneyRunsShort)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    const QDate g = oggi();
    scrivimese(g.month(), {mov(qint16(g.day()), 0, 300 * euro, "Incasso")}, annoyy(g));
    const auto crea = [&](int giorni, qint16 segno, qint64 importo) {
        EXPECT_TRUE(creascadenza(
            "c:", 1, {g.addDays(giorni), segno, importo * euro, "Voce", "", 0, 2, 0, 0, false}));
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
        clicca(w, "annulla");
    });
    QTest::mouseClick(p.findChild<QLabel *>("avvisoscadenze"), Qt::LeftButton);
    const QString d = datadmy(g.addDays(-3)), e = datadmy(g.addDays(-2));
    EXPECT_EQ(vista, QStringList({d + ",Voce,,40,00,scaduta", e + ",Voce,60,00,,scaduta", "-190,00",
                                  g.addDays(10).toString("dd/MM/yyyy"), "#ff0000"}));
    EXPECT_EQ(scartarisposte(), 0);
}
