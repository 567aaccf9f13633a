#include "app/formprincipale.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "store/rubrica.h"
#include "support/fatture.h"
#include "support/finestre.h"
#include "support/importa.h"
#include "windows/importa/formimporta.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTableWidget>

namespace {

// A balance label as shown: its text and its colour.
std::string saldo(const Formimporta &f, const char *nome)
{
    const auto *l = f.findChild<QLabel *>(nome);
    return (l->text() + " " + l->palette().color(QPalette::WindowText).name()).toStdString();
}

} // namespace

TEST(Formimporta, RowsStatesBalancesAndTheRecordsAppended)
{
    nuovoarchivio({"Alfa"});
    Contatto c;
    for (const char *nome : {"Bianchi", "Rossi Spa"}) {
        c.ragionesociale = nome;
        ASSERT_TRUE(aggiungicontatto("c:", c));
    }
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    scrivimese(1, {mov(2, 0, 200 * euro)});
    const QString marzo = scrivimese(3, {mov(5, 1, 35000, "Bar"), mov(8, 0, 100 * euro, "Cliente"),
                                         mov(7, 1, 35000, "Bar", 3), mov(6, 1, 35000, "Bar", 2, 2),
                                         mov(30, 0, 99 * euro)});
    apri(2);
    const QString lunga = "Addebito diretto SDD Energia Elettrica Bolletta n. 4455 marzo";
    Estratto e{{riga(5, 3, -35000, "Bar Sport"), riga(5, 3, -35000, "Bar Sport"),
                riga(11, 3, 100 * euro, " ROSSI SPA ", 2026, "Fattura 12"),
                riga(31, 12, -5 * euro, "Canone", 2025), riga(12, 3, -123456, lunga)},
               100 * euro,
               1756544,
               QDate(2026, 3, 12)};
    Formimporta f(e);
    f.show();
    const QStringList attese = {"-|05/03/26|Bar Sport|Estratto conto||3,50|già presente",
                                "x|05/03/26|Bar Sport|Estratto conto||3,50|nuovo",
                                "-|11/03/26|Rossi Spa|Fattura 12|100,00||da verificare",
                                "x|31/12/25|Banca|Canone||5,00|nuovo",
                                "x|12/03/26|Energia Elettrica Bolletta n. 4455 marzo|Addebito "
                                "diretto SEPA||12,35|nuovo"};
    EXPECT_EQ(righetabella(f), attese);
    EXPECT_EQ(saldo(f, "saldoiniziale"), "100,00 #0000ff");
    EXPECT_EQ(saldo(f, "saldofinale"), "175,65 #0000ff");
    EXPECT_EQ(saldo(f, "saldoconto"), "275,65 #0000ff"); // 200 - 3,50 + 100 then the checked
    EXPECT_EQ(saldo(f, "differenza"), "-100,00 #ff0000");
    EXPECT_TRUE(f.findChild<QLabel *>("avvisoquadra")->isHidden());

    // Another account has its own movements: the Bar two days off answers one row only.
    auto *lista = f.findChild<QListWidget *>("Lista");
    clicca(lista, 1);
    EXPECT_EQ(righetabella(f).mid(0, 2),
              QStringList({"-|05/03/26|Bar Sport|Estratto conto||3,50|da verificare",
                           "x|05/03/26|Bar Sport|Estratto conto||3,50|nuovo"}));
    clicca(lista, 0);
    f.findChild<QTableWidget *>("griglia")->item(2, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(saldo(f, "saldoconto"), "375,65 #0000ff");
    // Another workstation types the last row meanwhile; the second Bar is still not the first's.
    scrivibyte(marzo, leggibyte(marzo) + movimento::codifica(mov(12, 1, 123500, "Altrove")));
    EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }),
              "1 movimento era già stato registrato da un'altra postazione e non è stato "
              "importato.");
    EXPECT_FALSE(f.isVisible());

    const QByteArray dati = leggibyte(marzo);
    ASSERT_EQ(dati.size(), 8 * 118);
    EXPECT_EQ(movimento::decodifica(dati.constData() + 6 * 118),
              mov(5, 1, 35000, "Bar Sport", 2, 1, "Estratto conto"));
    // Day, income, CASSA, Alfa, Rossi Spa of the address book.
    EXPECT_EQ(movimento::decodifica(dati.constData() + 7 * 118),
              mov(11, 0, 100 * euro, "Rossi Spa", 2, 1, "Fattura 12", 2));
}

// Rows pair as one assignment, whatever the file's order: the 50,00 of 6/3 and 3/3 against the
// entries of 4/3 and 8/3 are both to be checked. The year's end is no wall, and the balance on
// a date of another year is that year's, its carried balance a movement like any other.
TEST(Formimporta, RowsPairAcrossTheYearsEndWhateverTheOrderAndAnEmptyRowIsNeverOffered)
{
    nuovoarchivio({"Alfa"});
    scrivimese(3, {mov(8, 1, 50 * euro), mov(4, 1, 50 * euro), mov(9, 7, 5 * euro, "Guasto")});
    scrivimese(12, {mov(31, 1, 30 * euro)});
    scrivimese(1, {mov(1, 1, 130 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026"), mov(2, 1, 20 * euro)},
               "27");
    const QList<RigaEstratto> righe{
        riga(6, 3, -50 * euro, "A"),   riga(3, 3, -50 * euro, "B"),
        riga(31, 12, -20 * euro, "C"), riga(2, 1, -30 * euro, "D", 2027),
        riga(15, 3, 0, "E"),           riga(16, 3, -40, "F")}; // -0,004
    const QString attesi =
        "-da verificare,-da verificare,-da verificare,-da verificare, importo nullo, importo nullo";
    for (int k = 0; k < 2; ++k)
        for (bool rovescio : {false, true})
            for (auto [saldo, fine] :
                 {std::pair{-150 * euro, QDate(2027, 1, 2)}, {-130 * euro, QDate(2026, 12, 31)}}) {
                SCOPED_TRACE(testing::Message() << k << rovescio << fine.year());
                apri(2, k == 0 ? "26" : "27");
                QList<RigaEstratto> r = righe;
                QStringList a = attesi.split(',');
                if (rovescio)
                    std::reverse(r.begin(), r.end()), std::reverse(a.begin(), a.end());
                Formimporta f(Estratto{r, 0, saldo, fine});
                EXPECT_EQ(stati(f), a.join(',').toStdString());
                EXPECT_EQ(testo(&f, "differenza"), "0,00");
            }
}

TEST(Formimporta, AFailureHalfwayLeavesWholeMovementsAndTheNextImportOffersTheRest)
{
    nuovoarchivio({"Alfa"});
    apri(1, "35"); // TUTTI pressed: no account chosen yet; a year past 2029 is 20xx too
    Estratto e{{riga(3, 1, 10 * euro, "Uno", 2035), riga(3, 2, 20 * euro, "Due", 2035),
                riga(3, 3, 30 * euro, "Tre", 2035)},
               0,
               99 * euro,
               {}};
    {
        Formimporta f(e);
        f.show();
        EXPECT_FALSE(f.findChild<QLabel *>("avvisoquadra")->isHidden());
        // The list with the focus has a current row, CASSA, which nobody chose.
        auto *lista = f.findChild<QListWidget *>("Lista");
        f.activateWindow();
        lista->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista->currentRow() == 0; }, 5000))
            << "Lista never got the focus";
        EXPECT_EQ(stati(f), "xnuovo,xnuovo,xnuovo");
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "Selezionare un conto");
        EXPECT_TRUE(f.isVisible());
        clicca(f.findChild<QListWidget *>("Lista"), 0);
        impostaguasto([](Operazione o, const QString &n) {
            return o == Operazione::Scrittura && n.endsWith("mov0235");
        });
        const QString m = messaggio([&] { clicca(&f, "registra"); });
        impostaguasto({});
        EXPECT_TRUE(m.contains("mov0235") && m.contains("1 di 3")) << m.toStdString();
    }
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0235").size(), 0);
    apri(2, "35");
    // Another workstation imports the rest while the first of these windows is open.
    const std::pair<const char *, const char *> volte[] = {
        {"-già presente,xnuovo,xnuovo", "2 movimenti erano già stati registrati da un'altra "
                                        "postazione e non sono stati importati."},
        {"-già presente,-già presente,-già presente", ""}};
    for (const auto &[atteso, avviso] : volte) {
        Formimporta f(e);
        f.show();
        EXPECT_EQ(stati(f), atteso);
        scrivimese(2, {mov(3, 0, 20 * euro)}, "35");
        scrivimese(3, {mov(3, 0, 30 * euro)}, "35");
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), avviso);
    }
    for (const char *mese : {"/mov0135", "/mov0235", "/mov0335"})
        EXPECT_EQ(leggibyte(cartellalocale() + mese).size(), 118);
}

TEST(Formimporta, FromTheMainWindowButton)
{
    nuovoarchivio();
    {
        Formprincipale senzaditta;
        EXPECT_EQ(messaggio([&] { clicca(&senzaditta, "importa"); }),
                  "Selezionare una Ditta per continuare");
    }
    nuovoarchivio({"Alfa"});
    Formprincipale f;
    const QString anno = QString::number(oggi().year()), file = cartellautente() + "/banca.txt";
    scrivibyte(file, ("Banca Prova\r\nMovimenti di febbraio\r\n\r\nData contabile;Data "
                      "valuta;Descrizione;Importo (EUR)\r\n03/02/" +
                      anno + ";03/02/" + anno + ";Bonifico da Rossi;1.500,75\r\n")
                         .toLatin1());
    scegli(file);
    quandomodale([](QWidget *w) {
        auto *g = w->findChild<QTableWidget *>("griglia");
        if (!qobject_cast<Formimporta *>(w) || g->rowCount() != 1) {
            ADD_FAILURE() << "no import window";
            return static_cast<QDialog *>(w)->reject();
        }
        EXPECT_EQ(g->item(0, 4)->text(), "1500,75");
        clicca(w, "registra");
    });
    clicca(&f, "importa");
    EXPECT_EQ(testo(&f, "descri1_0"), "Rossi"); // the ledger reloaded
}

namespace {

// A CBI record: 120 blanks with the fields at their 1-based positions.
QByteArray cbi(std::initializer_list<std::pair<int, const char *>> campi)
{
    QByteArray r(120, ' ');
    for (const auto &[posizione, testo] : campi)
        r.replace(posizione - 1, qstrlen(testo), testo);
    return r + "\r\n";
}

// A camt.053 statement of one day: its balances and one entry, as a bank delivers it daily.
QByteArray camt(const char *giorno, const char *apertura, const char *chiusura, const char *voce)
{
    auto saldo = [&](const char *tipo, const char *importo) {
        return QByteArray("<Bal><Tp><CdOrPrtry><Cd>") + tipo +
               "</Cd></CdOrPrtry></Tp><Amt Ccy="
               "\"EUR\">" +
               importo + "</Amt><CdtDbtInd>CRDT</CdtDbtInd><Dt><Dt>2026-03-" + giorno +
               "</Dt></Dt></Bal>";
    };
    return "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt>"
           "<Stmt><Acct><Id><IBAN>IT60X0542811101000000123456</IBAN></Id></Acct>" +
           saldo("OPBD", apertura) + saldo("CLBD", chiusura) + voce +
           "</Stmt></BkToCstmrStmt>"
           "</Document>";
}

// What the import window shows of the bank account chosen: heading, rows and balances.
QString vista(const Formimporta &f)
{
    QStringList v = QStringList{testo(&f, "intestazione")} + righetabella(f);
    QStringList saldi;
    for (const char *nome : {"saldoiniziale", "saldofinale", "differenza"})
        saldi << testo(&f, nome);
    return (v << saldi.join(' ') +
                     (f.findChild<QLabel *>("avvisoquadra")->isHidden() ? "" : " non quadra"))
        .join('\n');
}

// The statement file imported from the main window: what the import window shows, every bank
// account in turn, or the message that refused the file (its path written FILE).
QString importa(Formprincipale &principale, const QString &file, const QByteArray &dati)
{
    scrivibyte(file, dati);
    scegli(file);
    QString visto;
    quandomodale([&](QWidget *w) {
        auto *f = qobject_cast<Formimporta *>(w);
        auto *box = qobject_cast<QMessageBox *>(w);
        if (box) {
            visto = box->text();
            return box->accept();
        }
        auto *c = f->findChild<QComboBox *>("contibanca");
        for (int i = 0; i < (c->isHidden() ? 1 : c->count()); ++i) {
            c->setCurrentIndex(i);
            visto += (c->isHidden() ? "" : "[" + c->currentText() + "] ") + vista(*f) + "\n";
        }
        f->reject();
    });
    clicca(&principale, "importa");
    return visto.replace(QDir::toNativeSeparators(file), "FILE");
}

} // namespace

// Among them an Excel 97-2003 statement, movimenti.xls, saved by a spreadsheet program: a
// preamble with the account, its IBAN and both balances, date cells with and without a time,
// dates typed as text and as plain day counts, amounts of seven digits and with a binary
// fraction's noise (-0.30000000000000004), an unbooked row, a total by formula and a second
// sheet that is no part of the statement.
TEST(Formimporta, RealBanksStatements)
{
    nuovoarchivio({"Alfa"});
    Formprincipale principale;
    stato().annogestione = "26";
    const QByteArray cartella = leggibyte(":/prove/movimenti.xls");
    const QString letta =
        "IT60 X054 2811 1010 0000 0123 456 · dal 02/03/2026 al 12/03/2026 · 4 movimenti\n"
        "x|02/03/26|Rossi|Fattura n° 12 – caffè € e più|12345,67||nuovo\n"
        "x|05/03/26|Banca|Commissione||0,30|nuovo\nx|07/03/26|Cassa|Bancomat||20,00|nuovo\n"
        "x|12/03/26|Bar Sport|Pagamento POS||45,50|nuovo\n1000,00 13279,87 1000,00\n";
    // The same workbook switched to counting its days from 1904: a plain day count would read
    // four years off there, so it is refused.
    QByteArray dal1904 = cartella;
    dal1904.replace(QByteArray("\x22\x00\x02\x00\x00\x00", 6),
                    QByteArray("\x22\x00\x02\x00\x01\x00", 6));
    QByteArray altro = cartella;
    altro.replace(QByteArray("W\0o\0r\0k\0b", 9), QByteArray("T\0h\0u\0m\0b", 9));
    const QByteArray iban = "IT60X0542811101000000123456";
    const QByteArray busta =
        "<BDY:CBIBdyBkToCstmrStmtReq xmlns:BDY=\"urn:CBI:xsd:CBIBdyBkToCstmrStmtReq.00.01.02\">"
        "<BDY:CBIEnvelBkToCstmrStmtReqLogMsg><CBIDlyStmtReqLogMsg xmlns=\"urn:CBI:xsd:"
        "CBIDlyStmtReqLogMsg.00.01.02\"><Stmt><Acct><Id><IBAN>IT94A0306901234100000005678</IBAN>"
        "</Id></Acct><Bal><Tp><CdOrPrtry><Cd>OPBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">100.00"
        "</Amt><Dt><Dt>2026-03-01</Dt></Dt></Bal><Ntry><Amt Ccy=\"EUR\">10.00</Amt><CdtDbtInd>"
        "DBIT</CdtDbtInd><ValDt><Dt>2026-03-02</Dt></ValDt><BkTxCd><Prtry><Cd>16//</Cd></Prtry>"
        "</BkTxCd><AddtlNtryInf>Spese\n\t  tenuta   conto</AddtlNtryInf></Ntry></Stmt><Stmt><Acct>"
        "<Id><IBAN>" +
        iban +
        "</IBAN></Id></Acct></Stmt></CBIDlyStmtReqLogMsg>"
        "</BDY:CBIEnvelBkToCstmrStmtReqLogMsg></BDY:CBIBdyBkToCstmrStmtReq>";
    const struct {
        const char *file;
        QByteArray dati;
        QString atteso;
    } casi[] = {
        {"balance lines.csv",
         "Conto corrente;IBAN: IT60 X054 2811 1010 0000 0123 456\r\n"
         "Data contabile;Data valuta;Dare;Avere;Divisa;Descrizione;Stato\r\n"
         "01/03/2026;;;1.000,00;EUR;Saldo iniziale;\r\n"
         "02/03/2026;02/03/2026;;150,00;EUR;Saldo fattura 123;\r\n"
         "05/03/2026;05/03/2026;20,00;;EUR;Commissioni;In lavorazione\r\n"
         "06/03/2026;06/03/2026;12,00;;USD;Abbonamento;\r\n"
         "07/03/2026;07/03/2026;99,00;;EUR;Carta;NON CONTABILIZZATO\r\n"
         "31/03/2026;;;1.130,00|;EUR;|SALDO FINALE;\r\n"
         "31/03/2026;;;1.130,00;EUR;Disponibilità al;\r\n"
         "31/03/2026;;;0,00;;Saldo SBF per conti unici al;\r\n",
         "IT60 X054 2811 1010 0000 0123 456 · dal 02/03/2026 al 06/03/2026 · 3 movimenti\n"
         "x|02/03/26|Saldo fattura 123|Estratto conto|150,00||nuovo\n"
         "-|05/03/26|Banca|Commissioni||20,00|da verificare\n"
         " |06/03/26|Abbonamento|Estratto conto||12,00|altra valuta\n1000,00 1130,00 980,00\n"},
        {"two banks.cbi",
         cbi({{2, "RH03069SIAXX050326UNO"}}) +
             cbi({{2, "610000001"}, {52, "X0542811101000000123456EUR010326C000000001000,00IT60"}}) +
             cbi({{2, "620000001001030326030326D000000000015,0016"}}) +
             cbi({{2, "630000001001COMMISSIONI TENUTA CONTO"}}) +
             cbi({{2, "620000001002040326040326D000000000100,0026"},
                  {87, "Disposizione bonifico n SCT Coordi"}}) +
             cbi({{2, "630000001002nate benef: ROSSI SRL"}}) +
             cbi({{2, "640000001EUR040326C000000000885,00"}}) + cbi({{2, "EF03069SIAXX"}}) +
             cbi({{2, "RH01005SIAXX050326DUE"}}) +
             cbi({{2, "610000001"}, {52, "W0100503200000000006492EUR010326C000000000500,00"}}) +
             cbi({{2, "620000001001050326050326C000000000050,0048"},
                  {87, "Bonifico a Vs. favore"}}) +
             cbi({{2, "630000001001YYY05032026"}, {41, "VERDI SPA"}}) +
             cbi({{2, "640000001EUR050326C000000000550,00"}}) + cbi({{2, "EF01005SIAXX"}}),
         "[IT60 X054 2811 1010 0000 0123 456 · 2 movimenti] IT60 X054 2811 1010 0000 0123 456 · "
         "dal "
         "03/03/2026 al 04/03/2026 · 2 movimenti\n"
         "x|03/03/26|Banca|COMMISSIONI TENUTA CONTO||15,00|nuovo\n"
         "x|04/03/26|Disposizione bonifico n SCT Coordinate benef:|ROSSI SRL||100,00|nuovo\n"
         "1000,00 885,00 1000,00\n[ABI 01005 CAB 03200 c/c 6492 · 1 movimento] ABI 01005 CAB "
         "03200 c/c 6492 · dal 05/03/2026 al 05/03/2026 · 1 movimento\n"
         "x|05/03/26|VERDI SPA|Bonifico a Vs. favore|50,00||nuovo\n500,00 550,00 500,00\n"},
        {"envelope.xml", busta,
         "[IT94 A030 6901 2341 0000 0005 678 · 1 movimento] IT94 A030 6901 2341 0000 0005 678 · "
         "dal 02/03/2026 al 02/03/2026 · 1 movimento\n"
         "x|02/03/26|Banca|Spese tenuta conto||10,00|nuovo\n100,00  \n"
         "[IT60 X054 2811 1010 0000 0123 456 · 0 movimenti] IT60 X054 2811 1010 0000 0123 456 · "
         "0 movimenti\n  \n"},
        {"chf.xml",
         "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.04\"><BkToCstmrStmt><Stmt>"
         "<Acct><Id><IBAN>CH9300762011623852957</IBAN></Id><Ccy>CHF</Ccy></Acct><Ntry><Amt Ccy="
         "\"CHF\">5.00</Amt><CdtDbtInd>DBIT</CdtDbtInd><BookgDt><Dt>2026-03-02</Dt></BookgDt>"
         "</Ntry></Stmt></BkToCstmrStmt></Document>",
         "Il file FILE non si può importare.\nL'estratto conto è in CHF: si possono importare "
         "solo estratti in euro."},
        {"revolut.csv",
         "Type,Product,Started Date,Completed Date,Description,Amount,Fee,Currency,State,Balance\n"
         "CARD_PAYMENT,Current,2026-03-02 10:00:00,2026-03-03 09:00:00,Amazon,-25.50,0.00,EUR,"
         "COMPLETED,74.50\nCARD_PAYMENT,Current,2026-03-04 10:00:00,,Esselunga,-10.00,0.00,EUR,"
         "PENDING,\nTOPUP,Current,2026-03-05 10:00:00,2026-03-05 10:00:01,Ricarica,100.00,0.00,"
         "EUR,COMPLETED,174.50\n",
         "Conto non indicato · dal 03/03/2026 al 05/03/2026 · 2 movimenti\n"
         "x|03/03/26|Amazon|CARD_PAYMENT||25,50|nuovo\nx|05/03/26|Ricarica|TOPUP|100,00||nuovo\n"
         "  \n"},
        {"satispay.csv",
         "id,name,state,kind,date,amount,currency,extra info\n"
         "a1,Bar Roma,APPROVED,C2B,\"24 lug 2026. 02:59:45\",\"-3,40 \",EUR,\n"
         "a2,Mario,NOT APPROVED,P2P,\"25 lug 2026. 10:00:00\",\"5,00\",EUR,\n"
         "a3,Ricarica,APPROVED,BANK,\"3 agosto 2026\",\"30,40 \",EUR,\n",
         "Conto non indicato · dal 24/07/2026 al 03/08/2026 · 2 movimenti\n"
         "x|24/07/26|Bar Roma|C2B||3,40|nuovo\nx|03/08/26|Ricarica|BANK|30,40||nuovo\n  \n"},
        {"abbreviated.csv",
         "\"Saldo Iniziale\",\"627,89 EUR\",\"Saldo Finale\",\"627,10 EUR\"\n"
         "Data Op.,Data Val.,Causale,Descrizione,Importo,Div.\n"
         "03/03/2026,03/03/2026,POS,Bar Roma,\"-0,79\",EUR\n",
         "Conto non indicato · dal 03/03/2026 al 03/03/2026 · 1 movimento\n"
         "x|03/03/26|Bar Roma|POS||0,79|nuovo\n627,89 627,10 627,89\n"},
        {"no statements.zip", archivio({{"leggimi.txt", "Estratti conto di marzo"}}),
         "Il file FILE non è un estratto conto leggibile: il file zip non contiene estratti "
         "conto."},
        {"typo.txt", "Data;Descrizione;Importo\r\n03/02/2026;Bonifico;1.5x0,75\r\n",
         "Il file FILE non è un estratto conto leggibile: Riga 2: importo non valido."},
        {"movimenti.xls", cartella, letta},
        // Beside it, a file of the same container that is no workbook, as Windows leaves in
        // a folder of pictures.
        {"estratti.zip", archivio({{"Thumbs.db", altro}, {"marzo/movimenti.xls", cartella}}),
         letta},
        {"1904.xls", dal1904,
         "Il file FILE non è un estratto conto leggibile: Riga 9: data non valida (\"46088\")."},
        {"cut.xls", cartella.first(cartella.size() / 2),
         "Il file FILE non è un estratto conto leggibile: il file Excel 97-2003 è danneggiato."},
    };
    for (const auto &c : casi) {
        const QStringList prima = QDir(cartellalocale()).entryList(QDir::Files);
        EXPECT_EQ(importa(principale, cartellautente() + "/" + c.file, c.dati).toStdString(),
                  c.atteso.toStdString())
            << c.file;
        if (c.atteso.startsWith("Il file")) { // nothing written, not even a month
            EXPECT_EQ(QDir(cartellalocale()).entryList(QDir::Files), prima) << c.file;
        }
    }
    // Nothing of the copy freexl read is left behind.
    EXPECT_EQ(QDir::temp().entryList({"quaderola-*.xls"}).join(' ').toStdString(), "");
}

TEST(Formimporta, AZipOfDailyStatementsAndTheBookAccountItWentInto)
{
    const QString dati = nuovoarchivio({"Alfa"});
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    const QString banche = dati + "/banche.txt";
    scrivibyte(banche, "senza punto e virgola\r\n\x01\xFF;\r\n"); // damaged: nothing remembered
    Formprincipale principale;
    stato().annogestione = "26";
    auto voce = [](const char *importo, const char *giorno, const char *nome) {
        return QByteArray("<Ntry><Amt Ccy=\"EUR\">") + importo +
               "</Amt><CdtDbtInd>DBIT"
               "</CdtDbtInd><Sts>BOOK</Sts><BookgDt><Dt>2026-03-" +
               giorno +
               "</Dt></BookgDt>"
               "<AddtlNtryInf>" +
               nome + "</AddtlNtryInf></Ntry>";
    };
    // The later day first in the archive: the statements are put in date order.
    scrivibyte(cartellautente() + "/marzo.zip",
               archivio({{"0305.xml", camt("05", "90.00", "85.00", voce("5", "05", "Bar"))},
                         {"0302.xml", camt("02", "100.00", "90.00", voce("10", "02", "Enel"))}}));
    scegli(cartellautente() + "/marzo.zip");
    quandomodale([&](QWidget *w) {
        auto *f = qobject_cast<Formimporta *>(w);
        auto *l = f->findChild<QListWidget *>("Lista");
        EXPECT_EQ(l->currentItem()->text(), "CASSA"); // the toolbar's, the file being damaged
        clicca(l, 1);
        EXPECT_EQ(vista(*f).toStdString(),
                  "IT60 X054 2811 1010 0000 0123 456 · dal 02/03/2026 al 05/03/2026 · 2 "
                  "movimenti\nx|02/03/26|Enel|Estratto conto||10,00|nuovo\n"
                  "x|05/03/26|Bar|Estratto conto||5,00|nuovo\n100,00 85,00 100,00");
        clicca(f, "registra");
    });
    clicca(&principale, "importa");
    EXPECT_EQ(leggibyte(banche), "IT60X0542811101000000123456;Banca\r\n"
                                 "=IT60X0542811101000000123456;3;Banca\r\n");
}
