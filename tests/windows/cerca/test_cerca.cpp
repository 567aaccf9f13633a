#include "store/rubrica.h"
#include "support/finestre.h"
#include "windows/cerca/forcerca.h"
#include "windows/rubrica/formproduttore.h"

// A search window opened over a search left by an earlier one: every opening clears it; both
// boxes blank search nothing; a contact search keeps the typed texts; Cancel clears it all.
TEST(Cerca, DescriptionOrContactSearchAndCancelClearingIt)
{
    nuovoarchivio();
    ASSERT_TRUE(aggiungicontatto("c:", {}) && aggiungicontatto("c:", {}));
    Stato &s = stato();
    s.ricerca[0] = s.ricerca[1] = "vecchio";
    s.contattoricercato = 9;
    s.sceltacontatto = -1;
    Forcerca f;
    f.show();
    auto esito = [&] {
        return (s.ricerca[0] + "|" + s.ricerca[1] + "|" + QString::number(s.contattoricercato) +
                (f.isVisible() ? " aperta" : ""))
            .toStdString();
    };
    QLineEdit *t1 = f.findChild<QLineEdit *>("Text1"), *t2 = f.findChild<QLineEdit *>("Text2");
    EXPECT_EQ(esito(), "||0 aperta");
    t1->setText(" rata ");
    t2->setText(" nota ");
    for (qint32 numero : {0, 2})
        quandomodale([numero](QWidget *w) {
            EXPECT_EQ(stato().sceltacontatto, 0);
            qobject_cast<Formproduttore *>(w)->carica(numero);
            clicca(w, "annulla");
        });
    clicca(&f, "cercarubrica");
    EXPECT_EQ(esito(), "||0 aperta"); // no contact loaded
    clicca(&f, "cercarubrica");
    EXPECT_EQ(esito(), "rata|nota|2");

    f.show();
    t1->clear();
    t2->setText("  fattura ");
    clicca(&f, "Command1");
    EXPECT_EQ(esito(), "|fattura|0");
    EXPECT_EQ(f.result(), QDialog::Accepted);
    f.show();
    clicca(&f, "annulla");
    EXPECT_EQ(esito(), "||0");
    EXPECT_EQ(f.result(), QDialog::Rejected);
}
