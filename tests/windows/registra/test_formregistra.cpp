#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/finestre.h"
#include "windows/registra/formregistra.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QClipboard>
#include <QCompleter>
#include <QGuiApplication>
#include <QStringListModel>

namespace {

QString salva(QWidget *f)
{
    return messaggio([f] { clicca(f, "registra"); });
}

QList<Movimento> letti(int m, const QString &anno = "08")
{
    QList<Movimento> l;
    EXPECT_TRUE(leggimovimenti(percorsomese("c:", m, anno), l));
    return l;
}

struct Registra : ::testing::Test {
    QString dati = nuovoarchivio();
    std::unique_ptr<Formregistra> f;
    void SetUp() override
    {
        stato().annogestione = "08";
        stato().dittacorrente = 3;
        scrivibyte(dati + "/listconto",
                   "BANCA" + QByteArray(45, ' ') + "POSTA" + QByteArray(45, ' '));
    }
    Formregistra *nuova() { return (f = std::make_unique<Formregistra>())->show(), f.get(); }
    QCalendarWidget *cale() const { return f->findChild<QCalendarWidget *>("cale"); }
};

} // namespace

// One window after the other: only the first failing check shows and keeps what was typed;
// an accepted movement goes to the month of its date with the sign and account picked.
TEST_F(Registra, NewMovementIsCheckedInOrderAndGoesToTheMonthOfItsDate)
{
    stato().numerocontattoscelto = 9; // left over from an earlier window
    nuova();
    const QDate marzo(2008, 3, 5);
    const std::tuple<const char *, const char *, const char *, QDate, const char *> casi[] = {
        {"", "", "", marzo, "Manca la Prima Descrizione!"},
        {"   ", "Saldo", "5", marzo, "Manca la Prima Descrizione!"},
        {"Fattura", "  ", "5", marzo, "Manca la Seconda Descrizione!"},
        {"Fattura", "Saldo", "99999999999999999999", marzo, "Importo troppo grande!"},
        {"Fattura", "Saldo", "5", QDate(2009, 3, 5),
         "Anno errato! Puoi modificare solo il giorno."},
        {"Fattura", "Saldo", "-7", marzo, ""},
        {"  Fattura 12  ", "Saldo", "15", QDate(2008, 11, 30), ""},
    };
    for (const auto &[d1, d2, importo, data, atteso] : casi) {
        compila(nuova(), d1, d2, importo, data);
        clicca(f->findChild<QListWidget *>("List1"), 1);
        clicca(f->findChild<QListWidget *>("List2"), 2);
        EXPECT_EQ(salva(f.get()), atteso) << d1 << "|" << d2 << "|" << importo;
        EXPECT_TRUE(!*atteso || (f->isVisible() && testo(f.get(), "testimporto") == importo));
    }
    EXPECT_EQ(letti(3), QList<Movimento>{mov(5, 1, -70000, "Fattura", 4, 3, "Saldo")});
    EXPECT_EQ(letti(11), QList<Movimento>{mov(30, 1, 150000, "Fattura 12", 4, 3, "Saldo")});

    // Paste, select-all and cut never reach the amount either.
    QLineEdit *importo = nuova()->findChild<QLineEdit *>("testimporto");
    QGuiApplication::clipboard()->setText("777");
    QTest::keyClicks(importo, "12");
    for (auto tasto : {Qt::Key_V, Qt::Key_A, Qt::Key_X})
        QTest::keyClick(importo, tasto, Qt::ControlModifier);
    QTest::keyClick(importo, Qt::Key_Insert, Qt::ShiftModifier); // the other paste, no text
    QTest::keyClick(importo, Qt::Key_Backspace);
    EXPECT_EQ(importo->text(), "1");
}

// An amount typed the Italian way is the amount meant, one with a point too; a slip of the finger
// is refused before the zero and year tests, kept as typed, the focus on it to mend. A modified
// movement saved untouched keeps its bytes.
TEST_F(Registra, TypedAmountIsReadTheItalianWayAndASlipIsRefused)
{
    // "text=ten-thousandths stored" split by "|"; "?" is refused as no amount, "0" as zero.
    const QString casi = "245,80=2458000|1.250,00=12500000|12.345.678,5=123456785000|12.5=125000|"
                         "-.5=-5000|0,05=500|0,0005=5|1.2.3=?|5-3=?|1,2,3=?|1.25,00=?|"
                         "12,34567=?|0.0.0=?|-=0|=0";
    for (const QString &caso : casi.split('|')) {
        SCOPED_TRACE(caso.toStdString());
        const QString importo = caso.section('=', 0, 0), atteso = caso.section('=', 1);
        compila(nuova(), "Fattura", "Saldo", importo, QDate(2009, 3, 5));
        if (atteso == "?" || atteso == "0") {
            EXPECT_EQ(salva(f.get()),
                      atteso == "0" ? "Importo pari a Zero!" : "Importo non valido!");
            EXPECT_TRUE(f->isVisible() && testo(f.get(), "testimporto") == importo &&
                        (atteso == "?") == (f->focusWidget()->objectName() == "testimporto"));
            continue;
        }
        cale()->setSelectedDate(QDate(2008, 3, 5));
        EXPECT_EQ(salva(f.get()), "");
        EXPECT_EQ(letti(3).last().importo, atteso.toLongLong());
    }

    scrivimese(3, {mov(5, 1, -12505000, "Affitto", 2, 3, "Sede")}, "08");
    const QByteArray prima = leggibyte(percorsomese("c:", 3, "08"));
    stato().movimentocorrente = {1, 5, 3, -12505000, "Affitto", "Sede", 1, 2, 0};
    EXPECT_EQ(testo(nuova(), "testimporto"), "-1250.50");
    EXPECT_EQ(salva(f.get()), "");
    EXPECT_EQ(leggibyte(percorsomese("c:", 3, "08")), prima);
}

// Only the day can change; the sign, the account and the contact stay unless changed.
TEST_F(Registra, ModifiedMovementIsRewrittenInPlaceWithinItsMonthAndKeepsItsContact)
{
    const Movimento m{5, "Primo", "Dopo", 1, 12345678, 3, 3, 7}; // 1234.5678, contact 7
    scrivimese(3, {m, m, m}, "08");
    stato().movimentocorrente = {2, 5, 3, m.importo, m.descrizione1, m.descrizione2, 1, 3, 7};
    // The screen was loaded from "c:", another root chosen since: the row stays where it was read.
    stato().filtrotabella = stato().filtro();
    stato().percorso = QDir::homePath() + "/altra/";
    nuova();
    EXPECT_TRUE(f->findChild<QLineEdit *>("Text1_0")->isReadOnly()); // the contact's name
    cale()->setSelectedDate(QDate(2008, 4, 5));
    EXPECT_EQ(salva(f.get()), "Mese errato! Puoi modificare solo il giorno.");
    cale()->setSelectedDate(QDate(2008, 3, 20));
    EXPECT_EQ(salva(f.get()), "");
    const Movimento atteso{20, "Primo", "Dopo", 1, 12345700, 3, 3, 7}; // the amount as shown
    EXPECT_EQ(letti(3), QList<Movimento>({m, atteso, m}));
    EXPECT_EQ(stato().numerocontattoscelto, 0);

    // A damaged day past the month's end shows the month's last day, in the year shown.
    stato().movimentocorrente.giorno = 31;
    stato().movimentocorrente.mese = 2;
    stato().annogestione = "35";
    EXPECT_EQ(nuova()->findChild<QCalendarWidget *>("cale")->selectedDate(), QDate(2035, 2, 28));
}

// The main window's commands: both need their selection, a modified movement is forgotten
// after its window, a new one clears the search and never rewrites a left-over number.
TEST(ComandiMovimento, ModifyTakesTheSelectedRowAndNewNeedsACompanyAndAppends)
{
    nuovacasa();
    Formprincipale f;
    Stato &s = stato();
    EXPECT_EQ(messaggio([&] { clicca(&f, "nuovo"); }), "Selezionare una Ditta per continuare");
    s.dittacorrente = 1;
    const Movimento m{5, "Affitto", "Marzo", 1, 250000, 2, 1, 0};
    scrivimese(3, {m, m}, s.annogestione);
    s.tabellamese.righe[1] = {2, 5, 3, {"Affitto", "Marzo"}, 250000, 1, 0, 2, 0};
    s.tabellamese.numerorighe = 1;
    s.ricerca[1] = "Marzo";
    f.rigaselezionata = 3; // an empty row
    EXPECT_EQ(messaggio([&] { clicca(&f, "modificamovimento"); }), "Selezionare Movimento");

    f.rigaselezionata = 1;
    auto rispondi = [](const QString &d1, const QString &d2, const QString &importo) {
        quandomodale([=](QWidget *w) {
            compila(w, d1, d2, importo, QDate());
            EXPECT_EQ(salva(w), "");
            w->close();
        });
    };
    rispondi(" sede", "", "");
    clicca(&f, "modificamovimento");
    // Forgotten afterwards; a filtered view stays filtered.
    EXPECT_TRUE(s.movimentocorrente.numero == 0 && f.rigaselezionata == 0);
    EXPECT_EQ(s.ricerca[1], "Marzo");
    EXPECT_EQ(letti(3, s.annogestione),
              QList<Movimento>({m, mov(5, 1, 250000, "Affitto sede", 2, 1, "Marzo")}));

    s.movimentocorrente.numero = 4; // left over: a new movement must not rewrite it
    rispondi("Incasso", "Contanti", "40");
    clicca(&f, "nuovo");
    EXPECT_EQ(s.ricerca[1], "");
    EXPECT_EQ(letti(oggi().month(), s.annogestione).last().importo, 400000);
}

// The year's descriptions of the company are offered, the most frequent first and one per
// spelling; Enter on the list picks one (the address book stays closed) and it is saved. A box
// locked to a contact offers nothing.
TEST_F(Registra, DescriptionsOfTheYearAreOfferedAndThePickIsSaved)
{
    scrivimese(2,
               {mov(1, 0, euro, "Acqua", 2, 3, "Bolletta"), mov(1, 0, euro, "AFFITTO", 2, 3, "x"),
                mov(2, 0, euro, "Affitto", 2, 3, "x"), mov(3, 0, euro, "Affari", 2, 1),
                mov(4, 2, euro, "Affrancatura", 2, 3)},
               "08");
    nuova();
    auto *d1 = f->findChild<QLineEdit *>("Text1_0");
    QStringList offerte[2];
    for (int i = 0; i < 2; ++i)
        offerte[i] =
            qobject_cast<QStringListModel *>(
                f->findChild<QCompleter *>(QStringLiteral("suggerimenti_%1").arg(i))->model())
                ->stringList();
    EXPECT_EQ(offerte[0], QStringList({"AFFITTO", "Acqua"}));
    EXPECT_EQ(offerte[1], QStringList({"x", "Bolletta"}));

    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    d1->setFocus(); // the box takes the picked text once it has the focus
    QTest::keyClicks(d1, "af");
    QAbstractItemView *elenco = d1->completer()->popup();
    ASSERT_TRUE(elenco->isVisible());
    QTest::keyClick(elenco, Qt::Key_Down);
    quandomodale([](QWidget *w) { ADD_FAILURE() << "aperta " << w->objectName().toStdString(); });
    QTest::keyClick(elenco, Qt::Key_Return);
    EXPECT_EQ(scartarisposte(), 1);
    compila(f.get(), "", "Rata", "12", QDate(2008, 3, 5));
    EXPECT_EQ(salva(f.get()), "");
    EXPECT_EQ(letti(3), QList<Movimento>{mov(5, 0, 12 * euro, "AFFITTO", 2, 3, "Rata")});

    stato().movimentocorrente = {1, 1, 2, euro, "Acqua", "Bolletta", 0, 2, 4};
    EXPECT_EQ(nuova()->findChild<QLineEdit *>("Text1_0")->completer(), nullptr);
}
