#include "store/estratto.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

// The rows and balances of a statement as one text, so a case states them in a line each.
QString riassunto(const Estratto &e)
{
    QStringList out;
    for (const RigaEstratto &r : e.righe)
        out << QStringLiteral("%1 %2 %3|%4")
                   .arg(r.data.toString(Qt::ISODate))
                   .arg(r.importo)
                   .arg(r.descrizione1, r.descrizione2);
    if (e.saldoiniziale || e.saldofinale)
        out << QStringLiteral("saldi %1 %2 %3")
                   .arg(e.saldoiniziale.value_or(-1))
                   .arg(e.saldofinale.value_or(-1))
                   .arg(e.datasaldofinale.toString(Qt::ISODate));
    return out.join(QLatin1Char('\n'));
}

QByteArray cp1252(const QString &testo)
{
    return QStringEncoder("windows-1252")(testo);
}

struct Caso {
    const char *nome;
    QByteArray dati;
    QString atteso; // riassunto() of what is read, or the reason of the failure
};

void verifica(const QList<Caso> &casi)
{
    for (const Caso &c : casi) {
        Estratto e;
        const Esito esito = leggiestrattodati(c.dati, QStringLiteral("estratto"), e);
        EXPECT_EQ((esito ? riassunto(e) : esito.motivo).toStdString(), c.atteso.toStdString())
            << c.nome;
        if (!esito) {
            EXPECT_TRUE(e.righe.isEmpty() && !e.saldofinale) << c.nome;
        }
    }
}

} // namespace

TEST(Estratto, TextExports)
{
    verifica({
        {"Italian bank: lines above the header, split columns, footer",
         cp1252(QStringLiteral("Conto Corrente: 1234\r\nPeriodo;dal 01/03/2026\r\n\r\n"
                               "Data_Operazione;Data_Valuta;Entrate;Uscite (EUR);Descrizione;"
                               "Descrizione_Completa;Stato\r\n"
                               "02/03/2026;03/03/2026;1.500,75;;Bonifico;\"Rossi; Caffè\";"
                               "Contabilizzato\r\n"
                               "04/03/2026;04/03/2026;;-43,20;Pagamento POS;;\r\n"
                               "05/03/2026;05/03/2026;;12,00;Carta;;Non contabilizzato\r\n"
                               "Totale;;1.500,75;43,20;;;\r\n07/03/2026;;9;;dopo il piede;;\r\n")),
         "2026-03-02 15007500 Bonifico|Rossi; Caffè\n2026-03-04 -432000 Pagamento POS|"},
        {"UTF-8 with BOM, commas, ISO dates, one signed column",
         "\xEF\xBB\xBF\"Booking Date\",\"Partner Name\",\"Amount (EUR)\",\"Payment Reference\"\n"
         "2026-01-31,\"Caff\xC3\xA8 \"\"Roma\"\"\",-1500.75,Fattura 3\n",
         "2026-01-31 -15007500 Caffè \"Roma\"|Fattura 3"},
        {"tabs, value date only as a fallback, currency sign, short year",
         "DATA VALUTA\tData operazione\tImporto in euro\tCausale\n"
         "01.02.26\t03.02.26\t\xE2\x82\xAC -43,20\tPOS\n",
         "2026-02-03 -432000 POS|"},
        {"the program's own export reads back",
         "\xEF\xBB\xBF"
         "Data;Descrizione;Descrizione 2;Entrate;Uscite;Saldo;Conto\r\n"
         "01/03/2026;SALDO PRECEDENTE;Febbraio 2026;261,00;;261,00;\r\n"
         "02/03/2026;\"Fornitore Bianchi; ferramenta\";;;487,00;149,00;CASSA\r\n"
         "04/03/2026;'=spese varie;'-nota;;257,00;229,00;CASSA\r\n"
         "Totali;;;3511,00;3515,00;-4,00;\r\n",
         "2026-03-02 -4870000 Fornitore Bianchi; ferramenta|\n"
         "2026-03-04 -2570000 =spese varie|-nota"},
    });
}

TEST(Estratto, DamagedFilesRefused)
{
    const QByteArray testa = "riga sopra\nData;Importo;Descrizione\n01/03/2026;1,00;ok\n";
    const QString nonriconosciuto =
        "Il file non è un estratto conto riconosciuto: nelle prime 40 righe non c'è "
        "l'intestazione delle colonne (data e importo).";
    verifica({
        {"a date that is none", testa + "02/03/2026;2,00;\"a\nb\"\n31/02/2026;2,00;x\n",
         "Riga 6: data non valida (\"31/02/2026\")."},
        {"an amount that is none", testa + "02/03/2026;12,5 euro;x\n",
         "Riga 4: importo non valido."},
        {"an amount past 64 bits", testa + "02/03/2026;99999999999999999;x\n",
         "Riga 4: importo non valido."},
        {"a date without an amount", testa + "02/03/2026;;x\n", "Riga 4: importo mancante."},
        {"an absurd line", testa + QByteArray(70000, 'x'), "Riga 4: riga troppo lunga."},
        {"a quote never closed", testa + "\"" + QByteArray(70000, '\n'),
         "Riga 4: riga troppo lunga."},
        {"a million columns", testa + QByteArray(2000, ';'), "Riga 4: troppe colonne."},
        {"no header", "Data;Descrizione\n01/03/2026;x\n", nonriconosciuto},
        {"header below line 40", QByteArray(40, '\n') + testa, nonriconosciuto},
        {"empty", " \r\n", "Il file è vuoto."},
        {"too large", QByteArray(64 * 1024 * 1024 + 1, ' '),
         "Il file è troppo grande per un estratto conto (oltre 64 MB)."},
    });
}
