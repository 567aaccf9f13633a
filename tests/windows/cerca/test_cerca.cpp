#include "store/rubrica.h"
#include "support/finestre.h"
#include "windows/cerca/forcerca.h"
#include "windows/rubrica/formproduttore.h"

#include <QApplication>

namespace {

// A search window opened over a search left by an earlier one.
struct Cerca : ::testing::Test {
    std::unique_ptr<Forcerca> f;
    void SetUp() override
    {
        nuovoarchivio();
        stato().ricerca[0] = stato().ricerca[1] = "vecchio";
        stato().contattoricercato = 9;
        stato().sceltacontatto = -1;
        (f = std::make_unique<Forcerca>())->show();
    }
    QLineEdit *casella(const char *nome) { return f->findChild<QLineEdit *>(nome); }
    std::string esito()
    {
        return (stato().ricerca[0] + "|" + stato().ricerca[1] + "|" +
                QString::number(stato().contattoricercato) + (f->isVisible() ? " aperta" : ""))
            .toStdString();
    }
};

} // namespace

// Both boxes blank does nothing; the second text alone is a search; Cancel clears it.
TEST_F(Cerca, DescriptionSearchNeedsATextAndCancelClearsIt)
{
    EXPECT_EQ(esito(), "||0 aperta"); // every opening clears the search
    QTest::keyClicks(casella("Text1"), "abcdefghijklmn");
    EXPECT_EQ(casella("Text1")->text(), "abcdefghij");
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    casella("Text1")->setFocus();
    QStringList ordine;
    for (int i = 0; i < 5; ++i) {
        ordine.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(ordine, QStringList({"Text1", "Command1", "annulla", "Text2", "cercarubrica"}));
    casella("Text1")->setText("   ");
    clicca(f.get(), "Command1");
    EXPECT_EQ(esito(), "||0 aperta");
    QTest::keyClicks(casella("Text2"), "  fattura ");
    clicca(f.get(), "Command1");
    EXPECT_EQ(esito(), "|fattura|0");
    EXPECT_EQ(f->result(), QDialog::Accepted);
    f->show();
    clicca(f.get(), "annulla");
    EXPECT_EQ(esito(), "||0");
    EXPECT_EQ(f->result(), QDialog::Rejected);
}

TEST_F(Cerca, ContactSearchKeepsTheTypedTexts)
{
    ASSERT_TRUE(aggiungicontatto("c:", {}) && aggiungicontatto("c:", {}));
    casella("Text1")->setText(" rata ");
    for (qint32 numero : {0, 2})
        quandomodale([numero](QWidget *w) {
            EXPECT_EQ(stato().sceltacontatto, 0);
            qobject_cast<Formproduttore *>(w)->carica(numero);
            clicca(w, "annulla");
        });
    clicca(f.get(), "cercarubrica");
    EXPECT_EQ(esito(), "||0 aperta"); // no contact loaded
    clicca(f.get(), "cercarubrica");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(esito(), "rata||2");
}
