#include "app/stato.h"
#include "store/rubrica.h"
#include "support/aiuti.h"
#include "windows/cerca/forcerca.h"
#include "windows/rubrica/formproduttore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Answers the address book: loads contact numero (none when 0) and closes it.
void rubrica(qint32 numero, qint16 *scelta)
{
    quandomodale([numero, scelta](QWidget *w) {
        auto *f = qobject_cast<Formproduttore *>(w);
        ASSERT_TRUE(f);
        *scelta = stato().sceltacontatto;
        if (numero)
            f->carica(numero);
        f->findChild<QAbstractButton *>("annulla")->click();
    });
}

class Cerca : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        nuovacasa();
        cartellalocale();
        stato().ricerca[0] = stato().ricerca[1] = "vecchio";
        stato().contattoricercato = 9;
        stato().sceltacontatto = -1;
        f = std::make_unique<Forcerca>();
        f->show();
    }

    QLineEdit *casella(const char *nome) { return f->findChild<QLineEdit *>(nome); }
    void premi(const char *nome) { f->findChild<QAbstractButton *>(nome)->click(); }
    QString esito()
    {
        return stato().ricerca[0] + "|" + stato().ricerca[1] + "|" +
               QString::number(stato().contattoricercato) + (f->isVisible() ? " aperta" : "");
    }

    std::unique_ptr<Forcerca> f;
};

} // namespace

// Both boxes empty (or blank) does nothing; the second text alone is a search.
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
    Contatto c;
    for (const char *nome : {"Bianchi", "Rossi Srl"}) {
        c.ragionesociale = nome;
        ASSERT_TRUE(aggiungicontatto("c:", c));
    }
    casella("Text1")->setText(" rata ");
    qint16 scelta = 99;
    rubrica(0, &scelta);
    premi("cercarubrica");
    EXPECT_EQ(scelta, 0);
    EXPECT_EQ(esito(), "||0 aperta"); // no contact loaded
    rubrica(2, &scelta);
    premi("cercarubrica");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(esito(), "rata||2");
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
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QStringList ordine;
    for (int i = 0; i < 5; ++i) {
        ordine.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(ordine, QStringList({"Text1", "Command1", "annulla", "Text2", "cercarubrica"}));
    // Back on the first box, which alone shows the focus colour.
    EXPECT_EQ(casella("Text1")->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(casella("Text2")->palette().color(QPalette::Base), QColor(Qt::white));
}
