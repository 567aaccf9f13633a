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

// Stands in for the address book: notes how it was opened and picks contatto.
qint32 contatto = 0;
qint16 sceltaallapertura = 99;
void rubricafinta(QWidget *)
{
    sceltaallapertura = stato().sceltacontatto;
    stato().numerocontattoscelto = contatto;
}

class Cerca : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        stato().ricerca[0] = stato().ricerca[1] = "vecchio";
        stato().contattoricercato = 9;
        stato().sceltacontatto = -1;
        contatto = 0;
        aprirubrica = rubricafinta;
        f = std::make_unique<Forcerca>();
        f->show();
    }
    void TearDown() override { aprirubrica = originale; }

    QLineEdit *casella(const char *nome) { return f->findChild<QLineEdit *>(nome); }
    void premi(const char *nome) { f->findChild<QAbstractButton *>(nome)->click(); }
    QString esito()
    {
        return stato().ricerca[0] + "|" + stato().ricerca[1] + "|" +
               QString::number(stato().contattoricercato) + (f->isVisible() ? " aperta" : "");
    }

    const Aprirubrica originale = aprirubrica;
    std::unique_ptr<Forcerca> f;
};

} // namespace

TEST_F(Cerca, DescriptionSearchNeedsAText)
{
    EXPECT_EQ(esito(), "||0 aperta"); // every opening clears the search
    casella("Text1")->setText("   ");
    premi("Command1");
    EXPECT_EQ(esito(), "||0 aperta");
    QTest::keyClicks(casella("Text2"), "  fattura ");
    premi("Command1");
    EXPECT_EQ(esito(), "|fattura|0");
    EXPECT_EQ(f->result(), QDialog::Accepted);
}

TEST_F(Cerca, ContactSearchKeepsTheTypedTexts)
{
    casella("Text1")->setText(" rata ");
    premi("cercarubrica");
    EXPECT_EQ(sceltaallapertura, 0);
    EXPECT_EQ(esito(), "||0 aperta"); // no contact loaded
    contatto = 7;
    premi("cercarubrica");
    EXPECT_EQ(esito(), "rata||7");
}

TEST_F(Cerca, CancelClearsTheSearch)
{
    stato().ricerca[0] = "rata";
    premi("annulla");
    EXPECT_EQ(esito(), "||0");
    EXPECT_EQ(f->result(), QDialog::Rejected);
}

TEST_F(Cerca, BoxesTakeTenCharactersInTabOrder)
{
    QTest::keyClicks(casella("Text1"), "abcdefghijklmn");
    EXPECT_EQ(casella("Text1")->text(), "abcdefghij");
    EXPECT_EQ(casella("Text2")->maxLength(), 10);
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QStringList ordine;
    for (int i = 0; i < 5; ++i) {
        ordine.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(ordine, QStringList({"Text1", "Command1", "annulla", "Text2", "cercarubrica"}));
    casella("Text2")->setFocus();
    EXPECT_EQ(casella("Text2")->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(casella("Text1")->palette().color(QPalette::Base), QColor(Qt::white));
}
