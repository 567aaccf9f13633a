#include "app/stato.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/aiuti.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Registra : ::testing::Test {
    QString dati;
    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
        stato() = Stato();
        stato().annogestione = "08";
        stato().dittacorrente = 3;
    }
    QString mese(int m) const { return percorsomese("c:", m, "08"); }
    QList<Movimento> letti(int m) const
    {
        QList<Movimento> l;
        EXPECT_TRUE(leggimovimenti(mese(m), l));
        return l;
    }
};

QLineEdit *casella(QWidget &f, const char *nome)
{
    return f.findChild<QLineEdit *>(nome);
}
QCalendarWidget *cale(QWidget &f)
{
    return f.findChild<QCalendarWidget *>("cale");
}
void clicca(QListWidget *l, int riga)
{
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(riga)).center());
}

// Picks the date and types the descriptions and the amount, as a user would.
void compila(QWidget &f, const QString &d1, const QString &d2, const QString &importo,
             const QDate &data = QDate(2008, 3, 5))
{
    cale(f)->setSelectedDate(data);
    QTest::keyClicks(casella(f, "Text1_0"), d1);
    QTest::keyClicks(casella(f, "Text1_1"), d2);
    QTest::keyClicks(casella(f, "testimporto"), importo);
}

// Presses registra; returns the text of the message it showed, or "".
QString salva(QWidget &f)
{
    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(f.findChild<QAbstractButton *>("registra"), Qt::LeftButton);
    scartarisposte(); // the save has run to its end: an answer left over means no message
    return testo;
}

} // namespace

TEST_F(Registra, OnlyTheFirstFailingCheckIsShownAndNothingIsWritten)
{
    const QDate marzo(2008, 3, 5);
    const struct {
        const char *d1, *d2, *importo;
        QDate data;
        const char *messaggio;
    } casi[] = {
        {"", "", "", marzo, "Manca la Prima Descrizione!"},
        {"   ", "Saldo", "5", marzo, "Manca la Prima Descrizione!"},
        {"Fattura", "  ", "5", marzo, "Manca la Seconda Descrizione!"},
        {"Fattura", "Saldo", "", QDate(2009, 1, 1), "Importo pari a Zero!"},
        {"Fattura", "Saldo", "0.00", marzo, "Importo pari a Zero!"},
        {"Fattura", "Saldo", "-", marzo, "Importo pari a Zero!"},
        {"Fattura", "Saldo", ".", marzo, "Importo pari a Zero!"},
        {"Fattura", "Saldo", "0.00001", marzo, "Importo pari a Zero!"},
        {"Fattura", "Saldo", "99999999999999999999", marzo, "Importo troppo grande!"},
        {"Fattura", "Saldo", "5", QDate(2009, 3, 5),
         "Anno errato! Puoi modificare solo il giorno."},
    };
    for (const auto &c : casi) {
        Formregistra f;
        f.show();
        compila(f, c.d1, c.d2, c.importo, c.data);
        EXPECT_EQ(salva(f), c.messaggio) << c.d1 << "|" << c.d2 << "|" << c.importo;
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(casella(f, "Text1_1")->text(), c.d2);
    }
    EXPECT_TRUE(letti(3).isEmpty());
}

TEST_F(Registra, AmountsAreReadExactlyAndOnlyNumberKeysReachTheBox)
{
    const struct {
        const char *digitato, *mostrato;
        qint64 salvato;
    } casi[] = {{"12.5", "12.5", 125000},
                {"-7", "-7", -70000},
                {"1.2.3", "1.2.3", 12000},
                {"0.15", "0.15", 1500},
                {"1,5", "15", 150000}};
    for (const auto &c : casi) {
        Formregistra f;
        f.show();
        compila(f, "Fattura", "Saldo", c.digitato);
        EXPECT_EQ(casella(f, "testimporto")->text(), c.mostrato);
        EXPECT_EQ(salva(f), "");
    }
    const QList<Movimento> l = letti(3);
    ASSERT_EQ(l.size(), qsizetype(std::size(casi)));
    for (qsizetype i = 0; i < l.size(); ++i)
        EXPECT_EQ(l[i].importo, casi[i].salvato) << casi[i].digitato;

    // Paste, cut, select-all, Enter and a non-ASCII character never reach it either.
    Formregistra f;
    f.show();
    QLineEdit *importo = casella(f, "testimporto");
    QGuiApplication::clipboard()->setText("777");
    QTest::keyClicks(importo, "12");
    QTest::keyClick(importo, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(importo, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(importo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(importo, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(importo, Qt::Key_Return);
    QTest::sendKeyEvent(QTest::Click, importo, Qt::Key_unknown, QStringLiteral("€"), {});
    QTest::keyClick(importo, Qt::Key_Backspace);
    EXPECT_EQ(importo->text(), "1");
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Registra, NewMovementStartsOnTodayAndGoesToTheMonthOfItsDate)
{
    scrivibyte(dati + "/listconto", "BANCA" + QByteArray(45, ' ') + "POSTA" + QByteArray(45, ' '));
    stato().numerocontattoscelto = 9; // left over from an earlier window
    Formregistra f;
    f.show();
    auto *segno = f.findChild<QListWidget *>("List1");
    auto *conti = f.findChild<QListWidget *>("List2");
    EXPECT_EQ(cale(f)->selectedDate(), oggi());
    EXPECT_EQ(segno->currentItem()->text(), "ENTRATE");
    ASSERT_EQ(conti->count(), 3);
    EXPECT_EQ(conti->currentItem()->text(), "CASSA");
    EXPECT_EQ(stato().numerocontattoscelto, 0);

    compila(f, "  Fattura 12  ", "Saldo marzo", "12.5", QDate(2008, 11, 30));
    clicca(segno, 1);
    clicca(conti, 2);
    EXPECT_EQ(salva(f), "");
    EXPECT_TRUE(letti(3).isEmpty());
    const Movimento atteso{30, "Fattura 12", "Saldo marzo", 1, 125000, 4, 3, 0};
    EXPECT_EQ(letti(11), QList<Movimento>{atteso});
}

TEST_F(Registra, ModifiedMovementIsRewrittenInPlaceWithinItsMonth)
{
    Movimento m{5, "Primo", "Dopo", 1, 12345678, 2, 3, 0}; // 1234.5678
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(aggiungimovimento(mese(3), m));
    stato().movimentocorrente = {2, 5, 3, m.importo, m.descrizione1, m.descrizione2, 1, 2, 0};
    Formregistra f;
    f.show();
    EXPECT_EQ(cale(f)->selectedDate(), QDate(2008, 3, 5));
    EXPECT_EQ(casella(f, "Text1_0")->text(), "Primo");
    EXPECT_EQ(casella(f, "testimporto")->text(), "1234.57");
    EXPECT_EQ(f.findChild<QListWidget *>("List1")->currentRow(), 1);
    cale(f)->setSelectedDate(QDate(2008, 4, 5));
    EXPECT_EQ(salva(f), "Mese errato! Puoi modificare solo il giorno.");
    EXPECT_TRUE(letti(4).isEmpty());

    cale(f)->setSelectedDate(QDate(2008, 3, 20));
    EXPECT_EQ(salva(f), "");
    Movimento atteso = m;
    atteso.giorno = 20;
    atteso.importo = 12345700; // saved as shown
    EXPECT_EQ(letti(3), QList<Movimento>({m, atteso, m}));
}

TEST_F(Registra, APickLocksTheDescriptionAndACancelledOneUnlocksAndEmptiesIt)
{
    for (const char *nome : {"Bianchi", "Rossi Mario", "Rosa Srl"}) {
        Contatto c;
        c.ragionesociale = nome;
        ASSERT_TRUE(aggiungicontatto("c:", c));
    }
    Formregistra f;
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QLineEdit *d1 = casella(f, "Text1_0");
    QLineEdit *d2 = casella(f, "Text1_1");
    QTest::mouseClick(d1, Qt::LeftButton);
    EXPECT_EQ(d1->palette().color(QPalette::Base), QColor(255, 255, 192));

    quandomodale([](QWidget *w) {
        ASSERT_EQ(stato().sceltacontatto, -1);
        w->findChild<QAction *>("cerca")->trigger();
        QTest::keyClicks(w->findChild<QLineEdit *>("Textcerca"), "ro");
        clicca(w->findChild<QListWidget *>("Listacerca"), 1);
        QTest::mouseClick(w->findChild<QAbstractButton *>("annulla"), Qt::LeftButton);
    });
    QTest::mouseClick(f.findChild<QAbstractButton *>("cerca"), Qt::LeftButton);
    EXPECT_EQ(d1->text(), "Rosa Srl");
    EXPECT_EQ(f.focusWidget(), d2);
    EXPECT_EQ(d1->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(d1, "xyz");
    EXPECT_EQ(d1->text(), "Rosa Srl");

    // Enter in the first description picks again; closing the book without a contact.
    quandomodale([](QWidget *w) { w->close(); });
    QTest::keyClick(d1, Qt::Key_Return);
    EXPECT_EQ(d1->text(), "");
    EXPECT_EQ(f.focusWidget(), d1);
    QTest::keyClick(d2, Qt::Key_Return); // opens nothing
    compila(f, "Altro", "Saldo", "3");
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(letti(3).value(0).descrizione1, "Altro");
    EXPECT_EQ(letti(3).value(0).contatto, 0);
}

TEST_F(Registra, ModifiedMovementWithAContactKeepsIt)
{
    const Movimento m{9, "Rossi Mario", "Fattura", 0, 5000, 2, 3, 7};
    ASSERT_TRUE(aggiungimovimento(mese(6), m));
    stato().movimentocorrente = {1, 9, 6, 5000, "Rossi Mario", "Fattura", 0, 2, 7};
    Formregistra f;
    f.show();
    EXPECT_TRUE(casella(f, "Text1_0")->isReadOnly());
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(letti(6), QList<Movimento>{m});
    EXPECT_EQ(stato().numerocontattoscelto, 0);
}

TEST_F(Registra, AFileThatCannotBeWrittenKeepsTheWindowOpenForARetry)
{
    if (!bloccacartella(dati))
        GTEST_SKIP() << "cannot make a read-only folder here";
    Formregistra f;
    f.show();
    compila(f, "Fattura", "Saldo", "8");
    const QString messaggio = salva(f);
    sbloccacartella(dati);
    EXPECT_TRUE(messaggio.contains("mov0308")) << messaggio.toStdString();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(casella(f, "testimporto")->text(), "8");
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(letti(3).size(), 1);
}
