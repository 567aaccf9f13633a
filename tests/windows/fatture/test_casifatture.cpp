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
    const QString netta = "<DatiRitenuta><ImportoRitenuta>20.00</ImportoRitenuta></DatiRitenuta>"
                          "<ImportoTotaleDocumento>102.00</ImportoTotaleDocumento>";
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
        QString avviso;
    } casi[] = {
        // split payment, no payment block: the total less the VAT
        {{{"f.xml",
           fattura("", "").replace("</Imposta>", "</Imposta><EsigibilitaIVA>S</EsigibilitaIVA>")}},
         alfa,
         {"1,123/2026 del 15/03/2026,Mario Rossi,15/03/2026,100,00,,senza termini,f.xml"},
         {"2026-03-15,0,1000000,Mario Rossi,Fattura 123/2026 del 15/03/2026,1", mario},
         ""},
        // withholding, no payment block, received: the total less the withholding
        {{{"f.xml", fattura(netta, "")}},
         rossi,
         {"1,123/2026 del 15/03/2026,Alfa srl,15/03/2026,,102,00,senza termini,f.xml"},
         {"2026-03-15,1,1020000,Alfa srl,Fattura 123/2026 del 15/03/2026,1",
          "Alfa srl 01234567890"},
         ""},
        // a credit note issued: the company pays
        {{{"f.xml", fattura("", aprile).replace("TD01", "TD04")}},
         alfa,
         {"1,123/2026 del 15/03/2026,Mario Rossi,30/04/2026,,122,00,nuova,f.xml"},
         {"2026-04-30,1,1220000,Mario Rossi,Nota di credito 123/2026 del 15/03/2026,1", mario},
         ""},
        {{{"f.xml", piucorpi(fattura("", aprile), {"1/2026", "2/2026"})}},
         rossi,
         {acquisto.arg("1/2026"), acquisto.arg("2/2026")},
         {pagamento.arg("1/2026"), pagamento.arg("2/2026"), "Alfa srl 01234567890"},
         ""},
        {{{"f.xml.p7m", der}, {"g.xml.p7m", busta(piucorpi(xml, {"5/2026"})).toBase64()}},
         alfa,
         {vendita.arg("123/2026", "f.xml.p7m"), vendita.arg("5/2026", "g.xml.p7m")},
         {incasso.arg("123/2026"), incasso.arg("5/2026"), mario},
         ""},
        {{{"f.zip", archivio({{"IT01234567890_00001.xml", xml},
                              {"IT01234567890_00001_RC_001.xml",
                               "<RicevutaConsegna><IdentificativoSdI>1</IdentificativoSdI>"
                               "</RicevutaConsegna>"},
                              {"IT01234567890_00002.xml", piucorpi(xml, {"5/2026"})}})}},
         alfa,
         {vendita.arg("123/2026", zip), "-,f.zip/IT01234567890_00001_RC_001.xml,,,,,ricevuta SDI,",
          vendita.arg("5/2026", zip)},
         {incasso.arg("123/2026"), incasso.arg("5/2026"), mario},
         ""},
        // the same invoice in two files chosen together
        {{{"f.xml", xml}, {"f.xml.p7m", der}},
         alfa,
         {vendita.arg("123/2026", "f.xml"),
          "-,123/2026 del 15/03/2026,Mario Rossi,15/03/2026,122,00,,già presente,f.xml.p7m"},
         {incasso.arg("123/2026"), mario},
         ""},
        // an instalment the payments due cannot hold: that invoice is not taken as imported
        {{{"f.xml", fattura("", QString(aprile).replace("2026-04-30", "2100-01-10"))},
          {"g.xml", fattura("", aprile).replace("123/2026", "4/2026")}},
         rossi,
         {"1,123/2026 del 15/03/2026,Alfa srl,10/01/2100,,122,00,nuova,f.xml",
          "1,4/2026 del 15/03/2026,Alfa srl,30/04/2026,,122,00,nuova,g.xml"},
         {pagamento.arg("4/2026"), "Alfa srl 01234567890"},
         "Fattura 123/2026 del 15/03/2026: la scadenza del 10/01/2100 non è tra gli anni 2000 e "
         "2099, la fattura non è stata importata."},
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
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }).toStdString(), c.avviso.toStdString());
        QStringList scritti = vociscritte();
        // The invoices taken as imported are those whose items were written.
        QSet<QString> lette, fatture;
        EXPECT_TRUE(leggichiavi("c:", 1, lette));
        for (const QString &v : scritti)
            fatture.insert(v.section(',', 4, 4));
        EXPECT_EQ(lette.size(), fatture.size());
        QList<Contatto> rubrica;
        EXPECT_TRUE(leggicontatti("c:", rubrica));
        for (const Contatto &r : rubrica)
            scritti << r.ragionesociale + " " + r.partitaiva + r.codicefiscale;
        EXPECT_EQ(scritti.join("\n").toStdString(), c.scritti.join("\n").toStdString());
    }
}
