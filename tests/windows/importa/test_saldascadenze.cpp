#include "ledger/importafatture.h"
#include "store/fattureditta.h"
#include "store/filemese.h"
#include "store/scadenze.h"
#include "support/finestre.h"
#include "support/importa.h"
#include "windows/importa/formimporta.h"
#include "windows/scadenze/formscadenze.h"

#include <QTableWidget>

namespace {

// Each row of a grid as the user reads it: the columns given, joined by '|'.
std::string righe(const QWidget &f, const char *nome, std::initializer_list<int> colonne)
{
    const auto *g = f.findChild<QTableWidget *>(nome);
    QStringList r;
    for (int i = 0; i < g->rowCount(); ++i) {
        QStringList c;
        for (int k : colonne)
            c << g->item(i, k)->text();
        r << c.join('|');
    }
    return r.join(',').toStdString();
}

} // namespace

// New statement rows paired with the open payments due of the account chosen, or of none, as
// one assignment nearest first, the item whose invoice the bank's text names before a nearer
// one: the same amount within 10 days, an estimate within 20 % when the bank's text names it.
// Imported, a row is booked with its item's descriptions and settles it; a row paired with nothing
// keeps the bank's text.
TEST(Saldascadenze, RowsSettleTheirPaymentsDue)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    const struct {
        Scadenza voce;
        RigaEstratto riga;
    } casi[] = {
        {{QDate(2026, 3, 10), 1, 100 * euro, "Affitto", "Marzo", 0, 2},
         {QDate(2026, 3, 12), -100 * euro, "BONIFICO A IMMOBILIARE", ""}},
        {{QDate(2026, 3, 15), 1, 90 * euro, "Enel", "Bolletta", 0, 0, 0, 0, true},
         {QDate(2026, 3, 16), -105 * euro, "ADDEBITO SDD", "ENEL ENERGIA"}},
        {{QDate(2026, 3, 15), 1, 50 * euro, "Telecom", "", 0, 2, 0, 0, true},
         {QDate(2026, 3, 17), -55 * euro, "ADDEBITO SDD TIM", ""}},
        {{QDate(2026, 3, 15), 1, 50 * euro, "Gas", "", 0, 2, 0, 0, true},
         {QDate(2026, 3, 18), -61 * euro, "ADDEBITO SDD GAS", ""}},
        {{QDate(2026, 3, 20), 1, 70 * euro, "Leasing", "", 0, 3},
         {QDate(2026, 3, 20), -70 * euro, "RATA LEASING", ""}},
        {{QDate(2026, 3, 1), 0, 200 * euro, "Rossi", "", 0, 2},
         {QDate(2026, 3, 12), 200 * euro, "BONIFICO DA ROSSI", ""}},
        {{QDate(2026, 3, 24), 1, 40 * euro, "Bianchi", "Fattura 9", 0, 2},
         {QDate(2026, 3, 14), -40 * euro, "PAGAMENTO POS", ""}},
        {{QDate(2026, 3, 8), 1, 300 * euro, "Alfa srl", "Fattura 18/2026 del 01/03/2026", 0, 2},
         {QDate(2026, 3, 5), -300 * euro, "BONIFICO SALDO FT 18/2026", ""}},
    };
    QList<RigaEstratto> estratto;
    for (const auto &c : casi) {
        ASSERT_TRUE(creascadenza("c:", 1, c.voce));
        estratto.append(c.riga);
    }
    estratto.append({QDate(2026, 3, 25), -40 * euro, "PAGAMENTO POS", ""}); // nearer to Bianchi
    // Nearer to the row above, but the row names the other invoice.
    ASSERT_TRUE(creascadenza(
        "c:", 1,
        {QDate(2026, 3, 5), 1, 300 * euro, "Alfa srl", "Fattura 17/2026 del 01/03/2026", 0, 2}));
    Formimporta f(Estratto{estratto, {}, {}, {}, {}});
    // The bank's texts are those of the rows paired with nothing.
    EXPECT_EQ(righe(f, "griglia", {2, 3, 6}),
              "Affitto|Marzo|scadenza,Enel|Bolletta|scadenza,TIM|Addebito diretto SEPA|nuovo,"
              "GAS|Addebito diretto SEPA|nuovo,RATA LEASING|Estratto conto|nuovo,"
              "ROSSI|Bonifico|nuovo,PAGAMENTO POS|Estratto conto|nuovo,"
              "Alfa srl|Fattura 18/2026 del 01/03/2026|scadenza,Bianchi|Fattura 9|scadenza");
    QTableWidgetItem *affitto = f.findChild<QTableWidget *>("griglia")->item(0, 2);
    EXPECT_EQ(affitto->toolTip(), "BONIFICO A IMMOBILIARE");
    affitto->setText(""); // emptied by the user: the item's description back
    EXPECT_EQ(affitto->text(), "Affitto");
    clicca(&f, "registra");

    QList<Movimento> scritti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 3, "26"), scritti));
    QStringList libro;
    for (const Movimento &m : scritti)
        libro << m.descrizione1 + "|" + m.descrizione2 + "|" + QString::number(m.importo / euro);
    EXPECT_EQ(libro.join(',').toStdString(),
              "Affitto|Marzo|100,Enel|Bolletta|105,TIM|Addebito diretto SEPA|55,"
              "GAS|Addebito diretto SEPA|61,RATA LEASING|Estratto conto|70,ROSSI|Bonifico|200,"
              "PAGAMENTO POS|Estratto conto|40,Alfa srl|Fattura 18/2026 del 01/03/2026|300,"
              "Bianchi|Fattura 9|40");
    Formscadenze elenco;
    elenco.mostraperiodo(Formscadenze::anno);
    EXPECT_EQ(righe(elenco, "elenco", {2, 7}),
              "Rossi|scaduta,Alfa srl|scaduta,Alfa srl|pagata il 05/03/2026,Affitto|pagata il "
              "12/03/2026,Enel|pagata il 16/03/2026,"
              "Telecom|scaduta,Gas|scaduta,Leasing|scaduta,Bianchi|pagata il 25/03/2026");
}

// A row naming the payment code of one of two invoices' items alike settles that one: the code
// is kept beside the invoices' keys, without being one.
TEST(Saldascadenze, ThePaymentCodeNamedChoosesTheItem)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    Voce uno{{2026, 3, 10}, -100 * euro, false, "Uno", "", "", ""}, due = uno;
    due.controparte = "Due", due.codice = "RF18 0000 1234";
    QStringList importate;
    ASSERT_TRUE(importafatture("c:", 1, {{"A|7", uno, {}}, {"A|8", due, {}}}, importate));
    QSet<QString> chiavi;
    ASSERT_TRUE(leggichiavi("c:", 1, chiavi));
    EXPECT_EQ(chiavi, (QSet<QString>{"A|7", "A|8"}));
    Formimporta f(
        Estratto{{{QDate(2026, 3, 10), -100 * euro, "SDD RF18 0000 1234", ""}}, {}, {}, {}, {}});
    EXPECT_EQ(righe(f, "griglia", {2}), "Due");
}

// An item another workstation settled from another account after the window read it: the row
// is still booked, the item not settled a second time, and the window says so.
TEST(Saldascadenze, AnItemSettledElsewhereMeanwhileIsNotSettledTwice)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    qint32 voce = 0, altrove = 0;
    ASSERT_TRUE(
        creascadenza("c:", 1, {QDate(2026, 3, 10), 1, 100 * euro, "Affitto", "", 0, 2}, &voce));
    Formimporta f(Estratto{{{QDate(2026, 3, 10), -100 * euro, "BONIFICO", ""}}, {}, {}, {}, {}});
    ASSERT_TRUE(aggiungimovimento(percorsomese("c:", 3, "26"), mov(10, 1, 100 * euro, "Mov", 3),
                                  &altrove)); // paid from another account
    bool gia = false;
    ASSERT_TRUE(saldascadenza(
        "c:", 1, voce, 0, {2026, 3, altrove, 10, 1, 100 * euro},
        [](const Conferma &) { return false; }, gia));
    EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }).toStdString(),
              "1 scadenza era già stata saldata da un'altra postazione e non è stata saldata di "
              "nuovo.");
    QList<Movimento> scritti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 3, "26"), scritti));
    EXPECT_EQ(scritti.size(), 2);
    QList<EventoScadenza> eventi;
    ASSERT_TRUE(leggiscadenze("c:", 1, eventi));
    EXPECT_EQ(eventi.size(), 2); // created, settled once
}
