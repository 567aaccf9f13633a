#include "ledger/fatture.h"
#include "store/fattura.h"
#include "support/fatture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
        const QList<Voce> tutte = vocifattura(fattura, lato);
        for (const Voce &v : tutte)
            voci.append(QStringLiteral("%1%2 %3 %4")
                            .arg(v.senzatermini ? "*" : "", v.scadenza.toString(Qt::ISODate))
                            .arg(double(v.importo) / 10000, 0, 'f', 2)
                            .arg(v.iban + v.codice));
        if (!tutte.isEmpty())
            voci.append(tutte[0].controparte + " / " + tutte[0].descrizione);
        fatture.append(voci.join(QStringLiteral(", ")));
    }
    return fatture.join(QStringLiteral("; "));
}

} // namespace

// Small files as senders write them: each read, or refused with its reason, and its items (a
// withholding alone, a credit note, another company's file and a torn one are read through the
// invoice window's cases).
TEST(Fatture, FilesReadAsTheyStateTheirPayments)
{
    const QString tre =
        "<DatiPagamento>" +
        rata("<DataRiferimentoTerminiPagamento>2026-03-31</DataRiferimentoTerminiPagamento>"
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
         "EUR, 2026-04-30 -40.00 , 2026-05-14 -40.00 IT60X0542811101000000123456, "
         "2026-06-15 -42.00 RF18"},
        {fattura(netta, "").replace("</Imposta>", "</Imposta><EsigibilitaIVA>S</EsigibilitaIVA>"),
         alfa, "EUR, *2026-03-15 80.00 "},
        {fattura("", "")
             .replace("<?xml version=\"1.0\"?>", "<?xml version='1.0' encoding='WINDOWS-1252'?>")
             .replace("Alfa srl", "Societ\xe0 Agricola Cooperativa del Basso Valdarno e "
                                  "Maremma"),
         cf,
         "EUR, *2026-03-15 -122.00 , Società Agricola Cooperativa del Basso Valdarno e / "
         "Fattura 123/2026 del 15/03/2026"},
        {fattura("", "").replace("TD01", "TD17"), cf, "EUR"},
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
        {"<r:NotificaScarto xmlns:r=\"z\"><IdentificativoSdI>1</IdentificativoSdI>", alfa,
         "ricevuta SDI: "},
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

// A supplier as the address book keeps it: the foreign VAT number, repeating its country as
// senders do, kept whole in the notes rather than cut in the field of eleven digits.
TEST(Fatture, PartiesAsTheAddressBookRegistersThem)
{
    const Soggetto it{"Ferramenta Bianchi snc",
                      "IT",
                      "01234567890",
                      "01234567890",
                      "Via Roma 3",
                      "56100",
                      "Pisa",
                      "PI",
                      "IT"};
    const Soggetto gb{"Alpha Society",       "GB", "GB999999999", "", "1 High St", "00000",
                      "Newcastle upon Tyne", "",   "GB"};
    const Contatto a = contattofattura(it), b = contattofattura(gb);
    EXPECT_EQ(QStringList({a.citta, a.partitaiva, a.note}),
              QStringList({"Pisa (PI)", "01234567890", ""}));
    EXPECT_EQ(QStringList({b.citta, b.partitaiva, b.note}),
              QStringList({"Newcastle upon Tyne", "", "P.IVA GB999999999"}));

    // The company proposed for a set of files: the one party all of them share.
    Soggetto c = it, d = it;
    c.codiceiva = "09876543210", d.codiceiva.clear(), d.codicefiscale = "RSSMRA80A01H501U";
    const auto proposta = [](const QList<std::pair<Soggetto, Soggetto>> &parti) {
        QList<Fattura> fatture;
        for (const auto &[cedente, cessionario] : parti) {
            fatture.append(Fattura());
            fatture.last().cedente = cedente, fatture.last().cessionario = cessionario;
        }
        const auto ditta = dittacomune(fatture);
        return ditta ? ditta->codiceiva + ditta->codicefiscale : QStringLiteral("nessuna");
    };
    EXPECT_EQ(proposta({{it, d}, {c, d}, {d, gb}}), "RSSMRA80A01H501U");
    EXPECT_EQ(proposta({{it, gb}, {c, it}}), "0123456789001234567890");
    EXPECT_EQ(proposta({{it, d}, {d, it}}), "nessuna");
    EXPECT_EQ(proposta({{it, d}, {c, gb}}), "nessuna");
}

// Envelopes in every form a sender uses (a plain DER one is the invoice window's), and archives
// holding invoices beside other files: each file or part one entry, what is no invoice named for
// what it is.
TEST(Fatture, EnvelopesAndArchivesOpenedByContent)
{
    const QByteArray xml = fattura("", ""), der = busta(xml);
    QByteArray base64 = der.toBase64();
    for (qsizetype i = 76; i < base64.size(); i += 78)
        base64.insert(i, "\r\n");
    const QByteArray righe = "-----BEGIN PKCS7-----\n" + base64 + "\n-----END PKCS7-----\n";
    const QByteArray ricevuta = "<RicevutaConsegna><IdentificativoSdI>1</IdentificativoSdI>"
                                "</RicevutaConsegna>";
    const struct {
        QByteArray dati;
        QString atteso;
    } casi[] = {
        {"\n" + base64 + "\n", "f: fatture"},
        {righe, "f: fatture"},
        {busta(der, true), "f: fatture"},
        {der.left(der.size() / 2), "f: la busta firmata è danneggiata."},
        {busta(xml, false, true), "f: la busta firmata non contiene il documento"},
        {busta("%PDF-1.4"), "f: la busta firmata non contiene un documento XML."},
        {tlv('\x30', oiddati + tlv('\xa0', tlv('\x04', xml))),
         "f: il file non è una busta firmata (.p7m)."},
        {"MIIabc!", "f: la busta firmata è danneggiata."},
        {archivio({{"a/", {}},
                   {"a/IT01234567890_00001.XML", xml},
                   {"a/IT01234567890_00002.xml.p7m", base64},
                   {"IT01234567890_00001_RC_001.xml", ricevuta},
                   {"__MACOSX/a/._IT01234567890_00001.XML", "\x00\x05"},
                   {"leggimi.txt", "ciao"},
                   {"dentro.zip", archivio({{"x.xml", xml}})}}),
         "f/a/IT01234567890_00001.XML: fatture, f/a/IT01234567890_00002.xml.p7m: fatture, "
         "f/IT01234567890_00001_RC_001.xml: ricevuta SDI, "
         "f/leggimi.txt: non è una fattura elettronica., "
         "f/dentro.zip: è un archivio zip dentro un archivio, non letto."},
        {archivio({{"a/", {}}}), "f: il file zip è vuoto."},
        {"PK\x03\x04rotto", "f: il file zip è danneggiato."},
    };
    for (const auto &c : casi) {
        QStringList letti;
        for (const FileFattura &f : leggifatture(c.dati, "f"))
            letti.append(f.nome + ": " +
                         (f.genere == Genere::fatture    ? QStringLiteral("fatture")
                          : f.genere == Genere::ricevuta ? generefattura(f.genere)
                                                         : f.motivo));
        EXPECT_TRUE(letti.join(", ").startsWith(c.atteso)) << c.atteso.toStdString();
    }
}

// The sample files of real senders, when they are beside the project: what the company named
// sees in each.
TEST(Fatture, SampleFilesOfRealSenders)
{
    if (!QDir(ESEMPI).exists())
        GTEST_SKIP() << "sample invoices not found in " << ESEMPI;
    const struct {
        const char *file, *ditta, *atteso;
    } casi[] = {
        // three instalments in two payment blocks, received
        {"IT02780790107_11004.xml", "|80213330584",
         "EUR, 2015-04-30 -20.00 IT28V0100003245232200001200, 2015-05-30 -9.00 "
         "IT28V0100003245232200001200, 2015-06-30 -1.50 IT28V0100003245232200001200, SOCIETA' "
         "ALPHA SRL / Fattura 123 del 18/12/2014"},
        // split payment and no payment block, in a chunked BER envelope, issued
        {"IT02182030391_31.xml.p7m", "IT02182030391|",
         "EUR, *2018-06-08 100.00 , CIR 2000 snc / Fattura 2 del 08/06/2018"},
        // withholding, two bodies, a seller known by its codice fiscale
        {"IT02182030391_32.xml", "|02182030391",
         "EUR, 2017-02-28 119.86 , CIR 2000 snc / Fattura 3 del 27/01/2017; EUR, 2017-02-28 119.86 "
         ", CIR 2000 snc / Fattura 4 del 27/01/2017"},
        // credit note received: the supplier owes
        {"invopop-invoice-credit-note.xml", "IT09876543217|",
         "EUR, *2024-10-09 1388.40 , MªF. Services / Nota di credito CN-001 del 09/10/2024"},
        {"IT01234567890_FPA03.xml", "IT01234567890|",
         "EUR, 2017-02-18 30.50 , AMMINISTRAZIONE BETA / Fattura 12 del 18/01/2017; EUR, "
         "2017-02-20 2440.00 , AMMINISTRAZIONE BETA / Fattura 456 del 20/01/2017"},
        {"IT01234567890_FPR03.base64.xml.p7m", "|03533590174",
         "EUR, 2015-01-30 -32.50 , SOCIETA' ALPHA SRL / Fattura 123 del 18/12/2014; EUR, "
         "2015-01-28 -2440.00 , SOCIETA' ALPHA SRL / Fattura 456 del 20/12/2014"},
        {"IT01234567890_FPR04.zip", "|03533590174",
         "EUR, *2019-02-15 -26.10 , SOCIETA' ALPHA SRL / Fattura 123 del 15/02/2019"},
        {"IT01234567890_FSM10.xml", "IT01234567890|",
         "illeggibile: è una fattura semplificata, che non si importa."},
        {"IT01234567890_11111_MT_001.xml", "", "metadati: "},
    };
    for (const auto &c : casi) {
        QFile f(QDir(ESEMPI).filePath(c.file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.file;
        QStringList visti;
        for (const FileFattura &letto : leggifatture(f.readAll(), c.file))
            visti.append(riassunto(letto, c.ditta));
        EXPECT_EQ(visti.join(" / "), QString(c.atteso)) << c.file;
    }
}
