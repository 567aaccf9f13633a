#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/finestre.h"
#include "windows/registra/formregistra.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>

namespace {

// Picks the date (unless invalid) and types the descriptions and the amount, as a user would.
void compila(QWidget *f, const QString &d1, const QString &d2, const QString &importo,
             const QDate &data = QDate(2008, 3, 5))
{
    if (data.isValid())
        f->findChild<QCalendarWidget *>("cale")->setSelectedDate(data);
    QTest::keyClicks(f->findChild<QLineEdit *>("Text1_0"), d1);
    QTest::keyClicks(f->findChild<QLineEdit *>("Text1_1"), d2);
    QTest::keyClicks(f->findChild<QLineEdit *>("testimporto"), importo);
}

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
    }
    Formregistra *nuova() // a fresh entry window, shown
    {
        (f = std::make_unique<Formregistra>())->show();
        return f.get();
    }
    QCalendarWidget *cale() const { return f->findChild<QCalendarWidget *>("cale"); }
    QListWidget *lista(const char *nome) const { return f->findChild<QListWidget *>(nome); }
};

// Answers the entry window opened by the main window: notes what it was given, types and saves.
void compilaesalva(const QString &d1, const QString &d2, const QString &importo,
                   MovimentoCorrente *visto)
{
    quandomodale([=](QWidget *w) {
        ASSERT_TRUE(qobject_cast<Formregistra *>(w))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        *visto = stato().movimentocorrente;
        compila(w, d1, d2, importo, QDate());
        salva(w);
    });
}

} // namespace

TEST_F(Registra, OnlyTheFirstFailingCheckIsShownAndAmountsAreReadExactly)
{
    const QDate marzo(2008, 3, 5), anno09(2009, 3, 5);
    // A refused save keeps the window and what was typed; an accepted one appends the amount.
    const struct {
        const char *d1, *d2, *importo;
        QDate data;
        const char *messaggio, *mostrato;
        qint64 salvato;
    } casi[] = {
        {"", "", "", marzo, "Manca la Prima Descrizione!", "", 0},
        {"   ", "Saldo", "5", marzo, "Manca la Prima Descrizione!", "5", 0},
        {"Fattura", "  ", "5", marzo, "Manca la Seconda Descrizione!", "5", 0},
        {"Fattura", "Saldo", "", QDate(2009, 1, 1), "Importo pari a Zero!", "", 0},
        {"Fattura", "Saldo", "0.00", marzo, "Importo pari a Zero!", "0.00", 0},
        {"Fattura", "Saldo", "-", marzo, "Importo pari a Zero!", "-", 0},
        {"Fattura", "Saldo", ".", marzo, "Importo pari a Zero!", ".", 0},
        {"Fattura", "Saldo", "0.00001", marzo, "Importo pari a Zero!", "0.00001", 0},
        {"Fattura", "Saldo", "99999999999999999999", marzo, "Importo troppo grande!",
         "99999999999999999999", 0},
        {"Fattura", "Saldo", "5", anno09, "Anno errato! Puoi modificare solo il giorno.", "5", 0},
        {"Fattura", "Saldo", "12.5", marzo, "", "12.5", 125000},
        {"Fattura", "Saldo", "-7", marzo, "", "-7", -70000},
        {"Fattura", "Saldo", "1.2.3", marzo, "", "1.2.3", 12000},
        {"Fattura", "Saldo", "0.15", marzo, "", "0.15", 1500},
        {"Fattura", "Saldo", "1,5", marzo, "", "15", 150000}, // the comma never appears
    };
    QList<qint64> salvati, letto;
    for (const auto &c : casi) {
        compila(nuova(), c.d1, c.d2, c.importo, c.data);
        EXPECT_EQ(testo(f.get(), "testimporto"), c.mostrato);
        EXPECT_EQ(salva(f.get()), c.messaggio) << c.d1 << "|" << c.d2 << "|" << c.importo;
        if (c.salvato)
            salvati.append(c.salvato);
        else
            EXPECT_TRUE(f->isVisible() && testo(f.get(), "Text1_1") == c.d2);
    }
    for (const Movimento &m : letti(3))
        letto.append(m.importo);
    EXPECT_EQ(letto, salvati);

    // Paste, cut, select-all, Enter and a non-ASCII character never reach the amount either.
    QLineEdit *importo = nuova()->findChild<QLineEdit *>("testimporto");
    QGuiApplication::clipboard()->setText("777");
    QTest::keyClicks(importo, "12");
    for (auto tasto : {Qt::Key_V, Qt::Key_A, Qt::Key_X})
        QTest::keyClick(importo, tasto, Qt::ControlModifier);
    QTest::keyClick(importo, Qt::Key_Return);
    QTest::sendKeyEvent(QTest::Click, importo, Qt::Key_unknown, QStringLiteral("€"), {});
    QTest::keyClick(importo, Qt::Key_Backspace);
    EXPECT_EQ(importo->text(), "1");
    EXPECT_TRUE(f->isVisible());
}

TEST_F(Registra, NewMovementStartsOnTodayAndGoesToTheMonthOfItsDate)
{
    scrivibyte(dati + "/listconto", "BANCA" + QByteArray(45, ' ') + "POSTA" + QByteArray(45, ' '));
    stato().numerocontattoscelto = 9; // left over from an earlier window
    nuova();
    EXPECT_EQ(cale()->selectedDate(), oggi());
    EXPECT_EQ(lista("List1")->currentItem()->text(), "ENTRATE");
    EXPECT_EQ(righe(lista("List2")), QStringList({"CASSA", "BANCA", "POSTA"}));
    EXPECT_EQ(lista("List2")->currentRow(), 0);
    EXPECT_EQ(stato().numerocontattoscelto, 0);
    compila(f.get(), "  Fattura 12  ", "Saldo marzo", "12.5", QDate(2008, 11, 30));
    clicca(lista("List1"), 1);
    clicca(lista("List2"), 2);
    EXPECT_EQ(salva(f.get()), "");
    EXPECT_TRUE(letti(3).isEmpty());
    const Movimento atteso{30, "Fattura 12", "Saldo marzo", 1, 125000, 4, 3, 0};
    EXPECT_EQ(letti(11), QList<Movimento>{atteso});
}

TEST_F(Registra, ModifiedMovementIsRewrittenInPlaceWithinItsMonthAndKeepsItsContact)
{
    scrivibyte(dati + "/listconto", QByteArray("BANCA").leftJustified(50));
    const Movimento m{5, "Primo", "Dopo", 1, 12345678, 3, 3, 7}; // 1234.5678, contact 7
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", 3, "08"), m));
    stato().movimentocorrente = {2, 5, 3, m.importo, m.descrizione1, m.descrizione2, 1, 3, 7};
    nuova();
    EXPECT_EQ(cale()->selectedDate(), QDate(2008, 3, 5));
    EXPECT_EQ(testo(f.get(), "Text1_0"), "Primo");
    EXPECT_TRUE(f->findChild<QLineEdit *>("Text1_0")->isReadOnly()); // the contact's name
    EXPECT_EQ(testo(f.get(), "testimporto"), "1234.57");
    EXPECT_EQ(lista("List1")->currentRow(), 1);
    EXPECT_EQ(lista("List2")->currentRow(), 1);
    cale()->setSelectedDate(QDate(2008, 4, 5));
    EXPECT_EQ(salva(f.get()), "Mese errato! Puoi modificare solo il giorno.");
    EXPECT_TRUE(letti(4).isEmpty());
    cale()->setSelectedDate(QDate(2008, 3, 20));
    EXPECT_EQ(salva(f.get()), "");
    Movimento atteso = m;
    atteso.giorno = 20;
    atteso.importo = 12345700; // saved as shown
    EXPECT_EQ(letti(3), QList<Movimento>({m, atteso, m}));
    EXPECT_EQ(stato().numerocontattoscelto, 0);

    // A damaged day past the month's end shows the month's last day.
    stato().movimentocorrente.giorno = 31;
    stato().movimentocorrente.mese = 2;
    EXPECT_EQ(nuova()->findChild<QCalendarWidget *>("cale")->selectedDate(), QDate(2008, 2, 29));
}

TEST_F(Registra, APickLocksTheDescriptionAndACancelledOneUnlocksAndEmptiesIt)
{
    for (const char *nome : {"Bianchi", "Rossi Mario", "Rosa Srl"}) {
        Contatto c;
        c.ragionesociale = nome;
        ASSERT_TRUE(aggiungicontatto("c:", c));
    }
    nuova()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QLineEdit *d1 = f->findChild<QLineEdit *>("Text1_0"),
              *d2 = f->findChild<QLineEdit *>("Text1_1");
    QTest::mouseClick(d1, Qt::LeftButton);
    EXPECT_EQ(d1->palette().color(QPalette::Base), QColor(255, 255, 192));
    quandomodale([](QWidget *w) {
        EXPECT_EQ(stato().sceltacontatto, -1);
        clicca(w, "cerca");
        QTest::keyClicks(w->findChild<QLineEdit *>("Textcerca"), "ro");
        clicca(w->findChild<QListWidget *>("Listacerca"), 1);
        clicca(w, "annulla");
    });
    clicca(f.get(), "cerca");
    EXPECT_EQ(d1->text(), "Rosa Srl");
    EXPECT_EQ(f->focusWidget(), d2);
    EXPECT_EQ(d1->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(d1, "xyz");
    EXPECT_EQ(d1->text(), "Rosa Srl");

    // Enter in the first description picks again; closing the book without a contact.
    quandomodale([](QWidget *w) { w->close(); });
    QTest::keyClick(d1, Qt::Key_Return);
    EXPECT_EQ(d1->text(), "");
    EXPECT_EQ(f->focusWidget(), d1);
    QTest::keyClick(d2, Qt::Key_Return); // opens nothing
    compila(f.get(), "Altro", "Saldo", "3");
    EXPECT_EQ(salva(f.get()), "");
    EXPECT_EQ(letti(3).value(0).descrizione1, "Altro");
    EXPECT_EQ(letti(3).value(0).contatto, 0);
}

TEST(ComandiMovimento, NewMovementNeedsACompanyThenClearsTheSearchAndAppends)
{
    nuovacasa();
    Formprincipale f;
    stato().ricerca[0] = "affitto";
    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(f.findChild<QAbstractButton *>("nuovo"), Qt::LeftButton);
    EXPECT_EQ(testo, "Selezionare una Ditta per continuare");

    stato().dittacorrente = 1;
    stato().movimentocorrente.numero = 4; // left over: a new movement must not rewrite it
    MovimentoCorrente visto;
    compilaesalva("Incasso", "Contanti", "40", &visto);
    QTest::mouseClick(f.findChild<QAbstractButton *>("nuovo"), Qt::LeftButton);
    EXPECT_EQ(visto.numero, 0);
    EXPECT_EQ(stato().ricerca[0], "");
    const QList<Movimento> l = letti(oggi().month(), stato().annogestione);
    ASSERT_EQ(l.size(), 1);
    EXPECT_EQ(l[0].importo, 400000);
}

TEST(ComandiMovimento, ModifyTakesTheSelectedRowAndForgetsItAfterwards)
{
    nuovacasa();
    Formprincipale f;
    Stato &s = stato();
    s.dittacorrente = 1;
    const Movimento m{5, "Affitto", "Marzo", 1, 250000, 2, 1, 0};
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", 3, s.annogestione), m));
    s.tabellamese.righe[1] = {2, 5, 3, {"Affitto", "Marzo"}, 250000, 1, 0, 2, 0};
    s.tabellamese.numerorighe = 1;
    s.ricerca[1] = "Marzo";

    QString testo;
    accettamessaggio(&testo);
    f.rigaselezionata = 3; // an empty row
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(testo, "Selezionare Movimento");

    f.rigaselezionata = 1;
    MovimentoCorrente visto;
    compilaesalva(" sede", "", "", &visto);
    f.findChild<QAction *>("modificamovimento")->trigger();
    EXPECT_EQ(visto.numero, 2);
    EXPECT_EQ(visto.mese, 3);
    EXPECT_EQ(s.movimentocorrente.numero, 0);
    EXPECT_EQ(f.rigaselezionata, 0);
    EXPECT_EQ(s.ricerca[1], "Marzo"); // a filtered view stays filtered
    Movimento modificato = m;
    modificato.descrizione1 = "Affitto sede";
    EXPECT_EQ(letti(3, s.annogestione), QList<Movimento>({m, modificato}));
}
