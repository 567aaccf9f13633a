#include "store/rubrica.h"
#include "store/scadenze.h"
#include "support/fatture.h"
#include "support/finestre.h"
#include "windows/fatture/formfatture.h"

#include <QInputDialog>
#include <QTableWidget>

namespace {

// An invoice of the seller to the buyer, each "Name|VAT code", with the payment part given.
QByteArray fattura(const QString &cedente, const QString &cessionario, const QString &numero,
                   const QString &pagamento)
{
    const auto parte = [](const char *ruolo, const QString &s) {
        return QStringLiteral("<%1><DatiAnagrafici><IdFiscaleIVA><IdPaese>IT</IdPaese><IdCodice>"
                              "%2</IdCodice></IdFiscaleIVA><Anagrafica><Denominazione>%3"
                              "</Denominazione></Anagrafica></DatiAnagrafici><Sede><Indirizzo>"
                              "Via Roma</Indirizzo><CAP>00100</CAP><Comune>Roma</Comune>"
                              "<Nazione>IT</Nazione></Sede></%1>")
            .arg(QLatin1String(ruolo), s.section('|', 1), s.section('|', 0, 0));
    };
    return QStringLiteral(
               "<?xml version=\"1.0\"?><p:FatturaElettronica xmlns:p=\"x\">"
               "<FatturaElettronicaHeader>%1%2</FatturaElettronicaHeader><FatturaElettronicaBody>"
               "<DatiGenerali><DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento>"
               "<Divisa>EUR</Divisa><Data>2026-03-15</Data><Numero>%3</Numero>"
               "<ImportoTotaleDocumento>122.00</ImportoTotaleDocumento></DatiGeneraliDocumento>"
               "</DatiGenerali><DatiBeniServizi><DatiRiepilogo><ImponibileImporto>100.00"
               "</ImponibileImporto><Imposta>22.00</Imposta></DatiRiepilogo></DatiBeniServizi>"
               "<DatiPagamento><CondizioniPagamento>TP01</CondizioniPagamento>%4</DatiPagamento>"
               "</FatturaElettronicaBody></p:FatturaElettronica>")
        .arg(parte("CedentePrestatore", cedente), parte("CessionarioCommittente", cessionario),
             numero, pagamento)
        .toUtf8();
}

QString rata(const char *data, const char *importo)
{
    return QStringLiteral("<DettaglioPagamento><ModalitaPagamento>MP05</ModalitaPagamento>"
                          "<DataScadenzaPagamento>%1</DataScadenzaPagamento><ImportoPagamento>%2"
                          "</ImportoPagamento></DettaglioPagamento>")
        .arg(QLatin1String(data), QLatin1String(importo));
}

} // namespace

// Three instalments received from a party the address book has, an invoice sent to a party
// it has not, the first also from a second window at once; then the first again beside a file
// of another company and a damaged one.
TEST(Formfatture, InvoicesBecomeItemsOnceAndTheirPartiesContacts)
{
    nuovoarchivio({"Beta"});
    sorvegliamodali();
    stato().dittacorrente = 1;
    Contatto enel;
    enel.ragionesociale = "Luce";
    enel.partitaiva = "00000000001";
    ASSERT_TRUE(aggiungicontatto("c:", enel));
    const QString beta = "Beta spa|11111111111", cartella = cartellalocale() + "/../";
    const QString tre =
        rata("2026-04-30", "40.00") + rata("2026-05-31", "40.00") + rata("2026-06-30", "42.00");
    scrivibyte(cartella + "enel.xml", fattura("Enel Energia spa|00000000001", beta, "123", tre));
    scrivibyte(cartella + "gamma.xml",
               fattura(beta, "Gamma srl|22222222222", "7", rata("2026-04-15", "122.00")));
    scrivibyte(cartella + "altra.xml",
               fattura("Delta|33333333333", "Epsilon|44444444444", "1", tre));
    scrivibyte(cartella + "rotta.xml", "<FatturaElettronica><Fattura");

    QString proposta;
    quandomodale([&](QWidget *w) {
        proposta = qobject_cast<QInputDialog *>(w)->textValue();
        qobject_cast<QInputDialog *>(w)->accept();
    });
    {
        Formfatture f({cartella + "enel.xml", cartella + "gamma.xml"});
        EXPECT_EQ(proposta, "IT11111111111");
        EXPECT_EQ(
            griglia(&f).join("\n").toStdString(),
            QStringList({"1,123 del 15/03/2026,Enel Energia spa,30/04/2026,,40,00,nuova,enel.xml",
                         "1,123 del 15/03/2026,Enel Energia spa,31/05/2026,,40,00,nuova,enel.xml",
                         "1,123 del 15/03/2026,Enel Energia spa,30/06/2026,,42,00,nuova,enel.xml",
                         "1,7 del 15/03/2026,Gamma srl,15/04/2026,122,00,,nuova,gamma.xml"})
                .join("\n")
                .toStdString());
        EXPECT_EQ(testo(&f, "riepilogo"), "2 fatture, 4 scadenze, 0 già presenti");
        Formfatture insieme({cartella + "enel.xml"}); // as on another workstation at once
        clicca(&f, "registra");
        clicca(&insieme, "registra");
    }
    Formfatture f({cartella + "enel.xml", cartella + "altra.xml", cartella + "rotta.xml"});
    const QString presente = "-,123 del 15/03/2026,Enel Energia spa,%1,,%2,già presente,enel.xml";
    EXPECT_EQ(griglia(&f).join("\n").toStdString(),
              QStringList({presente.arg("30/04/2026", "40,00"), presente.arg("31/05/2026", "40,00"),
                           presente.arg("30/06/2026", "42,00"),
                           "-,1 del 15/03/2026,Delta,,,,non della ditta,altra.xml",
                           "-,rotta.xml,,,,,illeggibile,il file XML "})
                  .join("\n")
                  .toStdString());
    EXPECT_EQ(testo(&f, "riepilogo"), "2 fatture, 0 scadenze, 1 già presenti");
    clicca(&f, "registra");

    const QStringList voci = vociscritte();
    const QString enelvoce = "%1,1,%2,Enel Energia spa,Fattura 123 del 15/03/2026,1";
    EXPECT_EQ(
        voci.join("\n").toStdString(),
        QStringList({enelvoce.arg("2026-04-30", "400000"), enelvoce.arg("2026-05-31", "400000"),
                     enelvoce.arg("2026-06-30", "420000"),
                     "2026-04-15,0,1220000,Gamma srl,Fattura 7 del 15/03/2026,2"})
            .join("\n")
            .toStdString());
    QList<Contatto> rubrica;
    ASSERT_TRUE(leggicontatti("c:", rubrica));
    ASSERT_EQ(rubrica.size(), 2);
    EXPECT_EQ(rubrica[1].ragionesociale + rubrica[1].partitaiva + rubrica[1].citta,
              "Gamma srl22222222222Roma");
}
