#include "store/codepage.h"
#include "store/estratto.h"
#include "store/estrattoformati.h"
#include "support/fatture.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// The rows and balances of each account as one text, so a case states them in a line each.
QString riassunto(const QList<Estratto> &conti)
{
    QStringList out;
    for (const Estratto &e : conti) {
        if (!e.conto.isEmpty())
            out << "conto " + e.conto;
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
    }
    return out.join(QLatin1Char('\n'));
}

struct Caso {
    const char *nome;
    QByteArray dati;
    QString atteso; // riassunto() of what is read, or the reason of the failure
};

void verifica(const QList<Caso> &casi)
{
    for (const Caso &c : casi) {
        QList<Estratto> e;
        const Esito esito = leggiestrattodati(c.dati, QStringLiteral("estratto"), e);
        EXPECT_EQ((esito ? riassunto(e) : esito.motivo).toStdString(), c.atteso.toStdString())
            << c.nome;
        if (!esito) {
            EXPECT_TRUE(e.isEmpty()) << c.nome;
        }
    }
}

// A CBI record: 120 blanks with the fields at their 1-based positions.
QByteArray cbi(std::initializer_list<std::pair<int, const char *>> campi)
{
    QByteArray r(120, ' ');
    for (const auto &[posizione, testo] : campi)
        r.replace(posizione - 1, qstrlen(testo), testo);
    return r;
}

// Two flows of one account, the first movement with a payer, its address and a SEPA
// remittance text, the others with free text only.
QList<QByteArray> flussocbi()
{
    const QByteArray ri1 = "FATTURA 12 DEL 01/03/2026 " + QByteArray(78, '.');
    return {
        cbi({{2, "RH01005CU9RD060326CL-1"}}),
        cbi({{2, "610000001"}, {84, "C000000001000,00"}}),
        cbi({{2, "620000001001050326060326C000000000150,7548"}, {87, "Bonifico a Vs. favore"}}),
        cbi({{2, "630000001001YYY01032026"}, {41, "ROSSI MARIO SRL"}}),
        cbi({{2, "630000001001YY2VIA ROMA 1"}}),
        cbi({{2, "630000001001RI1"}, {17, ri1.constData()}}),
        cbi({{2, "630000001001RI2SALDO"}, {53, "001006013SNZZ"}}),
        cbi({{2, "620000001002060326060326D000000000020,0016"}, {87, "COMMISSIONI"}}),
        cbi({{2, "630000001002BO:ABICAB:03069 TRN:X1"}}),
        cbi({{2, "630000001002   SPESE   TENUTA"}}),
        cbi({{2, "640000001EUR060326C000000001130,75"}}),
        cbi({{2, "EF01005CU9RD060326CL-1"}}),
        cbi({{2, "RH01005CU9RD070326CL-2"}}),
        cbi({{2, "610000001"}, {84, "C000000001130,75"}}),
        cbi({{2, "620000001001070326070326D000000000030,7526"}, {87, "BONIFICO"}}),
        cbi({{2, "640000001EUR070326D000000000005,00"}}),
        cbi({{2, "EF01005CU9RD070326CL-2"}}),
    };
}

// A booked or pending entry of a statement, its parties and texts as the XML writes them.
QByteArray voce(const char *importo, const char *segno, const char *stato, const char *data,
                const char *dettagli)
{
    return QByteArray("<Ntry><Amt Ccy=\"EUR\">") + importo + "</Amt><CdtDbtInd>" + segno +
           "</CdtDbtInd><Sts>" + stato + "</Sts><BookgDt><Dt>" + data +
           "</Dt></BookgDt><NtryDtls><TxDtls>" + dettagli + "</TxDtls></NtryDtls></Ntry>";
}

QByteArray saldo(const char *tipo, const char *importo, const char *segno, const char *data)
{
    return QByteArray("<Bal><Tp><CdOrPrtry><Cd>") + tipo +
           "</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">" + importo + "</Amt><CdtDbtInd>" + segno +
           "</CdtDbtInd><Dt><Dt>" + data + "</Dt></Dt></Bal>";
}

// The movements of the XML cases: a credit named by its debtor with two remittance texts, a
// pending debit, a debit named by its creditor, a debit with a free text only.
QByteArray statementxml(const char *ns, const char *data)
{
    return QByteArray("<Stmt xmlns=\"") + ns + "\"><Id>1</Id>" +
           saldo("OPBD", "1000.00", "CRDT", "2026-03-01") + saldo("CLBD", "10.5", "DBIT", data) +
           voce("150.75", "CRDT", "BOOK", data,
                "<RltdPties><Dbtr><Nm>Rossi &amp; C.</Nm></Dbtr><Cdtr><Nm>Noi</Nm></Cdtr>"
                "</RltdPties><RmtInf><Ustrd>Fattura 12</Ustrd><Ustrd>saldo</Ustrd></RmtInf>") +
           voce("99.00", "DBIT", "PDNG", data, "") +
           voce("1141.25", "DBIT", "BOOK", data,
                "<RltdPties><Cdtr><Nm>Enel</Nm></Cdtr></RltdPties><AddtlTxInf>SDD</AddtlTxInf>") +
           voce("20", "DBIT", "BOOK", data, "<AddtlTxInf>Commissioni</AddtlTxInf>") + "</Stmt>";
}

// A workbook whose first sheet (not named sheet1) is foglio; its shared strings are those of
// the header and of one description, one of them in two runs, one with a reading aid.
QByteArray xlsx(const QByteArray &foglio, const char *percorsofoglio = "xl/worksheets/foglio.xml")
{
    const QByteArray ns = "http://schemas.openxmlformats.org/";
    return archivio({
        {"xl/workbook.xml", "<workbook xmlns=\"" + ns + "spreadsheetml/2006/main\" xmlns:r=\"" +
                                ns +
                                "officeDocument/2006/relationships\"><sheets><sheet "
                                "name=\"Lista\" sheetId=\"1\" r:id=\"rId3\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"rId1\" Type=\"" + ns +
             "officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
             "<Relationship Id=\"rId3\" Target=\"worksheets/foglio.xml\"/></Relationships>"},
        {"xl/sharedStrings.xml",
         "<sst><si><t>Data contabile</t></si><si><r><t>Accre</t></r><r><t>diti</t></r></si>"
         "<si><t>Addebiti</t></si><si><t>Descrizione</t></si><si><t>Descrizione estesa</t></si>"
         "<si><t>Bonifico</t><rPh><t>x</t></rPh></si></sst>"},
        {percorsofoglio, "<worksheet><sheetData>" + foglio + "</sheetData></worksheet>"},
    });
}

} // namespace

TEST(Estratto, Xlsx)
{
    const QByteArray righe =
        "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Lista movimenti</t></is></c></row>"
        "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>0</v></c><c r=\"B3\" t=\"s\"><v>1</v></c>"
        "<c r=\"C3\" t=\"s\"><v>2</v></c><c r=\"D3\" t=\"s\"><v>3</v></c>"
        "<c r=\"E3\" t=\"s\"><v>4</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" s=\"1\"><v>46083</v></c><c r=\"B4\"><v>1500.75</v></c>"
        "<c r=\"D4\" t=\"s\"><v>5</v></c><c r=\"E4\" "
        "t=\"inlineStr\"><is><t>Rossi</t></is></c></row>"
        "<row r=\"5\"><c r=\"A5\" t=\"str\"><v>04/03/2026</v></c><c r=\"C5\"><v>4.32E1</v></c>"
        "<c t=\"inlineStr\"><is><t>POS</t></is></c></row>";
    verifica({{"the first sheet, wherever it lies", xlsx(righe),
               "2026-03-02 15007500 Bonifico|Rossi\n2026-03-04 -432000 POS|"}});
}

TEST(Estratto, XmlStatements)
{
    const QString righe = "2026-03-02 1507500 Rossi & C.|Fattura 12 saldo\n"
                          "2026-03-02 -11412500 Enel|SDD\n"
                          "2026-03-02 -200000 Commissioni|\nsaldi 10000000 -105000 2026-03-02";
    const QByteArray dly = "urn:CBI:xsd:CBIDlyStmtReqLogMsg.00.01.02";
    verifica({
        {"camt.053, prefixed root",
         "<?xml version=\"1.0\"?><c:Document "
         "xmlns:c=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><c:BkToCstmrStmt>" +
             statementxml("urn:iso:std:iso:20022:tech:xsd:camt.053.001.02", "2026-03-02") +
             "</c:BkToCstmrStmt></c:Document>",
         righe},
        {"CBI envelope, daily message, dates with a zone",
         "<BDY:CBIBdyBkToCstmrStmtReq xmlns:BDY=\"urn:CBI:xsd:CBIBdyBkToCstmrStmtReq.00.01.02\" "
         "xmlns:DATA=\"urn:CBI:xsd:CBIBkToCstmrStmtReqLogMsg.00.01.02\"><BDY:PhyMsgInf/>"
         "<BDY:CBIEnvelBkToCstmrStmtReqLogMsg><BDY:CBIBkToCstmrStmtReqLogMsg>"
         "<DATA:CBIDlyStmtReqLogMsg>" +
             statementxml(dly, "2026-03-02+01:00") +
             "</DATA:CBIDlyStmtReqLogMsg></BDY:CBIBkToCstmrStmtReqLogMsg>"
             "</BDY:CBIEnvelBkToCstmrStmtReqLogMsg></BDY:CBIBdyBkToCstmrStmtReq>",
         righe},
    });
}

TEST(Estratto, CbiFlows)
{
    const QList<QByteArray> f = flussocbi();
    QByteArray senzabianco;
    for (const QByteArray &r : f)
        senzabianco += r.mid(1).trimmed() + "\n";
    const QString atteso =
        "2026-03-06 1507500 ROSSI MARIO SRL|FATTURA 12 DEL 01/03/2026 " + QString(78, '.') +
        "SALDO\n2026-03-06 -200000 COMMISSIONI|BO:ABICAB:03069 TRN:X1 SPESE TENUTA\n"
        "2026-03-07 -307500 BONIFICO|\nsaldi 10000000 -50000 2026-03-07";
    QList<QByteArray> dueconti = f;
    dueconti[13].replace(62, 12, "000000006492");
    verifica({{"CR LF", f.join("\r\n") + "\r\n", atteso},
              {"two accounts, each with its balances", dueconti.join("\n"),
               atteso.section('\n', 0, 1) +
                   "\nsaldi 10000000 11307500 2026-03-06\nconto ABI  CAB  c/c 6492\n"
                   "2026-03-07 -307500 BONIFICO|\nsaldi 11307500 -50000 2026-03-07"},
              {"no line ends", f.join(), atteso},
              {"no leading blank, trailing blanks cut", senzabianco, atteso}});
}

TEST(Estratto, TextExports)
{
    verifica({
        {"Italian bank: lines above the header, split columns, a footer and a movement after it",
         codificatesto(
             QStringLiteral("Conto Corrente: 1234\r\nPeriodo;dal 01/03/2026\r\n\r\n"
                            "Data_Operazione;Data_Valuta;Entrate;Uscite (EUR);Descrizione;"
                            "Descrizione_Completa;Stato\r\n"
                            "02/03/2026;03/03/2026;1.500,75;;Bonifico;\"Rossi; Caffè €\";"
                            "Contabilizzato\r\n"
                            "04/03/2026;04/03/2026;;-43,20;Pagamento POS;;\r\n"
                            "05/03/2026;05/03/2026;;12,00;Carta;;Non contabilizzato\r\n"
                            "Totale;;1.500,75;43,20;;;\r\n07/03/2026;;9;;dopo il piede;;\r\n")),
         "2026-03-02 15007500 Bonifico|Rossi; Caffè €\n2026-03-04 -432000 Pagamento POS|\n"
         "2026-03-07 90000 dopo il piede|"},
        {"an opening balance line above the movements",
         "Data;Importo;Descrizione\nSaldo iniziale;1.000,00;\n01/03/2026;-5,00;Bar\n",
         "2026-03-01 -50000 Bar|\nsaldi 10000000 -1 "},
        {"UTF-8 with BOM, commas, ISO dates, one signed column",
         "\xEF\xBB\xBF\"Booking Date\",\"Partner Name\",\"Amount (EUR)\",\"Payment Reference\"\n"
         "2026-01-31,\"Caff\xC3\xA8 \"\"Roma\"\"\",-1500.75,Fattura 3\n",
         "2026-01-31 -15007500 Caffè \"Roma\"|Fattura 3"},
        {"UTF-16 with its mark, as a spreadsheet saves Unicode text",
         QByteArray("\xFF\xFE") +
             QByteArray(reinterpret_cast<const char *>(u"Data\tImporto\r\n01/03/2026\t-1,5\r\n"),
                        2 * 31),
         "2026-03-01 -15000 |"},
        {"tabs, value date only as a fallback, currency sign, short year",
         "DATA VALUTA\tData operazione\tImporto in euro\tCausale\n"
         "01.02.35\t03.02.35\t\xE2\x82\xAC -43,20\tPOS\n",
         "2035-02-03 -432000 POS|"},
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
        "Nelle prime 40 righe non c'è l'intestazione delle colonne (data e importo).";
    // The sheet is the last part: its entry in the central directory claims 100 bytes.
    QByteArray bomba =
        xlsx("<row r=\"1\"><c><v>" + QByteArray(64 * 1024 * 1024, '0') + "</v></c></row>");
    qToLittleEndian<quint32>(100, bomba.data() + bomba.lastIndexOf("PK\x01\x02") + 24);
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
        {"a CBI movement with no date", cbi({{2, "RH01005"}}) + cbi({{2, "620000001001"}}),
         "Riga 2: data contabile non valida."},
        {"a CBI amount without its comma",
         cbi({{2, "RH01005"}}) + "\n" + cbi({{2, "620000001001010326010326C00000000015075"}}),
         "Riga 2: importo o segno del movimento non valido."},
        {"a CBI 63 with no movement",
         cbi({{2, "RH01005"}}) + "\n\n" + cbi({{2, "630000001001"}, {119, "x"}}),
         "Riga 3: record 63 senza il suo movimento."},
        {"a CBI record too long", cbi({{2, "RH01005"}}) + "x\n",
         "Riga 1: record più lungo di 120 caratteri."},
        {"an XML entry without a date",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>\n"
         "<Stmt>\n<Ntry><Amt>1.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts>\n"
         "</Ntry></Stmt></BkToCstmrStmt></Document>",
         "Riga 3: data contabile mancante o non valida."},
        {"an XML amount with a comma",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><Stmt>\n" +
             voce("1,00", "CRDT", "BOOK", "2026-03-02", "") + "</Stmt></Document>",
         "Riga 2: importo o segno del movimento non valido."},
        {"XML entities declared",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE d [<!ENTITY a \"aaaaaaaa\"><!ENTITY b "
         "\"&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n<d>&b;</d>",
         "Riga 2: il file XML dichiara una DTD, non accettata."},
        {"XML of another kind",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.052.001.02\"/>",
         "Il file XML non è un estratto conto camt.053 o CBI."},
        {"XML cut short",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">\n<Stmt>",
         "Riga 2: il file XML è danneggiato (Premature end of document.)."},
        {"an XLSX without its sheet", xlsx("", "xl/worksheets/sheet1.xml"),
         "Il file XLSX non ha la parte xl/worksheets/foglio.xml."},
        {"an XLSX sheet that unpacks past 64 MB, saying 100 bytes", bomba,
         "La parte xl/worksheets/foglio.xml del file XLSX supera 64 MB una volta estratta."},
        {"an XLSX cell past a thousand columns", xlsx("<row r=\"7\"><c r=\"ZZZ7\"/></row>"),
         "Riga 7: troppe colonne."},
        {"an XLSX that is no zip", "PK\x03\x04 not a zip", "Il file zip è danneggiato."},
        {"empty", " \r\n", "Il file è vuoto."},
        {"too large", QByteArray(64 * 1024 * 1024 + 1, ' '),
         "Il file è troppo grande per un estratto conto (oltre 64 MB)."},
    });
#ifndef Q_OS_WIN
    // A named pipe chosen by mistake is refused, not waited on.
    QTemporaryDir cartella;
    const QString tubo = cartella.filePath("tubo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    QList<Estratto> e;
    EXPECT_EQ(leggiestratto(tubo, e).motivo, "Non è un file di dati.");
#endif
}

TEST(Estratto, AmountAndDateTexts)
{
    const std::pair<const char *, std::optional<qint64>> importi[] = {
        {"-1500,75", -15007500},
        {"+7", 70000},
        {"(12,00)", -120000},
        {"12,00-", -120000},
        {"1,234.5", 12345000},
        {"1.234.567,891", 12345678910},
        {"4.5E-2", 450},
        {"0,00005", 1},
        {"1,2,3", {}},
        {"1.2,3.4", {}},
        {",5", {}},
        {"1.234.567", 12345670000},
        {"12.34,5", {}},
        {"-", {}},
        {"1E99", {}},
        {"922337203685478", {}},
    };
    for (const auto &[testo, atteso] : importi)
        EXPECT_EQ(importoestratto(QString::fromUtf8(testo)), atteso) << testo;
    const std::pair<const char *, QDate> date[] = {
        {"2/3/26", {2026, 3, 2}},
        {"02.03.2026", {2026, 3, 2}},
        {"02-03-2026", {2026, 3, 2}},
        {"2026-03-02T23:59:59", {2026, 3, 2}},
        {"02/03/2026 10:22", {2026, 3, 2}},
        {"02/03-2026", {}},
        {"020326", {}},
    };
    for (const auto &[testo, atteso] : date)
        EXPECT_EQ(dataestratto(QString::fromLatin1(testo)), atteso) << testo;
}
