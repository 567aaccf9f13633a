#include "app/formprincipale.h"
#include "app/stato.h"
#include "support/aiuti.h"
#include "windows/cerca/aprirubrica.h"
#include "windows/cerca/forcerca.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Stands in for the address book: records how it was opened and picks the given contact.
struct RubricaFinta {
    static inline qint32 scelto = 0;
    static inline int aperture = 0;
    static inline qint16 sceltacontatto = 99;
    static void apri(QWidget *) {
        ++aperture;
        sceltacontatto = stato().sceltacontatto;
        stato().numerocontattoscelto = scelto;
        stato().contattoscelto = scelto ? QStringLiteral("Rossi Srl") : QString();
    }
};

void ricercavecchia() {
    stato().ricerca[0] = "vecchio";
    stato().ricerca[1] = "vecchio";
    stato().contattoricercato = 9;
}

class Cerca : public ::testing::Test {
  protected:
    void SetUp() override {
        nuovacasa();
        ricercavecchia();
        stato().sceltacontatto = -1;
        RubricaFinta::aperture = 0;
        RubricaFinta::scelto = 0;
        precedente = aprirubrica;
        aprirubrica = RubricaFinta::apri;
        f = std::make_unique<Forcerca>();
        f->show();
    }
    void TearDown() override { aprirubrica = precedente; }

    QLineEdit *casella(const char *nome) { return f->findChild<QLineEdit *>(nome); }
    void premi(const char *nome) { f->findChild<QAbstractButton *>(nome)->click(); }
    bool chiusa(QDialog::DialogCode come) { return !f->isVisible() && f->result() == come; }
    void attesa(const QString &t0, const QString &t1, qint32 contatto) {
        EXPECT_EQ(stato().ricerca[0], t0);
        EXPECT_EQ(stato().ricerca[1], t1);
        EXPECT_EQ(stato().contattoricercato, contatto);
    }

    Aprirubrica precedente = nullptr;
    std::unique_ptr<Forcerca> f;
};

} // namespace

TEST_F(Cerca, OpeningClearsTheSearchAndEmptyBoxesDoNothing) {
    attesa("", "", 0);
    casella("Text1")->setText("   ");
    premi("Command1");
    EXPECT_TRUE(f->isVisible());
    attesa("", "", 0);
}

TEST_F(Cerca, OnlyTheSecondTextIsSetWhenOnlyItIsTyped) {
    QTest::keyClicks(casella("Text2"), "  fattura ");
    premi("Command1");
    EXPECT_TRUE(chiusa(QDialog::Accepted));
    attesa("", "fattura", 0);
}

TEST_F(Cerca, BoxesTakeTenCharactersAndTurnYellowWithTheFocus) {
    QTest::keyClicks(casella("Text1"), "abcdefghijklmn");
    EXPECT_EQ(casella("Text1")->text(), "abcdefghij");
    EXPECT_EQ(casella("Text2")->maxLength(), 10);

    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    casella("Text2")->setFocus();
    EXPECT_EQ(casella("Text2")->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(casella("Text1")->palette().color(QPalette::Base), QColor(Qt::white));

    // Tab order: Text1, Command1, annulla, Text2, cercarubrica.
    QStringList ordine;
    QWidget *w = casella("Text1");
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        ordine.append(w->objectName());
    }
    EXPECT_EQ(ordine, QStringList({"Text1", "Command1", "annulla", "Text2", "cercarubrica"}));
}

TEST_F(Cerca, ContactFromTheAddressBookNarrowedByTheTexts) {
    // No contact loaded: the window stays open with no contact filter.
    premi("cercarubrica");
    EXPECT_EQ(RubricaFinta::aperture, 1);
    EXPECT_EQ(RubricaFinta::sceltacontatto, 0);
    EXPECT_TRUE(f->isVisible());
    attesa("", "", 0);

    RubricaFinta::scelto = 7;
    casella("Text1")->setText(" rata ");
    premi("cercarubrica");
    EXPECT_TRUE(chiusa(QDialog::Accepted));
    attesa("rata", "", 7);
}

TEST_F(Cerca, CancelClearsAnEarlierSearch) {
    ricercavecchia();
    casella("Text1")->setText("rata");
    premi("annulla");
    EXPECT_TRUE(chiusa(QDialog::Rejected));
    attesa("", "", 0);
}
