#include "app/formprincipale.h"
#include "support/archivio.h"
#include "support/finestre.h"
#include "support/importa.h"
#include "windows/importa/formimporta.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>

namespace {

// The file imported from the main window: heading, rows, the lines that are no movements
// ("= ..."), balances and the notice; or the message that refused it.
QString importa(Formprincipale &principale, const QByteArray &dati)
{
    const QString file = cartellalocale() + "/estratto.csv";
    scrivibyte(file, dati);
    scegli(file);
    QString visto;
    quandomodale([&](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            visto = box->windowTitle() + " " + box->text();
            return box->accept();
        }
        auto *f = qobject_cast<Formimporta *>(w);
        QStringList v{testo(f, "intestazione")};
        v << righetabella(*f, "griglia");
        for (const QString &r : righetabella(*f, "escluse"))
            v << "= " + r;
        v << testo(f, "saldoiniziale") + " " + testo(f, "saldofinale");
        if (!f->findChild<QLabel *>("avvisoquadra")->isHidden())
            v << testo(f, "avvisoquadra");
        visto = v.join('\n');
        f->reject();
    });
    clicca(&principale, "importa");
    return visto.replace(QDir::toNativeSeparators(file), "FILE");
}

} // namespace

TEST(Formimporta, EveryLineOfTheStrangestFilesHasItsPartAndTheBanksFiguresJudge)
{
    nuovoarchivio({"Alfa"});
    Formprincipale principale;
    stato().annogestione = "26";
    const struct {
        const char *nome;
        QByteArray dati;
        const char *atteso;
    } casi[] = {
        {"two months, the second not adding up",
         "Data;Valuta;Descrizione;Importo\n;;Saldo iniziale;100,00\n02/01/2026;02/01/2026;Uno;"
         "10,00\n;;Saldo finale;110,00\nTotale;;;10,00\n;;Saldo iniziale;110,00\n03/02/2026;"
         "03/02/2026;Due;-5,00\n;;Saldo finale;120,00\n",
         "Conto non indicato · dal 02/01/2026 al 03/02/2026 · 2 movimenti\n"
         "x|02/01/26|Uno|Estratto conto|10,00||nuovo\n-|03/02/26|Due|Estratto conto||5,00|da "
         "verificare\n= |Saldo iniziale|100,00|saldo iniziale\n= |Saldo finale|110,00|saldo "
         "finale\n= |Totale|10,00|totale\n= |Saldo iniziale|110,00|saldo iniziale\n= |Saldo "
         "finale|120,00|saldo finale\n100,00 120,00\nL'estratto conto non quadra di 15,00: "
         "controllare le righe segnate"},
        {"balance words of movements, no value date",
         "Data;Descrizione;Importo\n05/01/2026;SALDO 2025;-500,00\n06/01/2026;Saldo 45;-45,00\n"
         "07/01/2026;Saldo fattura 123/2026;100,00\n",
         "Conto non indicato · dal 05/01/2026 al 07/01/2026 · 3 movimenti\n"
         "x|05/01/26|SALDO 2025|Estratto conto||500,00|nuovo\n"
         "x|06/01/26|Saldo 45|Estratto conto||45,00|nuovo\n"
         "x|07/01/26|Saldo fattura 123/2026|Estratto conto|100,00||nuovo\n "},
        {"dated balances, one told by its figure",
         "Data contabile;Data valuta;Descrizione;Importo\n01/03/2026;01/03/2026;SALDO INIZIALE;"
         "1.000,00\n02/03/2026;02/03/2026;Bonifico;200,00\n15/03/2026;15/03/2026;Saldo;1.200,00"
         "\n16/03/2026;16/03/2026;Saldo;7,00\n31/03/2026;31/03/2026;SALDO FINALE;1.207,00\n",
         "Conto non indicato · dal 02/03/2026 al 16/03/2026 · 2 movimenti\n"
         "x|02/03/26|Bonifico|Estratto conto|200,00||nuovo\n"
         "x|16/03/26|Saldo|Estratto conto|7,00||nuovo\n= 01/03/26|SALDO INIZIALE|1000,00|saldo "
         "iniziale\n= 15/03/26|Saldo|1200,00|saldo\n= 31/03/26|SALDO FINALE|1207,00|saldo "
         "finale\n1000,00 1207,00"},
        {"balances inside the table, figure in the debit column",
         "Data contabile;Data valuta;Descrizione;Accrediti;Addebiti;Causale;;\n"
         ";;Saldo contabile iniziale in Euro;;13135.57;;;\n03/03/2026;03/03/2026;Bonifico;"
         "500.00;;48;;\n;;Saldo contabile finale in Euro;;13635.57;;;\n",
         "Conto non indicato · dal 03/03/2026 al 03/03/2026 · 1 movimento\n"
         "x|03/03/26|Bonifico|48|500,00||nuovo\n= |Saldo contabile iniziale in Euro|13135,57|"
         "saldo iniziale\n= |Saldo contabile finale in Euro|13635,57|saldo finale\n"
         "13135,57 13635,57"},
        {"francs in a column title", "Data;Descrizione;Importo (CHF)\n02/03/2026;Migros;-5,00\n",
         "Attenzione! Il file FILE non si può importare.\nL'estratto conto è in CHF: si "
         "possono importare solo estratti in euro."},
        {"dollars in the split columns' titles",
         "Data;Descrizione;Accrediti (USD);Addebiti (USD)\n02/03/2026;Hotel;;80,00\n",
         "Attenzione! Il file FILE non si può importare.\nL'estratto conto è in USD: si "
         "possono importare solo estratti in euro."},
        {"amounts without sign, a column for it",
         "Data;Descrizione;Importo;D/A\n02/03/2026;Bar;2,00;D\n03/03/2026;Rossi;50,00;A\n",
         "Conto non indicato · dal 02/03/2026 al 03/03/2026 · 2 movimenti\n"
         "x|02/03/26|Bar|Estratto conto||2,00|nuovo\nx|03/03/26|Rossi|Estratto "
         "conto|50,00||nuovo\n "},
        {"francs named above the table",
         "Divisa: CHF\nData;Descrizione;Importo\n02/03/2026;Coop;-5\n",
         "Attenzione! Il file FILE non si può importare.\nL'estratto conto è in CHF: si "
         "possono importare solo estratti in euro."},
        {"Amount and Amount Currency",
         "Date,Description,Amount (Currency),Amount,Currency\n2026-03-02,Fornitore,-1525.00,"
         "-1000.00,EUR\n2026-03-03,Hotel,-122.00,-80.00,USD\n",
         "Conto non indicato · dal 02/03/2026 al 03/03/2026 · 2 movimenti\n"
         "x|02/03/26|Fornitore|Estratto conto||1000,00|nuovo\n"
         " |03/03/26|Hotel|Estratto conto||80,00|altra valuta\n "},
        {"two amounts, neither said to be in euros",
         "Date;Description;Amount;Importo\n2026-03-02;Hotel;-80,00;-73,50\n",
         "Attenzione! Il file FILE non è un estratto conto leggibile: il file ha più colonne di "
         "importi e non dice quale è in euro."},
        {"a card list",
         "Estratto conto carta di credito\nCarta;**** 4643\nConto di riferimento;IT60 X054 2811 "
         "1010 0000 0123 456\n\nData operazione;Descrizione;Importo (\xE2\x82\xAC)\n"
         "02/03/2026;Amazon;25,00\n03/03/2026;Amazon;-10,00\n04/03/2026;Rimborso Trenitalia;"
         "4,50\n05/03/2026;Esselunga;30,00\n",
         "Carta **** 4643 · dal 02/03/2026 al 05/03/2026 · 4 movimenti\n"
         "x|02/03/26|Amazon|Estratto conto||25,00|nuovo\nx|03/03/26|Amazon|Estratto conto|"
         "10,00||nuovo\nx|04/03/26|Rimborso Trenitalia|Estratto conto|4,50||nuovo\n"
         "x|05/03/26|Esselunga|Estratto conto||30,00|nuovo\n "},
        {"a running balance one row breaks",
         "Data;Descrizione;Importo;Saldo\n01/03/2026;A;-10,00;990,00\n02/03/2026;B;-50,00;"
         "902,24\n03/03/2026;C;-2,24;900,00\n",
         "Conto non indicato · dal 01/03/2026 al 03/03/2026 · 3 movimenti\n"
         "x|01/03/26|A|Estratto conto||10,00|nuovo\n-|02/03/26|B|Estratto conto||50,00|da "
         "verificare\nx|03/03/26|C|Estratto conto||2,24|nuovo\n \nL'estratto conto non quadra "
         "di 37,76: controllare le righe segnate"},
        {"every sign inverted, newest first, the closing balance on top",
         "Data;Descrizione;Importo;Saldo disponibile\n;Saldo finale;;1.500,00\n03/03/2026;"
         "Stipendio;-1.000,00;1.500,00\n02/03/2026;Bar;5,00;500,00\n01/03/2026;Affitto;400,00;"
         "505,00\n;Saldo iniziale;;905,00\n",
         "Conto non indicato · dal 01/03/2026 al 03/03/2026 · 3 movimenti\n"
         "x|03/03/26|Stipendio|Estratto conto|1000,00||nuovo\nx|02/03/26|Bar|Estratto conto||"
         "5,00|nuovo\nx|01/03/26|Affitto|Estratto conto||400,00|nuovo\n= |Saldo finale|1500,00|"
         "saldo finale\n= |Saldo iniziale|905,00|saldo iniziale\n905,00 1500,00"},
        {"a header over two lines after a BOM",
         "\xEF\xBB\xBF"
         "Data;;Descrizione;EUR;Caus.\nOperaz.;Valuta;;;\n02/03/2026;03/03/2026;Bonifico;100,00;"
         "48\n",
         "Conto non indicato · dal 02/03/2026 al 02/03/2026 · 1 movimento\n"
         "x|02/03/26|Bonifico|48|100,00||nuovo\n "},
        {"quoted texts over three lines, inch marks unquoted",
         "Data;Descrizione;Importo\r\n02/03/2026;\"Bonifico da\r\nRossi;\r\n\"\"Fattura 1\"\"\";"
         "100,00\r\n03/03/2026;Monitor 27\";-2,00\r\n04/03/2026;Cavo 2\";-3,00\r\n",
         "Conto non indicato · dal 02/03/2026 al 04/03/2026 · 3 movimenti\n"
         "x|02/03/26|Rossi; \"Fattura 1\"|Bonifico|100,00||nuovo\n"
         "x|03/03/26|Monitor 27\"|Estratto conto||2,00|nuovo\n"
         "x|04/03/26|Cavo 2\"|Estratto conto||3,00|nuovo\n "},
        {"a card terminal's in and out, newest first",
         "\"Data\",\"Descrizione\",\"in uscita\",\"in entrata\",\"transaction.fee.label\","
         "\"Saldo\"\n\"30/03/26, 14:42\",\"Pagamento POS\",\"\",\"25,00\",\"0,40\",\"124,60\"\n"
         "\"29/03/26, 09:10\",\"Bonifico in uscita\",\"100,00\",\"\",\"\",\"99,60\"\n"
         "\"28/03/26, 18:00\",\"Incasso\",\"\",\"199,60\",\"\",\"199,60\"\n",
         "Conto non indicato · dal 28/03/2026 al 30/03/2026 · 3 movimenti\n"
         "x|30/03/26|Pagamento POS|Estratto conto|25,00||nuovo\n"
         "x|29/03/26|Bonifico in uscita|Estratto conto||100,00|nuovo\n"
         "x|28/03/26|Incasso|Estratto conto|199,60||nuovo\n "},
        {"a camt statement cut short, with a pending entry",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt><Stmt>"
         "<Bal><Tp><CdOrPrtry><Cd>OPBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">100.00</Amt><Dt><Dt>"
         "2026-03-01</Dt></Dt></Bal><Bal><Tp><CdOrPrtry><Cd>CLBD</Cd></CdOrPrtry></Tp><Amt Ccy="
         "\"EUR\">50.00</Amt><Dt><Dt>2026-03-31</Dt></Dt></Bal><Ntry><Amt Ccy=\"EUR\">10.00</Amt>"
         "<CdtDbtInd>DBIT</CdtDbtInd><Sts>BOOK</Sts><BookgDt><Dt>2026-03-02</Dt></BookgDt></Ntry>"
         "<Ntry><Amt Ccy=\"EUR\">7.00</Amt><CdtDbtInd>DBIT</CdtDbtInd><Sts>PDNG</Sts><BookgDt><Dt>"
         "2026-03-30</Dt></BookgDt><AddtlNtryInf>Carta</AddtlNtryInf></Ntry></Stmt>"
         "</BkToCstmrStmt></Document>",
         "Conto non indicato · dal 02/03/2026 al 02/03/2026 · 1 movimento\n"
         "-|02/03/26|Estratto conto|Estratto conto||10,00|da verificare\n= 01/03/26|Saldo "
         "iniziale|100,00|saldo iniziale\n= 31/03/26|Saldo finale|50,00|saldo finale\n= 30/03/26|"
         "Carta|-7,00|non contabilizzato\n100,00 50,00\nL'estratto conto non quadra di 40,00: "
         "controllare le righe segnate"},
        {"a PDF", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n",
         "Attenzione! Il file FILE è un PDF: i PDF non si possono importare. Scaricare "
         "dall'home banking la lista dei movimenti in formato CSV o Excel."},
    };
    for (const auto &c : casi)
        EXPECT_EQ(importa(principale, c.dati).toStdString(), c.atteso) << c.nome;
}
