#include "store/estratto.h"

#include <gtest/gtest.h>

namespace {

// The accounts and rows read, a row to be checked by the user marked "?", one in another
// currency by its code.
QString riassunto(const QList<Estratto> &conti)
{
    QStringList out;
    for (const Estratto &e : conti) {
        if (!e.conto.isEmpty())
            out << (e.conto + QLatin1Char(' ') + e.valuta).trimmed();
        for (const RigaEstratto &r : e.righe)
            out << QStringLiteral("%1 %2%3%4 %5")
                       .arg(r.data.toString(Qt::ISODate))
                       .arg(r.importo)
                       .arg(r.valuta.isEmpty() ? QString() : QLatin1Char(' ') + r.valuta,
                            r.incerta ? QStringLiteral(" ?") : QString(), r.descrizione1);
    }
    return out.join(QLatin1Char('\n'));
}

// A statement of one credit in euro, on an account that also holds dollars.
const QByteArray stmt = "<Stmt><Acct><Id><IBAN>IT60X0542811101000000123456</IBAN></Id><Ccy>EUR"
                        "</Ccy></Acct><Ntry><Amt Ccy=\"EUR\">10.00</Amt><CdtDbtInd>CRDT"
                        "</CdtDbtInd><BookgDt><Dt>2026-03-02</Dt></BookgDt></Ntry></Stmt>";

} // namespace

// Layouts no reader was written for, as banks send them: each read right, or its doubtful rows
// left to the user, or the file refused; never a row booked wrong.
TEST(EstrattiOstili, LayoutsOfRealBanks)
{
    const struct {
        const char *nome;
        QByteArray dati;
        const char *atteso; // riassunto() of what is read, or the reason of the refusal
    } casi[] = {
        {"balances at the top, in the middle and at the end, dated like movements",
         "Saldo contabile al 31/03/2026;2.345,67\nData;Valuta;Descrizione;Importo\n"
         "31/03/2026;31/03/2026;Bonifico;1.000,00\n15/03/2026;;Saldo al 15/03/2026;2.580,23\n"
         "01/03/2026;01/03/2026;Canone;(12,00)\n31/03/2026;;SALDO CONTABILE;995,00\n",
         "2026-03-31 10000000 Bonifico\n2026-03-15 25802300 ? Saldo al 15/03/2026\n"
         "2026-03-01 -120000 Canone\n2026-03-31 9950000 ? SALDO CONTABILE"},
        {"figures that read both ways, a negative credit, column order never seen",
         "Entrate;Uscite;Descrizione;Data contabile\n1.500;;a;02/03/2026\n;1.234,56-;b;2 mar 26\n"
         "-50,00;;Storno;02/03/2026\nEUR 12,00;;c;02/03/2026\n",
         "2026-03-02 15000 ? a\n2026-03-02 -12345600 b\n2026-03-02 500000 ? Storno\n"
         "2026-03-02 120000 c"},
        {"two accounts one after the other",
         "Conto;IT60X0542811101000000123456\nData;Descrizione;Importo\n01/03/2026;Bar;-5,00\n"
         "Saldo finale;;995,00\nConto;IT42L1234512345123456789012\n01/03/2026;Bonifico;100,00\n",
         "Riga 5: da qui i movimenti sono di un altro conto; scaricare un file per conto."},
        {"a total per page and the page header repeated, English debit and credit",
         "Date,Description,Debit,Credit\n01/03/2026,a,1.00,\nTotal,,1.00,\nPage 2\n"
         "Date,Description,Debit,Credit\n03/03/2026,b,,3.00\n",
         "2026-03-01 -10000 a\n2026-03-03 30000 b"},
        {"a separator in an unquoted text",
         "Data;Descrizione;Importo\n02/03/2026;Rata; 2026;-5,00\n",
         "Riga 2: più campi dell'intestazione."},
        {"currencies by their numeric code",
         "Data;Descrizione;Importo;Divisa\n02/03/2026;Bar;-5,00;978\n02/03/2026;Shop;-9,00;840\n",
         "2026-03-02 -50000 Bar\n2026-03-02 -90000 840 Shop"},
        {"a fee beside the amount, no running balance to confirm it; a kind against the sign",
         "Completed Date,Description,Amount,Fee,Type\n2026-03-02,Shop,-10.00,0.50,\n"
         "2026-03-03,Saldo 45,5.00,,Debit\n",
         "2026-03-02 -105000 ? Shop\n2026-03-03 50000 ? Saldo 45"},
        {"one IBAN, a statement in euro and one in dollars",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt>" +
             stmt + QByteArray(stmt).replace("EUR", "USD").replace("CRDT", "DBIT") +
             "</BkToCstmrStmt></Document>",
         "IT60X0542811101000000123456\n2026-03-02 100000 \n"
         "IT60X0542811101000000123456 USD\n2026-03-02 -100000 USD "},
    };
    for (const auto &c : casi) {
        QList<Estratto> e;
        const Esito esito = leggiestrattodati(c.dati, QStringLiteral("estratto"), e);
        EXPECT_EQ((esito ? riassunto(e) : esito.motivo).toStdString(), c.atteso) << c.nome;
    }
}
