#include "store/fattureditta.h"
#include "store/rubrica.h"
#include "support/fatture.h"
#include "support/finestre.h"
#include "windows/fatture/formfatture.h"

// Each kind of invoice file in a fresh archive, through the window as the company named: the
// grid, then the items written and the contacts created ("name VAT number codice fiscale").
TEST(Formfatture, EachKindOfInvoiceBecomesItsItems)
{
    sorvegliamodali();
    const QByteArray xml = fattura("", ""), der = busta(xml);
    const QString aprile =
        "<DatiPagamento>" +
        rata("<DataScadenzaPagamento>2026-04-30</DataScadenzaPagamento><ImportoPagamento>122.00"
             "</ImportoPagamento>") +
        "</DatiPagamento>";
    const QString alfa = "IT01234567890", rossi = "RSSMRA80A01H501U";
    const QString vendita = "1,%1 del 15/03/2026,Mario Rossi,15/03/2026,122,00,,senza termini,%2",
                  incasso = "2026-03-15,0,1220000,Mario Rossi,Fattura %1 del 15/03/2026,1",
                  acquisto = "1,%1 del 15/03/2026,Alfa srl,30/04/2026,,122,00,nuova,f.xml",
                  pagamento = "2026-04-30,1,1220000,Alfa srl,Fattura %1 del 15/03/2026,1";
    const QString mario = "Mario Rossi RSSMRA80A01H501U", zip = "f.zip/IT0123";
    const struct {
        QList<std::pair<QString, QByteArray>> file;
        QString ditta;
        QStringList griglia, scritti;
    } casi[] = {
        {{{"f.xml", piucorpi(fattura("", aprile), {"1/2026", "2/2026"})}},
         rossi,
         {acquisto.arg("1/2026"), acquisto.arg("2/2026")},
         {pagamento.arg("1/2026"), pagamento.arg("2/2026"), "Alfa srl 01234567890"}},
        {{{"f.xml.p7m", der}, {"g.xml.p7m", busta(piucorpi(xml, {"5/2026"})).toBase64()}},
         alfa,
         {vendita.arg("123/2026", "f.xml.p7m"), vendita.arg("5/2026", "g.xml.p7m")},
         {incasso.arg("123/2026"), incasso.arg("5/2026"), mario}},
        {{{"f.zip", archivio({{"IT01234567890_00001.xml", xml},
                              {"IT01234567890_00001_RC_001.xml",
                               "<RicevutaConsegna><IdentificativoSdI>1</IdentificativoSdI>"
                               "</RicevutaConsegna>"},
                              {"IT01234567890_00002.xml", piucorpi(xml, {"5/2026"})}})}},
         alfa,
         {vendita.arg("123/2026", zip), "-,f.zip/IT01234567890_00001_RC_001.xml,,,,,ricevuta SDI,",
          vendita.arg("5/2026", zip)},
         {incasso.arg("123/2026"), incasso.arg("5/2026"), mario}},
        // the same invoice in two files chosen together
        {{{"f.xml", xml}, {"f.xml.p7m", der}},
         alfa,
         {vendita.arg("123/2026", "f.xml"),
          "-,123/2026 del 15/03/2026,Mario Rossi,15/03/2026,122,00,,già presente,f.xml.p7m"},
         {incasso.arg("123/2026"), mario}},
    };
    for (const auto &c : casi) {
        nuovoarchivio({"Beta"});
        stato().dittacorrente = 1;
        ASSERT_TRUE(scriviidentita("c:", 1, c.ditta));
        QStringList scelti;
        for (const auto &[nome, dati] : c.file) {
            scelti << cartellalocale() + "/../" + nome;
            scrivibyte(scelti.last(), dati);
        }
        Formfatture f(scelti);
        EXPECT_EQ(griglia(&f).join("\n").toStdString(), c.griglia.join("\n").toStdString());
        clicca(&f, "registra");
        QStringList scritti = vociscritte();
        QList<Contatto> rubrica;
        EXPECT_TRUE(leggicontatti("c:", rubrica));
        for (const Contatto &r : rubrica)
            scritti << r.ragionesociale + " " + r.partitaiva + r.codicefiscale;
        EXPECT_EQ(scritti.join("\n").toStdString(), c.scritti.join("\n").toStdString());
    }
}
