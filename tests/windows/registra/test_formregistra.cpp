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
    void SetUp() override {
        nuovacasa();
        dati = cartellalocale();
        stato() = Stato();
        stato().annogestione = "08";
        stato().dittacorrente = 3;
    }
    QString mese(int m) const { return percorsomese("c:", m, "08"); }
    QByteArray file(int m) const {
        return leggibyte(dati + QStringLiteral("/mov%1").arg(m, 2, 10, QLatin1Char('0')) + "08");
    }
};

template <typename T> T *figlio(QWidget &f, const QString &nome) {
    T *w = f.findChild<T *>(nome);
    EXPECT_TRUE(w) << nome.toStdString();
    return w;
}

QLineEdit *casella(QWidget &f, const QString &nome) {
    return figlio<QLineEdit>(f, nome);
}

// Types the descriptions and the amount and picks the date, as a user would.
void compila(Formregistra &f, const QString &d1, const QString &d2, const QString &importo,
             const QDate &data = QDate(2008, 3, 5)) {
    figlio<QCalendarWidget>(f, "cale")->setSelectedDate(data);
    QTest::keyClicks(casella(f, "Text1_0"), d1);
    QTest::keyClicks(casella(f, "Text1_1"), d2);
    QTest::keyClicks(casella(f, "testimporto"), importo);
}

// Presses registra; answers the message if one comes and returns its text.
QString salva(Formregistra &f) {
    QString testo;
    accettamessaggio(&testo);
    QTest::mouseClick(figlio<QAbstractButton>(f, "registra"), Qt::LeftButton);
    scartarisposte(); // the save ran to its end: an answer left over means no message came
    return testo;
}

Movimento registrato(const QByteArray &dati, int numero) {
    return movimento::decodifica(dati.constData() + (numero - 1) * movimento::dimensione);
}

} // namespace

TEST_F(Registra, SaveChecksComeInTheirOrderAndWriteNothing) {
    struct Caso {
        const char *d1, *d2, *importo;
        QDate data;
        const char *messaggio;
    } casi[] = {
        {"", "", "", QDate(2008, 3, 5), "Manca la Prima Descrizione!"},
        {"   ", "Saldo", "5", QDate(2008, 3, 5), "Manca la Prima Descrizione!"},
        {"Fattura", "  ", "5", QDate(2008, 3, 5), "Manca la Seconda Descrizione!"},
        {"Fattura", "Saldo", "", QDate(2008, 3, 5), "Importo pari a Zero!"},
        {"Fattura", "Saldo", "0.00", QDate(2008, 3, 5), "Importo pari a Zero!"},
        {"Fattura", "Saldo", "-", QDate(2008, 3, 5), "Importo pari a Zero!"},
        {"Fattura", "Saldo", ".", QDate(2008, 3, 5), "Importo pari a Zero!"},
        {"Fattura", "Saldo", "0.00001", QDate(2008, 3, 5), "Importo pari a Zero!"},
        {"Fattura", "Saldo", "99999999999999999999", QDate(2008, 3, 5), "Importo troppo grande!"},
        {"Fattura", "Saldo", "5", QDate(2009, 3, 5),
         "Anno errato! Puoi modificare solo il giorno."},
    };
    for (const Caso &c : casi) {
        Formregistra f;
        f.show();
        compila(f, c.d1, c.d2, c.importo, c.data);
        EXPECT_EQ(salva(f), c.messaggio) << c.d1 << "|" << c.d2 << "|" << c.importo;
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(casella(f, "Text1_1")->text(), c.d2); // the input stays as typed
    }
    EXPECT_TRUE(file(3).isEmpty());
}

TEST_F(Registra, AmountsAreReadExactlyAndOnlyNumberKeysReachTheBox) {
    const struct {
        const char *digitato, *mostrato;
        qint64 salvato;
    } casi[] = {{"12.5", "12.5", 125000}, {"-7", "-7", -70000},  {"1.2.3", "1.2.3", 12000},
                {"0.15", "0.15", 1500},   {"1,5", "15", 150000}, {"2a; 0", "20", 200000},
                {"-.5", "-.5", -5000},    {"5-3", "5-3", 50000}};
    for (const auto &c : casi) {
        Formregistra f;
        f.show();
        compila(f, "Fattura", "Saldo", QString::fromUtf8(c.digitato));
        EXPECT_EQ(casella(f, "testimporto")->text(), c.mostrato);
        EXPECT_EQ(salva(f), "") << c.digitato;
        EXPECT_FALSE(f.isVisible());
    }
    const QByteArray scritti = file(3);
    ASSERT_EQ(scritti.size(), qsizetype(std::size(casi)) * movimento::dimensione);
    for (int i = 0; i < int(std::size(casi)); ++i)
        EXPECT_EQ(registrato(scritti, i + 1).importo, casi[i].salvato) << casi[i].digitato;

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
    EXPECT_EQ(importo->text(), "12");
    QTest::keyClick(importo, Qt::Key_Backspace);
    EXPECT_EQ(importo->text(), "1");
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Registra, NewMovementGoesToTheMonthOfItsDateWithExactBytes) {
    scrivibyte(dati + "/listconto", "BANCA" + QByteArray(45, ' ') + "POSTA" + QByteArray(45, ' '));
    stato().movimentocorrente.numero = 0;
    stato().contattoscelto = "vecchio";
    stato().numerocontattoscelto = 9;
    Formregistra f;
    f.show();
    EXPECT_EQ(figlio<QCalendarWidget>(f, "cale")->selectedDate(), oggi());
    auto *segno = figlio<QListWidget>(f, "List1");
    auto *conti = figlio<QListWidget>(f, "List2");
    EXPECT_EQ(segno->currentItem()->text(), "ENTRATE");
    ASSERT_EQ(conti->count(), 3);
    EXPECT_EQ(conti->currentItem()->text(), "CASSA");
    EXPECT_EQ(stato().numerocontattoscelto, 0); // a new opening forgets an earlier pick

    compila(f, "  Fattura 12  ", "Saldo marzo", "12.5", QDate(2008, 11, 30));
    QTest::mouseClick(segno->viewport(), Qt::LeftButton, {},
                      segno->visualItemRect(segno->item(1)).center());
    QTest::mouseClick(conti->viewport(), Qt::LeftButton, {},
                      conti->visualItemRect(conti->item(2)).center());
    EXPECT_EQ(salva(f), "");

    EXPECT_TRUE(file(3).isEmpty());
    const QByteArray r = file(11);
    ASSERT_EQ(r.size(), movimento::dimensione);
    QByteArray atteso(movimento::dimensione, ' ');
    atteso.replace(0, 2, QByteArray("\x1e\x00", 2));
    atteso.replace(2, 10, "Fattura 12");
    atteso.replace(52, 11, "Saldo marzo");
    atteso.replace(102, 2, QByteArray("\x01\x00", 2));
    atteso.replace(104, 8, QByteArray("\x48\xe8\x01\x00\x00\x00\x00\x00", 8));
    atteso.replace(112, 6, QByteArray("\x04\x00\x03\x00\x00\x00", 6));
    EXPECT_EQ(r.toHex(), atteso.toHex());
    EXPECT_EQ(stato().contattoscelto, "");
    EXPECT_EQ(stato().sceltacontatto, 0);
}

TEST_F(Registra, ModifiedMovementIsRewrittenInPlaceWithinItsMonth) {
    Movimento m;
    m.giorno = 5;
    m.descrizione1 = "Primo";
    m.descrizione2 = "Dopo";
    m.segno = 1;
    m.importo = 12345678; // four decimals: 1234.5678
    m.conto = 2;
    m.ditta = 3;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(aggiungimovimento(mese(3), m));
    const QByteArray prima = file(3);

    MovimentoCorrente &c = stato().movimentocorrente;
    c = {2, 5, 3, m.importo, m.descrizione1, m.descrizione2, 1, 2, 0};
    {
        Formregistra f;
        f.show();
        EXPECT_EQ(figlio<QCalendarWidget>(f, "cale")->selectedDate(), QDate(2008, 3, 5));
        EXPECT_EQ(casella(f, "Text1_0")->text(), "Primo");
        EXPECT_FALSE(casella(f, "Text1_0")->isReadOnly());
        EXPECT_EQ(casella(f, "testimporto")->text(), "1234.57");
        EXPECT_EQ(figlio<QListWidget>(f, "List1")->currentRow(), 1);
        figlio<QCalendarWidget>(f, "cale")->setSelectedDate(QDate(2008, 4, 5));
        EXPECT_EQ(salva(f), "Mese errato! Puoi modificare solo il giorno.");
        EXPECT_EQ(file(3), prima);
        EXPECT_TRUE(file(4).isEmpty());

        figlio<QCalendarWidget>(f, "cale")->setSelectedDate(QDate(2008, 3, 20));
        EXPECT_EQ(salva(f), "");
    }
    const QByteArray dopo = file(3);
    ASSERT_EQ(dopo.size(), prima.size());
    EXPECT_EQ(dopo.left(118), prima.left(118));
    EXPECT_EQ(dopo.mid(236), prima.mid(236));
    Movimento atteso = m;
    atteso.giorno = 20;
    atteso.importo = 12345700; // saved as shown, rounded to two decimals
    EXPECT_EQ(registrato(dopo, 2), atteso);
}

TEST_F(Registra, PickingAContactLocksTheDescriptionAndCancellingUnlocksIt) {
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

    bool scelta = false;
    quandomodale([&](QWidget *w) {
        auto *rubrica = qobject_cast<Formproduttore *>(w);
        ASSERT_TRUE(rubrica);
        scelta = stato().sceltacontatto == -1;
        rubrica->findChild<QAction *>("cerca")->trigger();
        QTest::keyClicks(rubrica->findChild<QLineEdit *>("Textcerca"), "ro");
        auto *lista = rubrica->findChild<QListWidget *>("Listacerca");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->item(1)).center());
        QTest::mouseClick(rubrica->findChild<QAbstractButton *>("annulla"), Qt::LeftButton);
    });
    QTest::mouseClick(figlio<QAbstractButton>(f, "cerca"), Qt::LeftButton);
    EXPECT_TRUE(scelta);
    EXPECT_EQ(d1->text(), "Rosa Srl");
    EXPECT_TRUE(d1->isReadOnly());
    EXPECT_EQ(f.focusWidget(), d2);
    EXPECT_EQ(d1->palette().color(QPalette::Base), QColor(Qt::white));
    QTest::keyClicks(d1, "xyz");
    EXPECT_EQ(d1->text(), "Rosa Srl");

    // Enter in the first description picks again; closing the book without a contact empties it.
    quandomodale([](QWidget *w) { w->close(); });
    d1->setFocus();
    QTest::keyClick(d1, Qt::Key_Return);
    EXPECT_EQ(d1->text(), "");
    EXPECT_FALSE(d1->isReadOnly());
    EXPECT_EQ(f.focusWidget(), d1);

    QTest::keyClick(d2, Qt::Key_Return); // Enter in the second description opens nothing
    compila(f, "Altro", "Saldo", "3");
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(registrato(file(3), 1).contatto, 0);
    EXPECT_EQ(registrato(file(3), 1).descrizione1, "Altro");
}

TEST_F(Registra, ModifiedMovementWithAContactKeepsIt) {
    Movimento m;
    m.giorno = 9;
    m.descrizione1 = "Rossi Mario";
    m.descrizione2 = "Fattura";
    m.importo = 5000;
    m.conto = 2;
    m.ditta = 3;
    m.contatto = 7;
    ASSERT_TRUE(aggiungimovimento(mese(6), m));
    stato().movimentocorrente = {1, 9, 6, 5000, "Rossi Mario", "Fattura", 0, 2, 7};
    Formregistra f;
    f.show();
    EXPECT_TRUE(casella(f, "Text1_0")->isReadOnly());
    EXPECT_EQ(stato().numerocontattoscelto, 7);
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(registrato(file(6), 1), m);
    EXPECT_EQ(stato().numerocontattoscelto, 0);
}

TEST_F(Registra, AFileThatCannotBeWrittenKeepsTheWindowOpenForARetry) {
    if (!bloccacartella(dati)) GTEST_SKIP() << "cannot make a read-only folder here";
    Formregistra f;
    f.show();
    compila(f, "Fattura", "Saldo", "8");
    const QString messaggio = salva(f);
    sbloccacartella(dati);
    EXPECT_TRUE(messaggio.contains("mov0308")) << messaggio.toStdString();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(casella(f, "Text1_0")->text(), "Fattura");
    EXPECT_EQ(casella(f, "testimporto")->text(), "8");
    EXPECT_EQ(salva(f), "");
    EXPECT_EQ(registrato(file(3), 1).importo, 80000);
}
