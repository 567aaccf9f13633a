#include "ledger/fatture.h"
#include "store/fattura.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <openssl/cms.h>
#include <zip.h>

namespace {

// The company "iva|cf" sees in a file: per invoice its items, "*" before one with no terms.
QString riassunto(const FileFattura &f, const QString &ditta)
{
    if (f.genere != Genere::fatture)
        return generefattura(f.genere) + QStringLiteral(": ") + f.motivo;
    QStringList fatture;
    for (const Fattura &fattura : f.fatture) {
        const Lato lato = latoditta(fattura, ditta.section('|', 0, 0), ditta.section('|', 1));
        if (lato == Lato::nessuno) {
            fatture.append(QStringLiteral("non della ditta"));
            continue;
        }
        QStringList voci{fattura.valuta};
        for (const Voce &v : vocifattura(fattura, lato))
            voci.append(QStringLiteral("%1%2 %3 %4")
                            .arg(v.senzatermini ? "*" : "", v.scadenza.toString(Qt::ISODate))
                            .arg(double(v.importo) / 10000, 0, 'f', 2)
                            .arg(v.iban + v.codice));
        fatture.append(voci.join(QStringLiteral(", ")));
    }
    return fatture.join(QStringLiteral("; "));
}

// An invoice from Alfa (IT01234567890) to Mario Rossi (codice fiscale only), with a carrier of
// its own VAT number; corpo replaces the body's payment part.
QByteArray fattura(const QString &documento, const QString &corpo,
                   const QString &radice = "p:FatturaElettronica xmlns:p=\"x\"")
{
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n<%1>"
               "<FatturaElettronicaHeader><CedentePrestatore><DatiAnagrafici><IdFiscaleIVA>"
               "<IdPaese>IT</IdPaese><IdCodice> 01234567890 </IdCodice></IdFiscaleIVA>"
               "<Anagrafica><Denominazione>Alfa srl</Denominazione></Anagrafica>"
               "</DatiAnagrafici></CedentePrestatore><CessionarioCommittente><DatiAnagrafici>"
               "<CodiceFiscale>rssmra80a01h501u</CodiceFiscale><Anagrafica><Nome>Mario</Nome>"
               "<Cognome>Rossi</Cognome></Anagrafica></DatiAnagrafici></CessionarioCommittente>"
               "</FatturaElettronicaHeader><FatturaElettronicaBody><DatiGenerali>"
               "<DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento><Divisa>EUR</Divisa>"
               "<Data>2026-03-15</Data><Numero>123/2026</Numero>%2</DatiGeneraliDocumento>"
               "<DatiTrasporto><DatiAnagraficiVettore><IdFiscaleIVA><IdPaese>IT</IdPaese>"
               "<IdCodice>99999999999</IdCodice></IdFiscaleIVA></DatiAnagraficiVettore>"
               "</DatiTrasporto></DatiGenerali><DatiBeniServizi><DatiRiepilogo>"
               "<ImponibileImporto>100.00</ImponibileImporto><Imposta>22.00</Imposta>"
               "</DatiRiepilogo></DatiBeniServizi>%3</FatturaElettronicaBody></%4>")
        .arg(radice, documento, corpo, radice.section(' ', 0, 0))
        .toUtf8();
}

QString rata(const char *campi)
{
    return QStringLiteral("<DettaglioPagamento><ModalitaPagamento>MP05</ModalitaPagamento>%1"
                          "</DettaglioPagamento>")
        .arg(campi);
}

} // namespace

// Small files as senders write them: each read, or refused with its reason, and its items.
TEST(Fatture, FilesReadAsTheyStateTheirPayments)
{
    const QString tre =
        "<DatiPagamento>" +
        rata("<DataRiferimentoTerminiPagamento>2026-03-15</DataRiferimentoTerminiPagamento>"
             "<GiorniTerminiPagamento>30</GiorniTerminiPagamento>"
             "<ImportoPagamento>40.00</ImportoPagamento>") +
        rata("<GiorniTerminiPagamento>60</GiorniTerminiPagamento>"
             "<ImportoPagamento>40.00</ImportoPagamento><IBAN>it60x0542811101000000123456</IBAN>") +
        rata("<DataScadenzaPagamento> 2026-06-15+02:00 </DataScadenzaPagamento>"
             "<ImportoPagamento>42.00</ImportoPagamento><CodicePagamento>RF18</CodicePagamento>") +
        rata("<ImportoPagamento>0.00</ImportoPagamento>") + "</DatiPagamento>";
    const QString netta = "<DatiRitenuta><ImportoRitenuta>20.00</ImportoRitenuta></DatiRitenuta>"
                          "<ImportoTotaleDocumento>102.00</ImportoTotaleDocumento>";
    const QString cf = "|RSSMRA80A01H501U", alfa = "01234567890|";
    const struct {
        QByteArray dati;
        QString ditta, atteso;
    } casi[] = {
        {fattura("", tre), cf,
         "EUR, 2026-04-14 -40.00 , 2026-05-14 -40.00 IT60X0542811101000000123456, "
         "2026-06-15 -42.00 RF18"},
        {fattura(netta, ""), alfa, "EUR, *2026-03-15 102.00 "},
        {fattura(netta, "").replace("</Imposta>", "</Imposta><EsigibilitaIVA>S</EsigibilitaIVA>"),
         alfa, "EUR, *2026-03-15 80.00 "},
        {fattura("", "").replace("TD01", "TD04"), alfa, "EUR, *2026-03-15 -122.00 "},
        {fattura("", "").replace("TD01", "TD17"), cf, "EUR"},
        {fattura("", "").replace("EUR", "USD"), "IT01234567890|", "USD, *2026-03-15 122.00 "},
        {fattura("", ""), "IT99999999999|", "non della ditta"},
        {fattura("", "", "FatturaElettronica xmlns=\"y\"")
             .replace("<?xml version=\"1.0\"?>\n", "\xEF\xBB\xBF"),
         alfa, "EUR, *2026-03-15 122.00 "},
        {fattura("", "").replace("22.00", "22,00"), alfa,
         "illeggibile: l'importo Imposta \"22,00\" non è un numero."},
        {fattura("", "").replace("<Numero>123/2026</Numero>", ""), alfa,
         "illeggibile: una fattura del file non ne dice tipo, numero, data e valuta."},
        {fattura("", "<DatiPagamento>" + rata("") + "</DatiPagamento>"), alfa,
         "illeggibile: un pagamento della fattura non ne dice l'importo."},
        {fattura("", "").replace("<?xml version=\"1.0\"?>",
                                 "<!DOCTYPE p [<!ENTITY a \"aaaaaaaa\">]>"),
         alfa, "illeggibile: il file XML dichiara una DTD, non accettata."},
        {fattura("", "").left(400), alfa, "illeggibile: il file XML è danneggiato"},
        {"<r:NotificaScarto xmlns:r=\"z\"><IdentificativoSdI>1</IdentificativoSdI>", alfa,
         "ricevuta SDI: "},
        {"%PDF-1.4", alfa, "illeggibile: non è una fattura elettronica."},
        {" \n", alfa, "illeggibile: non è una fattura elettronica."},
    };
    for (const auto &c : casi) {
        const QList<FileFattura> letti = leggifatture(c.dati, "f.xml");
        ASSERT_EQ(letti.size(), 1);
        EXPECT_TRUE(riassunto(letti[0], c.ditta).startsWith(c.atteso))
            << riassunto(letti[0], c.ditta).toStdString() << "\n"
            << c.dati.toStdString();
    }
}
