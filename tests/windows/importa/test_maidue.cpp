#include "app/formprincipale.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/quadrature.h"
#include "support/finestre.h"
#include "support/importa.h"
#include "windows/importa/formimporta.h"
#include "windows/riconcilia/formriconcilia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QTableWidget>

namespace {

// A statement file the main window's "importa" is answered with.
void scegliestratto(const QByteArray &righe)
{
    const QString file = cartellautente() + "/estratto.csv";
    scrivibyte(file, "Data contabile;Data valuta;Descrizione;Importo (EUR)\r\n" + righe);
    scegli(file);
}

} // namespace

// A movement the bank never confirmed pairs with a later row of its value up to 90 days on, the
// nearest row first, never with an earlier one; so the cheque left open by March and cashed on
// 2/4 is to be checked in April, and the reconciliation, the account started from the bank's
// opening balance, agrees once it is ticked.
TEST(Maidue, AChequeCashedWeeksLaterIsToBeCheckedNeverBookedAgain)
{
    nuovoarchivio({"Alfa"});
    scrivimese(1, {mov(1, 1, 10 * euro), mov(1, 1, 11 * euro)});
    scrivimese(3, {mov(20, 1, 12 * euro), mov(1, 1, 13 * euro), mov(1, 1, 14 * euro)});
    ASSERT_TRUE(registraconferme("c:", 1, 2, {{2026, 3, 2, 1, 1, 13 * euro}}));
    apri(2);
    EXPECT_EQ(stati(Formimporta(estratto({riga(1, 4, -10 * euro), riga(2, 4, -11 * euro),
                                          riga(15, 3, -12 * euro), riga(20, 3, -13 * euro),
                                          riga(31, 3, -14 * euro), riga(21, 3, -14 * euro)}))),
              "-da verificare,xnuovo,xnuovo,xnuovo,xnuovo,-da verificare");

    nuovoarchivio({"Alfa"});
    scrivimese(3, {mov(10, 1, 200 * euro, "Assegno n. 123", 2, 1, "Rossi srl")});
    apri(2);
    // Nothing booked up to the first row: the bank's opening balance may start the account,
    // booked on that date and confirmed; then never again.
    const Estratto e =
        estratto({riga(5, 3, 10 * euro)}, 500 * euro, 510 * euro, QDate(2026, 3, 31));
    Formimporta marzo(e);
    auto *apertura = marzo.findChild<QCheckBox *>("saldoapertura");
    EXPECT_TRUE(!apertura->isHidden() && !apertura->isChecked());
    EXPECT_EQ(testo(&marzo, "differenza"), "700,00");
    apertura->setChecked(true);
    EXPECT_EQ(testo(&marzo, "differenza"), "200,00"); // the cheque
    clicca(&marzo, "registra");
    EXPECT_EQ(movimento::decodifica(leggibyte(cartellalocale() + "/mov0326").constData() + 2 * 118),
              mov(5, 0, 500 * euro, "Saldo iniziale", 2, 1, "Estratto conto"));
    EXPECT_TRUE(Formimporta(e).findChild<QCheckBox *>("saldoapertura")->isHidden());
    Formimporta(estratto({riga(2, 4, -200 * euro)}, {}, 310 * euro, QDate(2026, 4, 30))).registra();
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0426").size(), 0);
    Formimporta aprile(estratto({riga(2, 4, -200 * euro)}));
    EXPECT_EQ(stati(aprile), "-da verificare");
    EXPECT_EQ(aprile.findChild<QTableWidget *>("griglia")->item(0, 6)->toolTip(),
              "Forse: 10/03 Assegno n. 123 Rossi srl 200,00");
    Formriconcilia r;
    EXPECT_EQ(testo(&r, "esito"), "Restano da spiegare -200,00");
    r.findChild<QTableWidget *>("aperti")->item(0, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(testo(&r, "esito"), "Il conto quadra con la banca al 30/04/2026");
}

// A statement from 1/12 to 5/1: every row goes into its own year, from either year, before the
// balance was carried or after; the import brings the carry up to date and says where it wrote.
TEST(Maidue, RowsAcrossTheYearsEndGoIntoTheirOwnYearAndTheCarryFollows)
{
    for (const char *anno : {"26", "27"})
        for (const char *riportato : {"28", "27"}) { // the last one carried into 2027
            nuovoarchivio({"Alfa"});
            scrivimese(11, {mov(2, 0, 900 * euro)});
            scrivimese(1, {mov(1, 0, 900 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026")}, riportato);
            apri(2, anno);
            Formimporta f(
                estratto({riga(10, 12, -30 * euro), riga(3, 1, -50 * euro, "Banca", 2027)},
                         900 * euro, 820 * euro, QDate(2027, 1, 5)));
            EXPECT_EQ(stati(f) + testo(&f, "differenza").toStdString(), "xnuovo,xnuovo0,00")
                << anno << riportato;
        }
    Formprincipale principale;
    apri(2, "26");
    scegliestratto("10/12/2026;10/12/2026;Canone;-30,00\r\n03/01/2027;03/01/2027;Bollo;-50,00\r\n");
    quandomodale([](QWidget *w) { clicca(w, "registra"); });
    clicca(&principale, "importa");
    EXPECT_EQ(testo(&principale, "esitoimport"),
              "Importato 1 movimento nel conto CASSA (2026). Saldo riportato al 2027 aggiornato: "
              "870,00. Importato 1 movimento nel conto CASSA (2027).");
    EXPECT_EQ(stato().annogestione + QString::number(stato().mesecorrente), "271");
    const QByteArray gennaio = leggibyte(cartellalocale() + "/mov0127");
    ASSERT_EQ(gennaio.size(), 2 * 118);
    EXPECT_EQ(movimento::decodifica(gennaio.constData()),
              mov(1, 0, 870 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026"));
    clicca(&principale, "aprimese_2");
    EXPECT_TRUE(principale.findChild<QLabel *>("esitoimport")->isHidden());
}

// Three bank accounts, one in francs: each euro one in turn in one opening, the franc one keeping
// nothing, "Annulla" on a later one leaving what was imported.
TEST(Maidue, EveryBankAccountOfAFileAndOnlyEuroStatementsKept)
{
    nuovoarchivio({"Alfa"});
    apri(2);
    Estratto chf = estratto({riga(4, 3, -5 * euro)}, {}, {}, {}, "CH93");
    chf.righe[0].valuta = chf.valuta = "CHF";
    Formimporta f({estratto({riga(2, 3, 10 * euro)}, {}, 10 * euro, {}, "IT60A"),
                   estratto({riga(3, 3, 20 * euro)}, {}, {}, {}, "IT60B"), chf});
    f.show();
    auto *c = f.findChild<QComboBox *>("contibanca");
    c->setCurrentIndex(2);
    for (int atteso : {0, 1}) {
        clicca(&f, "registra");
        EXPECT_TRUE(f.isVisible() && c->currentIndex() == atteso) << atteso;
    }
    clicca(&f, "annulla");
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0326").size(), 118);
    Conferme kept;
    ASSERT_TRUE(leggiconferme("c:", 1, 2, kept));
    ASSERT_EQ(kept.estratti.size(), 1);
    EXPECT_EQ(kept.estratti[0].banca, "IT60A");
}

// An imported movement deleted by mistake: its row is not offered as new while the deletion can
// be taken back, and once the row is booked again the restore is refused.
TEST(Maidue, DeleteReimportRestoreNeverBooksTheBanksMovementTwice)
{
    nuovoarchivio({"Alfa"});
    Formprincipale principale;
    apri(2);
    for (const char *atteso : {"xnuovo", "-da verificare"}) {
        scegliestratto("05/03/2026;05/03/2026;Bonifico;100,00\r\n");
        quandomodale([&](QWidget *w) {
            EXPECT_EQ(stati(*w), atteso);
            w->findChild<QTableWidget *>("griglia")->item(0, 0)->setCheckState(Qt::Checked);
            clicca(w, "registra");
        });
        clicca(&principale, "importa");
        QTest::mousePress(principale.findChild<QLabel *>("descri1_0"), Qt::LeftButton);
        principale.findChild<QMenu *>("opemov")->hide();
        if (atteso[0] == 'x') {
            accettamessaggio();
            clicca(&principale, "cancellamovimento");
        }
    }
    EXPECT_EQ(messaggio([&] { clicca(&principale, "ripristinamovimento"); }),
              "Il movimento è già stato reimportato dall'estratto conto.");
    EXPECT_EQ(movimento::segno(leggibyte(cartellalocale() + "/mov0326").constData()),
              movimento::cancellato);
}

// The book account kept for a bank account follows a rename and never goes to an account given
// the old name later; one no longer in the list is no choice; an older version's line, by name.
TEST(Maidue, TheBookAccountKeptFollowsARename)
{
    const QString banche = nuovoarchivio({"Alfa"}) + "/banche.txt";
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    Formprincipale principale;
    const auto scelto = [](qint64 importo) {
        apri(2);
        Formimporta f(estratto({riga(5, 3, importo)}, {}, {}, {}, "IT60X"));
        auto *l = f.findChild<QListWidget *>("Lista");
        const QString nome = l->currentItem() ? l->currentItem()->text() : "";
        clicca(l, 1);
        clicca(&f, "registra");
        return nome.toStdString();
    };
    EXPECT_EQ(scelto(10 * euro), "CASSA");
    clicca(&principale, "Toolbar1_3");
    rispondiinput("Conto");
    clicca(&principale, "rinominatipo");
    rispondiinput("Banca");
    clicca(&principale, "aggiungitipo");
    EXPECT_EQ(scelto(20 * euro), "Conto");
    for (const auto &[kept, atteso] :
         {std::pair{"IT60X;Banca\r\n=IT60X;9;Banca\r\n", ""}, {"IT60X;Banca\r\n", "Banca"}}) {
        scrivibyte(banche, kept);
        EXPECT_EQ(scelto(0), atteso) << kept;
    }
}
