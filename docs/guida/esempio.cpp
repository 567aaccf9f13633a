#include "esempio.h"

#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/movimento.h"
#include "store/rubrica.h"

#include <QFile>

namespace {

constexpr qint64 euro = 10000;
constexpr qint16 cassa = 2, banca = 3;

struct Voce {
    int mese, giorno;
    const char *descrizione1, *descrizione2;
    qint64 centesimi; // above zero income, below expense
    qint16 conto;
};

// The movements of the bank account, which its statement lists too.
const Voce movimentibanca[] = {
    {1, 1, "RIPORTO SALDO", "Anno 2025", 500000, banca},
    {1, 15, "Immobiliare Verdi srl", "Affitto gennaio", -80000, banca},
    {1, 30, "Comune di Lodi", "Fattura 3/2026", 244000, banca},
    {2, 16, "Immobiliare Verdi srl", "Affitto febbraio", -80000, banca},
    {2, 20, "Enel Energia spa", "Bolletta gennaio-febbraio", -31240, banca},
    {3, 2, "Rossi Mario", "Fattura 12/2026", 122000, banca},
    {3, 16, "Immobiliare Verdi srl", "Affitto marzo", -80000, banca},
};

Esito scrivi(int mese, const Movimento &m)
{
    return aggiungimovimento(percorsomese(QStringLiteral("c:"), mese, annoesempio), m);
}

Movimento registrazione(const Voce &v)
{
    return Movimento{qint16(v.giorno),
                     QString::fromUtf8(v.descrizione1),
                     QString::fromUtf8(v.descrizione2),
                     v.centesimi > 0 ? movimento::entrata : movimento::uscita,
                     std::abs(v.centesimi) * euro / 100,
                     v.conto,
                     1,
                     0};
}

// A shop's cash month by month: the takings of each week, the supplier, the small expenses;
// the amounts vary from month to month, never at random, so every picture is the same.
Esito scrivicassa()
{
    Esito e = scrivi(1, registrazione({1, 1, "RIPORTO SALDO", "Anno 2025", 125000, cassa}));
    for (int m = 1; e && m <= 12; ++m) {
        const qint64 v = (m * 37) % 23; // 0..22, a different figure every month
        const QList<Voce> voci = {
            {m, 3, "Cancelleria Neri", "Carta e toner", -(4150 + 310 * v), cassa},
            {m, 7, "Incasso giornaliero", "Corrispettivi prima settimana", 61500 + 1250 * v, cassa},
            {m, 10, "Ferramenta Gialli srl", "Fattura fornitore", -(98000 + 2900 * v), cassa},
            {m, 14, "Incasso giornaliero", "Corrispettivi seconda settimana", 70250 + 830 * v,
             cassa},
            {m, 18, "Distributore Api", "Gasolio furgone", -(6280 + 170 * v), cassa},
            {m, 21, "Incasso giornaliero", "Corrispettivi terza settimana", 58900 + 990 * v, cassa},
            {m, 25, "Pulizie Bianca snc", "Pulizia negozio", -12200, cassa},
            {m, 28, "Incasso giornaliero", "Corrispettivi quarta settimana", 66400 + 560 * v,
             cassa},
        };
        for (const Voce &voce : voci)
            if (e = scrivi(m, registrazione(voce)); !e)
                break;
    }
    if (e) // a month that closes below zero
        e = scrivi(9, registrazione({9, 12, "Arredi Sud srl", "Scaffali nuovi", -185000, cassa}));
    return e;
}

Esito scrivirubrica()
{
    const Contatto contatti[] = {
        {"Comune di Lodi", "Piazza Broletto 1", "Lodi", "26900", "0371 4091", "", "84507570152", "",
         "protocollo@comune.lodi.it", "Ufficio economato", ""},
        {"Enel Energia spa", "Viale Regina Margherita 125", "Roma", "00198", "800 900 860", "",
         "06655971007", "", "", "", "Contratto luce del negozio"},
        {"Ferramenta Gialli srl", "Via dell'Artigianato 14", "Lodi", "26900", "0371 420318",
         "0371 420319", "09876543210", "", "ordini@ferramentagialli.it", "Paolo Gialli",
         "Consegna il martedì"},
        {"Immobiliare Verdi srl", "Corso Roma 88", "Lodi", "26900", "0371 55210", "", "01234567890",
         "", "", "Anna Verdi", "Affitto del negozio"},
        {"Rossi Mario", "Via Garibaldi 3", "Sant'Angelo Lodigiano", "26866", "347 1234567", "", "",
         "RSSMRA70A01H701X", "", "", ""},
    };
    for (const Contatto &c : contatti)
        if (Esito e = aggiungicontatto(QStringLiteral("c:"), c); !e)
            return e;
    return {};
}

} // namespace

QString scriviesempio()
{
    const QString c = QStringLiteral("c:");
    Esito e = scrividitte(c, {QStringLiteral("Ferramenta Bianchi snc"),
                              QStringLiteral("Bar Centrale di Rossi Maria")});
    for (const char *conto : {"Banca", "Posta"})
        if (e)
            e = aggiungiconto(c, QString::fromLatin1(conto));
    for (const Voce &v : movimentibanca)
        if (e)
            e = scrivi(v.mese, registrazione(v));
    // The bank's charges of the year before's last day, typed there: the carry above counts them,
    // so the statement's row of that day is in the book already.
    if (e)
        e = aggiungimovimento(
            percorsomese(c, 12, QStringLiteral("25")),
            registrazione({12, 31, "Banca di Lodi", "Competenze di chiusura 4 trimestre 2025",
                           -4530, banca}));
    if (e)
        e = scrivicassa();
    if (e)
        e = scrivirubrica();
    return e ? QString() : e.messaggio();
}

namespace {

// One entry of the statement: booking date, amount, the counterparty and the remittance text.
struct Riga {
    const char *data, *importo;
    bool accredito;
    const char *nome, *causale;
};

// What the bank booked from the last day of the old year to the end of March: most of it is
// in the book already, one rent was typed a day late, the bank's own charges are not.
const Riga righeestratto[] = {
    {"2025-12-31", "45.30", false, "Banca di Lodi", "Competenze di chiusura 4 trimestre 2025"},
    {"2026-01-15", "800.00", false, "Immobiliare Verdi srl", "Affitto gennaio"},
    {"2026-01-30", "2440.00", true, "Comune di Lodi", "Fattura 3/2026"},
    {"2026-02-16", "800.00", false, "Immobiliare Verdi srl", "Affitto febbraio"},
    {"2026-02-20", "312.40", false, "Enel Energia spa", "Bolletta gennaio-febbraio"},
    {"2026-03-02", "1220.00", true, "Rossi Mario", "Fattura 12/2026"},
    {"2026-03-05", "12.50", false, "Banca di Lodi", "Canone trimestrale del conto"},
    {"2026-03-15", "800.00", false, "Immobiliare Verdi srl", "Affitto marzo"},
    {"2026-03-20", "98.60", false, "Telecom Italia spa", "Fattura telefono 2/2026"},
    {"2026-03-31", "1.85", true, "Banca di Lodi", "Interessi creditori 1 trimestre"},
};

QString saldo(const char *codice, const char *importo, const char *data)
{
    return QStringLiteral("<Bal><Tp><CdOrPrtry><Cd>%1</Cd></CdOrPrtry></Tp>"
                          "<Amt Ccy=\"EUR\">%2</Amt><CdtDbtInd>CRDT</CdtDbtInd>"
                          "<Dt><Dt>%3</Dt></Dt></Bal>\n")
        .arg(QLatin1String(codice), QLatin1String(importo), QLatin1String(data));
}

QString voce(const Riga &r)
{
    const QString parte = r.accredito ? QStringLiteral("Dbtr") : QStringLiteral("Cdtr");
    return QStringLiteral("<Ntry><Amt Ccy=\"EUR\">%1</Amt><CdtDbtInd>%2</CdtDbtInd>"
                          "<Sts>BOOK</Sts><BookgDt><Dt>%3</Dt></BookgDt><NtryDtls><TxDtls>"
                          "<RltdPties><%4><Nm>%5</Nm></%4></RltdPties>"
                          "<RmtInf><Ustrd>%6</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry>\n")
        .arg(QLatin1String(r.importo), QLatin1String(r.accredito ? "CRDT" : "DBIT"),
             QLatin1String(r.data), parte, QLatin1String(r.nome), QLatin1String(r.causale));
}

} // namespace

bool scriviestratto(const QString &file)
{
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
        "<BkToCstmrStmt><Stmt><Id>2026-1</Id>"
        "<Acct><Id><IBAN>IT60X0542811101000000123456</IBAN></Id><Ccy>EUR</Ccy></Acct>\n");
    xml += saldo("OPBD", "5045.30", "2025-12-30");
    xml += saldo("CLBD", "5838.35", "2026-03-31");
    for (const Riga &r : righeestratto)
        xml += voce(r);
    xml += QStringLiteral("</Stmt></BkToCstmrStmt></Document>\n");
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(xml.toUtf8()) == xml.toUtf8().size();
}

namespace {

QString parte(const char *ruolo, const char *nome, const char *iva)
{
    return QStringLiteral("<%1><DatiAnagrafici><IdFiscaleIVA><IdPaese>IT</IdPaese><IdCodice>%3"
                          "</IdCodice></IdFiscaleIVA><Anagrafica><Denominazione>%2"
                          "</Denominazione></Anagrafica></DatiAnagrafici><Sede><Indirizzo>Via "
                          "Roma 1</Indirizzo><CAP>26900</CAP><Comune>Lodi</Comune><Nazione>IT"
                          "</Nazione></Sede></%1>")
        .arg(QLatin1String(ruolo), QLatin1String(nome), QLatin1String(iva));
}

QString fattura(const QString &parti, const char *numero, const char *data, const char *totale,
                const QString &coda)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><p:FatturaElettronica "
                          "versione=\"FPR12\" xmlns:p=\"http://ivaservizi.agenziaentrate.gov.it/"
                          "docs/xsd/fatture/v1.2\"><FatturaElettronicaHeader>%1"
                          "</FatturaElettronicaHeader><FatturaElettronicaBody><DatiGenerali>"
                          "<DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento><Divisa>EUR"
                          "</Divisa><Data>%3</Data><Numero>%2</Numero><ImportoTotaleDocumento>%4"
                          "</ImportoTotaleDocumento></DatiGeneraliDocumento></DatiGenerali>%5"
                          "</FatturaElettronicaBody></p:FatturaElettronica>")
        .arg(parti, QLatin1String(numero), QLatin1String(data), QLatin1String(totale), coda);
}

QString rata(const char *data, const char *importo)
{
    return QStringLiteral("<DettaglioPagamento><ModalitaPagamento>MP19</ModalitaPagamento>"
                          "<DataScadenzaPagamento>%1</DataScadenzaPagamento><ImportoPagamento>%2"
                          "</ImportoPagamento></DettaglioPagamento>")
        .arg(QLatin1String(data), QLatin1String(importo));
}

} // namespace

QStringList scrivifatture(const QString &cartella)
{
    const QString ditta = parte("CedentePrestatore", "Ferramenta Bianchi snc", "01234560157");
    const QString enel = fattura(
        parte("CedentePrestatore", "Enel Energia spa", "06655971007") +
            parte("CessionarioCommittente", "Ferramenta Bianchi snc", "01234560157"),
        "004471236", "2026-04-08", "312.40",
        "<DatiPagamento><CondizioniPagamento>TP01</CondizioniPagamento>" +
            rata("2026-04-30", "156.20") + rata("2026-05-29", "156.20") + "</DatiPagamento>");
    const QString comune = fattura(
        ditta + parte("CessionarioCommittente", "Comune di Lodi", "84507570152"), "18/2026",
        "2026-04-10", "2440.00",
        "<DatiBeniServizi><DatiRiepilogo><AliquotaIVA>22.00</AliquotaIVA><ImponibileImporto>"
        "2000.00</ImponibileImporto><Imposta>440.00</Imposta><EsigibilitaIVA>S</EsigibilitaIVA>"
        "</DatiRiepilogo></DatiBeniServizi>");
    const QString ricevuta = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ns3:RicevutaConsegna xmlns:ns3=\"http://"
        "ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.0\"><IdentificativoSdI>"
        "4815162342</IdentificativoSdI><NomeFile>IT01234560157_00018.xml</NomeFile>"
        "</ns3:RicevutaConsegna>");
    const std::pair<const char *, QString> file[] = {
        {"IT06655971007_0A1B2.xml", enel},
        {"IT01234560157_00018.xml", comune},
        {"IT01234560157_00018_RC_001.xml", ricevuta},
    };
    QStringList percorsi;
    for (const auto &[nome, testo] : file) {
        QFile f(cartella + QLatin1Char('/') + QLatin1String(nome));
        if (!f.open(QIODevice::WriteOnly) || f.write(testo.toUtf8()) != testo.toUtf8().size())
            return {};
        percorsi << f.fileName();
    }
    return percorsi;
}
