// 1,000 electronic invoices as a user picks them at once, read and checked: each file opened by
// its content (one in ten in a signed envelope, one in ten of those in base64), the company's
// side found, its items made and its identity looked up among those already imported.
#include "ledger/fatture.h"
#include "store/fattura.h"

#include <QSet>
#include <benchmark/benchmark.h>

namespace {

constexpr int quante = 1000;

// An invoice of 20 lines and 3 instalments, about 6 KB as senders write them.
QByteArray fattura(int n)
{
    QByteArray linee;
    for (int i = 1; i <= 20; ++i)
        linee += "<DettaglioLinee><NumeroLinea>" + QByteArray::number(i) +
                 "</NumeroLinea><Descrizione>Articolo di magazzino numero " +
                 QByteArray::number(i) +
                 "</Descrizione><Quantita>2.00</Quantita><PrezzoUnitario>"
                 "50.00</PrezzoUnitario><PrezzoTotale>100.00</PrezzoTotale><AliquotaIVA>22.00"
                 "</AliquotaIVA></DettaglioLinee>\n";
    QByteArray rate;
    for (const char *d : {"2026-04-30", "2026-05-31", "2026-06-30"})
        rate += QByteArray("<DettaglioPagamento><ModalitaPagamento>MP05</ModalitaPagamento>"
                           "<DataScadenzaPagamento>") +
                d +
                "</DataScadenzaPagamento><ImportoPagamento>813.33</ImportoPagamento><IBAN>"
                "IT60X0542811101000000123456</IBAN></DettaglioPagamento>\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<p:FatturaElettronica xmlns:p=\"http://"
           "ivaservizi.agenziaentrate.gov.it/docs/xsd/fatture/v1.2\" versione=\"FPR12\">\n"
           "<FatturaElettronicaHeader><CedentePrestatore><DatiAnagrafici><IdFiscaleIVA><IdPaese>"
           "IT</IdPaese><IdCodice>0123456" +
           QByteArray::number(1000 + n % 500) +
           "</IdCodice></IdFiscaleIVA><Anagrafica><Denominazione>Fornitore spa</Denominazione>"
           "</Anagrafica></DatiAnagrafici><Sede><Indirizzo>Via Roma 1</Indirizzo><CAP>56100</CAP>"
           "<Comune>Pisa</Comune><Nazione>IT</Nazione></Sede></CedentePrestatore>"
           "<CessionarioCommittente><DatiAnagrafici><IdFiscaleIVA><IdPaese>IT</IdPaese>"
           "<IdCodice>09876543210</IdCodice></IdFiscaleIVA><Anagrafica><Denominazione>Ditta srl"
           "</Denominazione></Anagrafica></DatiAnagrafici></CessionarioCommittente>"
           "</FatturaElettronicaHeader>\n<FatturaElettronicaBody><DatiGenerali>"
           "<DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento><Divisa>EUR</Divisa><Data>"
           "2026-03-15</Data><Numero>" +
           QByteArray::number(n) +
           "/2026</Numero></DatiGeneraliDocumento></DatiGenerali><DatiBeniServizi>\n" + linee +
           "<DatiRiepilogo><AliquotaIVA>22.00</AliquotaIVA><ImponibileImporto>2000.00"
           "</ImponibileImporto><Imposta>440.00</Imposta></DatiRiepilogo></DatiBeniServizi>"
           "<DatiPagamento><CondizioniPagamento>TP01</CondizioniPagamento>\n" +
           rate + "</DatiPagamento></FatturaElettronicaBody></p:FatturaElettronica>\n";
}

QByteArray tlv(char tag, const QByteArray &contenuto)
{
    QByteArray lunghezza;
    for (qsizetype n = contenuto.size(); n > 0; n >>= 8)
        lunghezza.prepend(char(n & 0xff));
    lunghezza = contenuto.size() < 0x80 ? QByteArray(1, char(contenuto.size()))
                                        : char(0x80 | lunghezza.size()) + lunghezza;
    return tag + lunghezza + contenuto;
}

// The document in a signed envelope (no signer: the reader does not check one).
QByteArray busta(const QByteArray &documento)
{
    const QByteArray dati("\x06\x09\x2a\x86\x48\x86\xf7\x0d\x01\x07\x01", 11);
    const QByteArray firmati("\x06\x09\x2a\x86\x48\x86\xf7\x0d\x01\x07\x02", 11);
    const QByteArray contenuto = tlv('\x30', dati + tlv('\xa0', tlv('\x04', documento)));
    return tlv('\x30', firmati + tlv('\xa0', tlv('\x30', tlv('\x02', "\x01") + tlv('\x31', {}) +
                                                             contenuto + tlv('\x31', {}))));
}

void fatture(benchmark::State &stato)
{
    QList<QByteArray> file;
    QSet<QString> importate;
    for (int n = 0; n < quante; ++n) {
        const QByteArray xml = fattura(n);
        file.append(n % 10 == 0 ? busta(xml) : n % 10 == 1 ? busta(xml).toBase64() : xml);
        if (n % 3 == 0)
            importate.insert(chiavefattura(leggifatture(xml, "f").first().fatture.first()));
    }
    for (auto _ : stato) {
        qsizetype voci = 0, presenti = 0;
        for (const QByteArray &dati : file)
            for (const FileFattura &f : leggifatture(dati, QStringLiteral("f.xml")))
                for (const Fattura &fattura : f.fatture) {
                    const Lato lato = latoditta(fattura, QStringLiteral("IT09876543210"), {});
                    presenti += importate.contains(chiavefattura(fattura));
                    voci += vocifattura(fattura, lato).size();
                }
        if (voci != 3 * quante || presenti != (quante + 2) / 3)
            return stato.SkipWithError("invoices not read");
        benchmark::DoNotOptimize(voci);
    }
}

} // namespace

BENCHMARK(fatture)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
