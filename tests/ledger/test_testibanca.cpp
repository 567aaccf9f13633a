#include "ledger/importazione.h"

#include <gtest/gtest.h>

// Banks' texts as their exports give them (one text, or a kind column beside a details column,
// or a name of the file's own beside the bank's text) become the movement's two descriptions:
// counterparty and purpose, no word cut; a text no pattern knows is kept whole.
TEST(Testibanca, EveryKindOfTextBecomesCounterpartyAndPurpose)
{
    struct Caso {
        const char *d1, *d2, *prima, *seconda;
    };
    const Caso casi[] = {
        // SEPA direct debits: UniCredit, Intesa, BPER, ING, BancoPosta, Fineco (UniCredit's for an
        // invoice and a card's "presso:" are read through the window in test_descrizioni).
        {"ADDEBITO SEPA DD PER FATTURA A VOSTRO CARICO Incasso PA00CDN0KQP6ZQ SDD da "
         "GB66ZZZSDDBARC0000007495895019 GC re Mangopay mandato nr. YTRT6WW",
         "", "GC re Mangopay", "Addebito diretto SEPA"},
        {"Pagamento Adue",
         "Addebito diretto disposto a favore di A2A S P A MANDATO PMD00000001 "
         "Cod. Disp. 0126052944086610",
         "A2A S P A", "Addebito diretto SEPA"},
        {"ADDEBITO SDD CLOUD HOSTING LTD N: 1057087621/48 ID:0210000049513 Cod.Cl. K309846700/ "
         "Fatt. 109993626070 Deb: Example Account Owner",
         "", "CLOUD HOSTING LTD", "Fatt. 109993626070"},
        {"Addebito SDD CORE Scad. 29/03/2023 Imp. 5.99 Creditor id. IT46ZZZ0000013970161009 ILIAD "
         "Id Mandato ILIAD-FR9HXO-1 Debitore ROSSI MARIO",
         "", "ILIAD", "Addebito diretto SEPA"},
        {"ADDEBITO DIRETTO SDD Postepay S.p. CID. XXXXXXXXXXXXXXXXXXXXXXXXXXXXIT 020623 MAN. XX",
         "", "Postepay S.p.", "Addebito diretto SEPA"},
        {"SEPA Direct Debit",
         "SERVIZIO ELETTRICO NAZIONALE Addebito SD D fattura a Vs carico da xxx",
         "SERVIZIO ELETTRICO NAZIONALE", "Addebito diretto SEPA"},
        // Card payments.
        {"PagoBancomat POS",
         "Pag. del 23/06/17 ora 21:06 presso: ERME S SNC DI ROSSI MARIO & C. "
         "VIA DANTE ALI GHIERI, VIGONOVO 30030 VE IT Car ta N° *****313 Nessuna Commissione",
         "ERME S SNC DI ROSSI MARIO & C.", "Pagamento con carta"},
        {"Pagamento Tramite POS COOP LOMBARDIA S.C. VIA MIL20/06-19:10 - Carta n.1234 XXXX XXXX "
         "XX99ABI : 01234 COD.3003594/005415",
         "", "COOP LOMBARDIA S.C.", "Pagamento con carta"},
        {"PAGAMENTO VPAY Contactless del 02/08/2018 CARTA *5831 DI EUR 40,74 ACQUA & SAPONE CASTEL "
         "DI LAM",
         "", "ACQUA & SAPONE CASTEL DI LAM", "Pagamento con carta"},
        {"Operazione VPAY del 08/05/2016 alle ore 17:48 con Carta xxxxxxxxxxxx5555 Div=EUR Importo "
         "in divisa=29.3 / Importo in Euro=29.3 presso AVANZI AGRICOLA - Transazione C-less",
         "", "AVANZI AGRICOLA", "Pagamento con carta"},
        {"Pagamento Visa Debit",
         "REPSOL DISTRIBUTORE VIGONZA ITCarta N. *****513Data operazione "
         "18/06/2016",
         "REPSOL DISTRIBUTORE VIGONZA", "Pagamento con carta"},
        {"Pagamento POS PRESSO PAYPAL *ESEMPIO 35314369001", "", "ESEMPIO", "Pagamento con carta"},
        // The file's own name column stays the counterparty beside the bank's details.
        {"Farmacia Esempio 3", "Pagamento su POS FARMACIA ESEMPIO 3 18/061832 Carta n.1234 XXXX",
         "Farmacia Esempio 3", "Pagamento con carta"},
        // Transfers in and out.
        {"BONIFICO A VOSTRO FAVORE BONIFICO SEPA DA ROSSI MARIO PER BIGLIETTO COMM 0,00 SPESE 0,00 "
         "TRN 1001182142031039",
         "", "ROSSI MARIO", "BIGLIETTO"},
        {"Stipendio O Pensione",
         "COD.DISP. 0126071612960647 SALA SALDO CEDOLINO GIUGNO 2026 "
         "Bonifico a Vostro favore disposto da MITT. ESEMPIO S.P.A. BENEF. ROSSI MARIO BIC. ORD. "
         "XXXXITXXXXX",
         "ESEMPIO S.P.A.", "SALDO CEDOLINO GIUGNO 2026"},
        {"BONIFICO o/c: ACME CONSULTING SRL ABI-CAB: 03015-03200 a favore di Example Recipient "
         "Num. "
         "Bon.Sepa 252531000195141 Note di cortesia",
         "", "ACME CONSULTING SRL", "Note di cortesia"},
        {"Bonifico SEPA Italia",
         "Ord: GSE S.P.A. Ben: ROSSI MARIO Dt -ord: 22/06/2017 Banca Ord: "
         "xxx Info-Cli: FT: 2018087",
         "GSE S.P.A.", "FT: 2018087"},
        {"BONIFICO DA VOI DISPOSTO NOP 02272737401 A FAVORE DI e distribuzione C. BENEF. "
         "IT69K0306902117100000009741 NOTE: Corrispettivo pratica n. 12",
         "", "e distribuzione", "Corrispettivo pratica n. 12"},
        {"ADDEBITO BON IST 0126040163715700 Bonifico da Voi disposto a favore di: Prestitalia "
         "s.p.a. Seconda rata numero di contratto (4900368489)",
         "", "Prestitalia s.p.a.", "Seconda rata numero di contratto (4900368489)"},
        {"Bonifico SEPA Italia",
         "Ben: ROSSI MARIO Ins: 30/07/2016 11 :42 Da: INTERNET Iban 444444 "
         "TransID: 33333 Cau: Saldo cene",
         "ROSSI MARIO", "Saldo cene"},
        // Fees, taxes and cash: what stands for the counterparty the text lacks.
        {"COMMISSIONI - PROVVIGIONI - SPESE Incasso 1 Reset S.r.l.", "", "Banca",
         "COMMISSIONI - PROVVIGIONI - SPESE Incasso 1 Reset"},
        {"IMPOSTA BOLLO CONTO CORRENTE DPR642/72-DM24/5/2012", "", "Banca",
         "IMPOSTA BOLLO CONTO CORRENTE DPR642/72-DM24/5/2012"},
        {"ADDEBITO DELEGA F24 - HB-NET 068 97826900157 ADD.DELEGA F24 HB-NET", "", "Erario",
         "Delega F24"},
        {"(78) VERSAMENTO CONTANTE", "", "Cassa", "Versamento contanti"},
        {"PRELIEVO VPAY DEL 02/08/18 CARTA *5831 UNICREDIT ATM 0535 CAB 38230 MALTIGNANO (AP)", "",
         "Cassa", "Prelievo contanti"},
        // Unknown: kept whole, cut at a blank, the rest in the second description.
        {"GIROCONTO DAL CC N. 1234990 / 01TRASFERIMENTO VERSO CONTO DEPOSITO VINCOLATO ANNO 2026",
         "", "GIROCONTO DAL CC N. 1234990 / 01TRASFERIMENTO",
         "VERSO CONTO DEPOSITO VINCOLATO ANNO 2026"},
        {"VODAFONE ITALIA SPA", "Fattura AM123 del 01/03/2026", "VODAFONE ITALIA SPA",
         "Fattura AM123 del 01/03/2026"},
        {"Assegno n. 8345921901", "", "Assegno n. 8345921901", "Estratto conto"},
        {"IT60X0542811101000000123456IT60X0542811101000000123456", "",
         "IT60X0542811101000000123456IT60X054281110100000012", "3456"},
    };
    for (const Caso &c : casi) {
        const RigaEstratto r{QDate(2026, 3, 2), -100, QString::fromUtf8(c.d1),
                             QString::fromUtf8(c.d2)};
        const Movimento m = movimentoestratto(r, 2, 1, Nomicontatti());
        EXPECT_EQ(m.descrizione1.toStdString(), c.prima) << c.d1;
        EXPECT_EQ(m.descrizione2.toStdString(), c.seconda) << c.d1;
    }
}
