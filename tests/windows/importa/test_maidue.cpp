#include "app/formprincipale.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/quadrature.h"
#include "support/finestre.h"
#include "windows/importa/formimporta.h"
#include "windows/riconcilia/formriconcilia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>

namespace {

RigaEstratto riga(int g, int m, int a, qint64 importo, const QString &d1 = "Banca")
{
    return {QDate(a, m, g), importo, d1, ""};
}

// Check mark ("x", "-" unchecked, " " not checkable) and Stato of every row.
std::string stati(const QWidget &f)
{
    const auto *g = f.findChild<QTableWidget *>("griglia");
    QStringList s;
    for (int r = 0; r < g->rowCount(); ++r) {
        const QTableWidgetItem *c = g->item(r, 0);
        s << QString(!(c->flags() & Qt::ItemIsUserCheckable) ? " "
                     : c->checkState() == Qt::Checked        ? "x"
                                                             : "-") +
                 g->item(r, 6)->text();
    }
    return s.join(',').toStdString();
}

void apri(qint16 conto, const QString &anno = "26")
{
    Stato &s = stato();
    s.annogestione = anno, s.dittacorrente = 1, s.contocorrente = conto;
}

} // namespace

// A movement the bank has not confirmed pairs with a later row of its value up to 90 days on,
// the nearest row first, never with a row before it; then the cheque of the guide: left open by
// March, cashed on 2/4, to be checked in April, and the reconciliation agreeing once ticked.
TEST(Maidue, AChequeCashedWeeksLaterIsToBeCheckedNeverBookedAgain)
{
    nuovoarchivio({"Alfa"});
    scrivimese(1, {mov(1, 1, 10 * euro), mov(1, 1, 11 * euro)});
    scrivimese(3, {mov(20, 1, 12 * euro), mov(1, 1, 13 * euro), mov(1, 1, 14 * euro)});
    ASSERT_TRUE(registraconferme("c:", 1, 2, {{2026, 3, 2, 1, 1, 13 * euro}}));
    apri(2);
    Formimporta casi(Estratto{{riga(1, 4, 2026, -10 * euro), riga(2, 4, 2026, -11 * euro),
                               riga(15, 3, 2026, -12 * euro), riga(20, 3, 2026, -13 * euro),
                               riga(31, 3, 2026, -14 * euro), riga(21, 3, 2026, -14 * euro)},
                              {},
                              {},
                              {}});
    EXPECT_EQ(stati(casi), "-da verificare,xnuovo,xnuovo,xnuovo,xnuovo,-da verificare");

    nuovoarchivio({"Alfa"});
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    const QString marzo =
        scrivimese(3, {mov(10, 1, 200 * euro, "Assegno n. 123", 3, 1, "Rossi srl")});
    apri(3);
    const auto importa = [](const Estratto &e, const std::string &atteso, const QString &forse) {
        Formimporta f(e);
        EXPECT_EQ(stati(f), atteso);
        EXPECT_EQ(f.findChild<QTableWidget *>("griglia")->item(0, 6)->toolTip(), forse);
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
    };
    importa({{riga(5, 3, 2026, 500 * euro)}, 0, 500 * euro, QDate(2026, 3, 31)}, "xnuovo", "");
    importa({{riga(2, 4, 2026, -200 * euro, "Assegno 123")},
             500 * euro,
             300 * euro,
             QDate(2026, 4, 30)},
            "-da verificare", "Forse: 10/03 Assegno n. 123 Rossi srl 200,00");
    EXPECT_EQ(leggibyte(marzo).size(), 2 * 118);
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0426").size(), 0);
    Formriconcilia r;
    EXPECT_EQ(testo(&r, "esito"), "Restano da spiegare -200,00");
    r.findChild<QTableWidget *>("aperti")->item(0, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(testo(&r, "esito"), "Il conto quadra con la banca al 30/04/2026");
}

// A statement from 1/12 to 5/1: every row goes into its own year, from either year, before the
// balance was carried or after; the import brings the carry up to date and says where it wrote.
TEST(Maidue, RowsAcrossTheYearsEndGoIntoTheirOwnYearAndTheCarryFollows)
{
    const Estratto e{{riga(10, 12, 2026, -30 * euro), riga(3, 1, 2027, -50 * euro)},
                     900 * euro,
                     820 * euro,
                     QDate(2027, 1, 5)};
    for (const char *anno : {"26", "27"})
        for (bool riportato : {false, true}) {
            SCOPED_TRACE(testing::Message() << anno << riportato);
            nuovoarchivio({"Alfa"});
            scrivimese(11, {mov(2, 0, 900 * euro)});
            scrivimese(1, {mov(1, 0, 900 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026")},
                       riportato ? "27" : "28");
            apri(2, anno);
            Formimporta f(e);
            EXPECT_EQ(stati(f), "xnuovo,xnuovo");
            EXPECT_EQ(testo(&f, "differenza"), "0,00");
        }
    Formprincipale principale;
    apri(2, "26");
    const QString file = cartellautente() + "/dicembre.csv";
    scrivibyte(file,
               "Data contabile;Data valuta;Descrizione;Importo (EUR)\r\n"
               "10/12/2026;10/12/2026;Canone;-30,00\r\n03/01/2027;03/01/2027;Bollo;-50,00\r\n");
    scegli(file);
    quandomodale([](QWidget *w) { clicca(w, "registra"); });
    clicca(&principale, "importa");
    EXPECT_EQ(testo(&principale, "esitoimport"),
              "Importato 1 movimento nel conto CASSA (2026). Saldo riportato al 2027 aggiornato: "
              "870,00. Importato 1 movimento nel conto CASSA (2027).");
    EXPECT_EQ(stato().annogestione, "27");
    EXPECT_EQ(stato().mesecorrente, 1);
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov1226").size(), 118);
    const QByteArray gennaio = leggibyte(cartellalocale() + "/mov0127");
    ASSERT_EQ(gennaio.size(), 2 * 118);
    EXPECT_EQ(movimento::decodifica(gennaio.constData()),
              mov(1, 0, 870 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026"));
    clicca(&principale, "aprimese_2");
    EXPECT_TRUE(principale.findChild<QLabel *>("esitoimport")->isHidden());
}

// A file of three bank accounts, one in francs: each euro account in turn in one opening, the
// franc one keeping nothing, and "Annulla" on a later one leaving what was imported.
TEST(Maidue, EveryBankAccountOfAFileAndOnlyEuroStatementsKept)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    RigaEstratto franchi = riga(4, 3, 2026, -5 * euro);
    franchi.valuta = "CHF";
    Estratto chf{{franchi}, {}, {}, {}, "CH9300762011623852957", "CHF"};
    Formimporta f({Estratto{{riga(2, 3, 2026, 10 * euro)}, {}, 10 * euro, {}, "IT60A"},
                   Estratto{{riga(3, 3, 2026, 20 * euro)}, {}, {}, {}, "IT60B"}, chf});
    f.show();
    auto *c = f.findChild<QComboBox *>("contibanca");
    c->setCurrentIndex(2);
    for (int atteso : {0, 1}) {
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(c->currentIndex(), atteso);
    }
    clicca(&f, "annulla");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0326").size(), 118);
    Conferme kept;
    ASSERT_TRUE(leggiconferme("c:", 1, 2, kept));
    ASSERT_EQ(kept.estratti.size(), 1);
    EXPECT_EQ(kept.estratti[0].banca, "IT60A");
}

// An imported movement deleted by mistake: the statement's row is not offered as new while the
// deletion can be taken back, and once the row is booked again the restore is refused.
TEST(Maidue, DeleteReimportRestoreNeverBooksTheBanksMovementTwice)
{
    nuovoarchivio({"Alfa"});
    Formprincipale principale;
    apri(2);
    const QString file = cartellautente() + "/marzo.csv";
    scrivibyte(file, "Data contabile;Data valuta;Descrizione;Importo (EUR)\r\n"
                     "05/03/2026;05/03/2026;Bonifico;100,00\r\n");
    const auto importa = [&](const std::string &atteso) {
        scegli(file);
        quandomodale([&](QWidget *w) {
            EXPECT_EQ(stati(*w), atteso);
            w->findChild<QTableWidget *>("griglia")->item(0, 0)->setCheckState(Qt::Checked);
            clicca(w, "registra");
        });
        clicca(&principale, "importa");
    };
    importa("xnuovo");
    clicca(&principale, "aprimese_3");
    QTest::mousePress(principale.findChild<QLabel *>("descri1_0"), Qt::LeftButton);
    principale.findChild<QMenu *>("opemov")->hide();
    accettamessaggio();
    clicca(&principale, "cancellamovimento");
    importa("-da verificare");
    EXPECT_EQ(messaggio([&] { clicca(&principale, "ripristinamovimento"); }),
              "Il movimento è già stato reimportato dall'estratto conto.");
    const QByteArray marzo = leggibyte(cartellalocale() + "/mov0326");
    ASSERT_EQ(marzo.size(), 2 * 118);
    EXPECT_EQ(movimento::segno(marzo.constData()), movimento::cancellato);
}

// The book account kept for a bank account follows it through a rename; an account given the
// old name later never takes it; one no longer in the list, or kept by an older version that
// chose another account since, is found by name or not at all.
TEST(Maidue, TheBookAccountKeptFollowsARename)
{
    const QString banche = nuovoarchivio({"Alfa"}) + "/banche.txt";
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    Formprincipale principale;
    apri(2);
    const auto scelto = [](qint64 importo) {
        Formimporta f(Estratto{{riga(5, 3, 2026, importo)}, {}, {}, {}, "IT60X"});
        auto *l = f.findChild<QListWidget *>("Lista");
        const QString nome = l->currentItem() ? l->currentItem()->text() : "";
        if (nome.isEmpty() || nome == "CASSA")
            clicca(l, 1);
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
        return nome.toStdString();
    };
    EXPECT_EQ(scelto(10 * euro), "CASSA");
    clicca(&principale, "Toolbar1_3");
    rispondiinput("Conto");
    clicca(&principale, "rinominatipo");
    rispondiinput("Banca");
    clicca(&principale, "aggiungitipo");
    apri(2);
    EXPECT_EQ(scelto(20 * euro), "Conto");
    for (const auto &[kept, atteso] : {std::pair{"IT60X;Banca\r\n", "Banca"},
                                       {"IT60X;Banca\r\n=IT60X;9;Banca\r\n", ""},
                                       {"IT60X;Banca\r\n=IT60X;3;Conto\r\n", "Banca"}}) {
        scrivibyte(banche, kept);
        EXPECT_EQ(scelto(0), atteso) << kept;
    }
}

// An account with nothing before the statement may start from the bank's opening balance,
// booked on the statement's first date and confirmed, so the reconciliation agrees.
TEST(Maidue, TheBanksOpeningBalanceAsTheFirstMovement)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    const Estratto e{{riga(5, 3, 2026, 10 * euro)}, 500 * euro, 510 * euro, QDate(2026, 3, 31)};
    Formimporta f(e);
    auto *apertura = f.findChild<QCheckBox *>("saldoapertura");
    ASSERT_FALSE(apertura->isHidden());
    EXPECT_FALSE(apertura->isChecked());
    EXPECT_EQ(testo(&f, "differenza"), "500,00");
    apertura->setChecked(true);
    EXPECT_EQ(testo(&f, "differenza"), "0,00");
    EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
    const QByteArray marzo = leggibyte(cartellalocale() + "/mov0326");
    ASSERT_EQ(marzo.size(), 2 * 118);
    EXPECT_EQ(movimento::decodifica(marzo.constData() + 118),
              mov(5, 0, 500 * euro, "Saldo iniziale", 2, 1, "Estratto conto"));
    const Formriconcilia r;
    EXPECT_EQ(testo(&r, "esito"), "Il conto quadra con la banca al 31/03/2026");
    EXPECT_TRUE(Formimporta(e).findChild<QCheckBox *>("saldoapertura")->isHidden());
}
