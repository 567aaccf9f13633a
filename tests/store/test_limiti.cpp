#include "ledger/scadenzario.h"
#include "store/banche.h"
#include "store/scadenze.h"
#include "support/archivio.h"

#include <gtest/gtest.h>
#include <limits>

// An item whose date the file cannot hold (two digits name a year of this century only) is
// refused when written, never written to be skipped unseen when read; one inside is kept.
TEST(Limiti, AnItemOutsideTheCenturyIsRefusedNotLost)
{
    nuovoarchivio();
    const auto voce = [](QDate data) {
        return Scadenza{data, 1, 100 * euro, "Enel Energia spa", "Fattura 1 del 01/01/2099"};
    };
    qint32 numero = 0;
    ASSERT_TRUE(creascadenza("c:", 1, voce({2099, 12, 31}), &numero));
    for (const QDate &d : {QDate(2100, 1, 10), QDate(1999, 12, 31)}) {
        const Esito e = creascadenza("c:", 1, voce(d));
        EXPECT_FALSE(e) << d.toString().toStdString();
        EXPECT_TRUE(e.messaggio().contains(d.toString("dd/MM/yyyy")))
            << e.messaggio().toStdString();
        EXPECT_FALSE(
            aggiungievento("c:", 1, {EventoScadenza::modificata, numero, 0, false, voce(d), {}}));
    }
    QList<EventoScadenza> letti;
    ASSERT_TRUE(leggiscadenze("c:", 1, letti));
    EXPECT_EQ(letti.size(), 1);
}

// The bank accounts' file rewritten only from what was read of it: one that could not be read
// whole keeps every line it holds.
TEST(Limiti, TheBankAccountsFileNeverRewrittenFromWhatWasNotRead)
{
    const QString banche = nuovoarchivio() + "/banche.txt";
    ASSERT_TRUE(ricordabanca("c:", "IT60X0542811101000000123456", "Banca", 3));
    const QByteArray grande = leggibyte(banche) + QByteArray(1024 * 1024, ' ');
    scrivibyte(banche, grande);
    EXPECT_FALSE(ricordabanca("c:", "IT02A0301503200000003517230", "Posta", 4));
    EXPECT_EQ(leggibyte(banche), grande);
}

// Items of absurd amounts add up short of the range's end, never wrapping to the other sign.
TEST(Limiti, AbsurdItemsNeverWrapTheTotalsOrTheBalanceAhead)
{
    constexpr qint64 alto = std::numeric_limits<qint64>::max();
    const QDate oggi(2026, 4, 10);
    QList<Occorrenza> elenco;
    for (qint16 segno : {1, 1, 0, 0}) {
        Occorrenza o;
        o.scadenza.data = oggi, o.scadenza.segno = segno, o.scadenza.importo = alto / 2 + 1;
        elenco.append(o);
    }
    EXPECT_EQ(totali(elenco).pagare, alto);
    EXPECT_EQ(totali(elenco).incassare, alto);
    EXPECT_EQ(previsione(elenco.mid(0, 2), 0, 0, oggi).minimo, -alto);
}
