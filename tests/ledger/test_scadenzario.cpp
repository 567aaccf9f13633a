#include "ledger/scadenzario.h"
#include "store/filemese.h"
#include "support/archivio.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

Scadenza voce(QDate data, qint16 segno, qint64 importo, qint16 ripetizione = 0, qint16 volte = 0,
              qint16 conto = 2)
{
    return {data, segno, importo, "Affitto", "Ufficio", 0, conto, ripetizione, volte, false};
}

// An estimate of 90 euros due on 2/5/2028.
Scadenza stima()
{
    Scadenza s = voce({2028, 5, 2}, 0, 90 * euro);
    s.stima = true;
    return s;
}

EventoScadenza evento(EventoScadenza::Tipo tipo, qint32 occorrenza, bool successive,
                      Scadenza s = {}, Conferma c = {})
{
    return {tipo, 1, occorrenza, successive, s, c};
}

// Each occurrence as "dd/MM/yyyy importo stato".
QStringList descritte(const QList<Occorrenza> &elenco, const QDate &oggi)
{
    QStringList d;
    for (const Occorrenza &o : elenco)
        d << QStringLiteral("%1 %2 %3")
                 .arg(o.scadenza.data.toString("dd/MM/yyyy"))
                 .arg(o.scadenza.importo / euro)
                 .arg(statoscadenza(o, oggi));
    return d;
}

} // namespace

// What the records of one item make of its occurrences, written to the file and read back:
// month ends, a leap February, changes and cancellations of one occurrence or of it and the
// following, settlements whose movement stands or is gone, a damaged record among them.
TEST(Scadenzario, OccurrencesFollowWhatTheRecordsSay)
{
    const QDate oggi(2028, 3, 15), fino(2028, 7, 31);
    const Conferma pagamento{2028, 2, 1, 29, 1, 700 * euro}, sparito{2028, 2, 2, 29, 1, 700 * euro};
    const auto attuale = [&](const Conferma &c) -> std::optional<Conferma> {
        return c == sparito ? std::nullopt : std::optional(c);
    };
    const Scadenza mensile = voce({2028, 1, 31}, 1, 700 * euro, 1, 4);
    struct Caso {
        const char *nome;
        Scadenza scadenza;
        QList<EventoScadenza> eventi;
        QStringList attese;
    } casi[] = {
        {"month ends over a leap February",
         mensile,
         {},
         {"31/01/2028 700 scaduta", "29/02/2028 700 scaduta", "31/03/2028 700 aperta",
          "30/04/2028 700 aperta"}},
        {"no end: up to the last date asked, every two months",
         voce({2028, 1, 31}, 0, 50 * euro, 2),
         {},
         {"31/01/2028 50 scaduta", "31/03/2028 50 aperta", "31/05/2028 50 aperta",
          "31/07/2028 50 aperta"}},
        {"cancelled from one occurrence on",
         voce({2028, 1, 31}, 1, 700 * euro, 1),
         {evento(EventoScadenza::annullata, 2, true)},
         {"31/01/2028 700 scaduta", "29/02/2028 700 scaduta", "31/03/2028 700 annullata"}},
        {"one occurrence cancelled, one settled, one settled by a movement since deleted",
         mensile,
         {evento(EventoScadenza::annullata, 0, false),
          evento(EventoScadenza::pagata, 1, false, {}, sparito),
          evento(EventoScadenza::pagata, 2, false, {}, pagamento)},
         {"31/01/2028 700 annullata", "29/02/2028 700 scaduta",
          "31/03/2028 700 pagata il 29/02/2028", "30/04/2028 700 aperta"}},
        {"changed alone, then from the third on to the 15th",
         mensile,
         {evento(EventoScadenza::modificata, 1, false, voce({2028, 3, 1}, 1, 650 * euro)),
          evento(EventoScadenza::modificata, 2, true, voce({2028, 3, 15}, 1, 720 * euro))},
         {"31/01/2028 700 scaduta", "01/03/2028 650 scaduta", "15/03/2028 720 oggi",
          "15/04/2028 720 aperta"}},
        {"an estimate, cancelled once settled: the money moved",
         stima(),
         {evento(EventoScadenza::pagata, 0, false, {}, {2028, 5, 3, 3, 0, 85 * euro}),
          evento(EventoScadenza::annullata, 0, false)},
         {"02/05/2028 90 incassata il 03/05/2028"}},
        {"an estimate open", stima(), {}, {"02/05/2028 90 stimata"}},
    };
    for (const Caso &c : casi) {
        const QString dati = nuovoarchivio();
        qint32 numero = 0;
        ASSERT_TRUE(creascadenza("c:", 1, c.scadenza, &numero));
        ASSERT_EQ(numero, 1);
        ASSERT_TRUE(creascadenza("c:", 2, voce({2028, 3, 1}, 0, 1))); // another company's
        QByteArray guasto(scadenze::dimensione, '\x7f');
        guasto[2] = 1, guasto[3] = 0; // the company's, but no kind of record
        scrivibyte(dati + "/scadenze", leggibyte(dati + "/scadenze") + guasto);
        for (const EventoScadenza &e : c.eventi)
            ASSERT_TRUE(aggiungievento("c:", 1, e));
        QList<EventoScadenza> letti;
        ASSERT_TRUE(leggiscadenze("c:", 1, letti));
        EXPECT_EQ(letti.size(), c.eventi.size() + 1) << c.nome;
        EXPECT_EQ(descritte(occorrenze(letti, fino, attuale), oggi), c.attese) << c.nome;
    }
}

// A settlement stands while the movement's record does, and follows it when it is modified;
// one already standing is never written twice, and booking that fails writes nothing.
TEST(Scadenzario, SettledOnceByAMovementThatStands)
{
    nuovoarchivio();
    scrivimese(2, {mov(3, 1, 500 * euro), mov(4, 1, 80 * euro), mov(5, 1, 10 * euro, "X", 2, 2)});
    ASSERT_TRUE(cancellamovimento(percorsomese("c:", 2, "26"), 2));
    Movimentisaldo mov2026("c:", 1);
    struct {
        Conferma registrata;
        std::optional<qint64> importo; // of the movement as it stands; none when it is gone
    } casi[] = {
        {{2026, 2, 1, 1, 1, 400 * euro}, 500 * euro},  // modified since: it follows
        {{2026, 2, 2, 4, 1, 80 * euro}, std::nullopt}, // deleted
        {{2026, 2, 3, 5, 1, 10 * euro}, std::nullopt}, // another company's
        {{2026, 2, 4, 5, 1, 10 * euro}, std::nullopt}, // past the file's end
        {{2026, 3, 1, 5, 1, 10 * euro}, std::nullopt}, // a month with no file
    };
    for (const auto &c : casi) {
        const std::optional<Conferma> ora = mov2026(c.registrata);
        EXPECT_EQ(ora ? std::optional(ora->importo) : std::nullopt, c.importo)
            << c.registrata.numero;
    }
    EXPECT_EQ(mov2026({2026, 2, 1, 1, 1, 0})->giorno, 3);

    ASSERT_TRUE(creascadenza("c:", 1, voce({2026, 2, 1}, 1, 500 * euro)));
    const auto valida = [&](const Conferma &c) { return mov2026(c).has_value(); };
    bool gia = false;
    const auto rifiuta = [](Conferma &) { return Esito::fallito("mov0226", "pieno"); };
    EXPECT_FALSE(saldascadenza("c:", 1, 1, 0, casi[1].registrata, valida, gia, rifiuta));
    ASSERT_TRUE(saldascadenza("c:", 1, 1, 0, casi[1].registrata, valida, gia)); // gone: again
    EXPECT_FALSE(gia);
    ASSERT_TRUE(saldascadenza("c:", 1, 1, 0, casi[0].registrata, valida, gia));
    EXPECT_FALSE(gia);
    ASSERT_TRUE(saldascadenza("c:", 1, 1, 0, casi[0].registrata, valida, gia));
    EXPECT_TRUE(gia);
    QList<EventoScadenza> letti;
    ASSERT_TRUE(leggiscadenze("c:", 1, letti));
    EXPECT_EQ(letti.size(), 3);
}

// The balance ahead: open items of the account (or all, those of no account included) from
// today, past due ones on today, nothing past the 90th day; its lowest point and first day.
TEST(Scadenzario, TheLowestProjectedBalanceAndItsDay)
{
    const QDate oggi(2026, 4, 10);
    QList<Occorrenza> elenco;
    const auto aggiungi = [&](QDate data, qint16 segno, qint64 importo, qint16 conto) {
        elenco.append({1, 0, false, voce(data, segno, importo * euro, 0, 0, conto), false, {}});
    };
    aggiungi({2026, 4, 1}, 1, 100, 3); // past due: today
    aggiungi({2026, 5, 1}, 1, 900, 0); // no account
    aggiungi({2026, 5, 1}, 0, 200, 3);
    aggiungi({2026, 6, 1}, 1, 300, 3);
    aggiungi({2026, 6, 20}, 0, 1000, 3);
    aggiungi({2026, 7, 10}, 1, 5000, 3); // the 91st day
    elenco.append(elenco[3]);
    elenco.back().annullata = true;
    struct {
        qint16 conto;
        qint64 minimo;
        QDate giorno;
    } casi[] = {{3, 200, {2026, 6, 1}}, {0, -700, {2026, 6, 1}}, {4, 400, oggi}};
    for (const auto &c : casi) {
        const Previsione p = previsione(elenco, c.conto, 400 * euro, oggi);
        EXPECT_EQ(p.minimo, c.minimo * euro) << c.conto;
        EXPECT_EQ(p.giornominimo, c.giorno) << c.conto;
        EXPECT_EQ(p.giorni.size(), 91);
    }
    const Totali t = totali(elenco);
    EXPECT_EQ(t.incassare, 1200 * euro);
    EXPECT_EQ(t.pagare, 6300 * euro);
}

// Two workstations settle the same 200 items at once, each booking a movement for each: every
// decision is taken under the file's lock, so each item is settled by one movement alone.
TEST(Scadenzario, TwoWorkstationsNeverSettleOneItemTwice)
{
    nuovoarchivio();
    const int quante = 200;
    for (int i = 0; i < quante; ++i)
        ASSERT_TRUE(creascadenza("c:", 1, voce({2026, 1, 5}, 1, euro)));
    const QStringList argomenti{"scadenze", "c:", QString::number(quante)};
    ASSERT_TRUE(insieme(SCRITTORE, {argomenti, argomenti}));
    QList<Movimento> gennaio;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", 1, "26"), gennaio));
    EXPECT_EQ(gennaio.size(), quante);
    QList<EventoScadenza> letti;
    ASSERT_TRUE(leggiscadenze("c:", 1, letti));
    const QList<Occorrenza> elenco = occorrenze(letti, {2026, 12, 31}, Movimentisaldo("c:", 1));
    ASSERT_EQ(elenco.size(), quante);
    for (const Occorrenza &o : elenco)
        ASSERT_TRUE(o.movimento) << o.voce;
    EXPECT_EQ(letti.size(), 2 * quante);
}
