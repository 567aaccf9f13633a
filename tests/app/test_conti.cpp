#include "app/formprincipale.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "support/finestre.h"

#include <QInputDialog>
#include <QMenu>
#include <QToolBar>

namespace {

QByteArray record(const QByteArray &nome)
{
    return nome.leftJustified(50, ' ');
}

QAction *bottone(const Formprincipale &f, int i)
{
    return f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i));
}

QStringList bottoni(const Formprincipale &f)
{
    QStringList nomi;
    for (int i = 3; bottone(f, i); ++i)
        nomi.append(bottone(f, i)->text());
    return nomi;
}

// Runs the menu command answering its input box (empty = Cancel); returns the box's title and
// prompt, then the message shown after it, if any.
QString esegui(const Formprincipale &f, const char *comando, const QString &risposta)
{
    auto titolo = std::make_shared<QString>();
    quandomodale([risposta, titolo](QWidget *w) {
        auto *box = qobject_cast<QInputDialog *>(w);
        *titolo = box->windowTitle() + " | " + box->labelText();
        box->setTextValue(risposta);
        risposta.isEmpty() ? box->reject() : box->accept();
    });
    const QString avviso = messaggio([&] { clicca(&f, comando); });
    return *titolo + avviso;
}

void premi(const Formprincipale &f, int i)
{
    bottone(f, i)->trigger();
    EXPECT_EQ(stato().contocorrente, i);
}

const QString domanda = " | Scrivete il nome del nuovo Conto";

} // namespace

// Added accounts become buttons and records; renaming rewrites only the pressed account's
// record, and never the two built-in buttons.
TEST(Conti, AddedAccountsBecomeButtonsAndRecordsRenamedInPlace)
{
    const QString file = nuovoarchivio() + "/listconto";
    Formprincipale f;
    EXPECT_EQ(esegui(f, "aggiungitipo", "  Banca "), "Aggiungere un Nuovo Conto" + domanda);
    premi(f, 3);
    esegui(f, "aggiungitipo", "Posta");
    EXPECT_TRUE(bottone(f, 3)->isChecked()); // the pressed account stays pressed
    premi(f, 4);
    EXPECT_FALSE(bottone(f, 3)->isChecked()); // one exclusive group
    esegui(f, "aggiungitipo", QString(55, 'A') + "BCDEF");
    esegui(f, "aggiungitipo", "     ");
    esegui(f, "aggiungitipo", ""); // Cancel
    esegui(f, "aggiungitipo", "Banca");
    for (int i : {1, 2}) {
        premi(f, i);
        EXPECT_EQ(messaggio([&] { clicca(&f, "rinominatipo"); }), "Voci non rinominabili");
    }
    premi(f, 4);
    EXPECT_EQ(esegui(f, "rinominatipo", " Carta "), "Rinomina Conto Posta" + domanda);
    esegui(f, "rinominatipo", "  ");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(leggibyte(file),
              record("Banca") + record("Carta") + QByteArray(50, 'A') + record("Banca"));
    EXPECT_EQ(bottoni(f), QStringList({"Banca", "Carta", QString(50, 'A'), "Banca"}));
    EXPECT_TRUE(bottone(f, 4)->isChecked());
}

TEST(Conti, ToolbarAndListNeverDisagree)
{
    const QString file = nuovoarchivio() + "/listconto";
    scrivibyte(file, record("Banca"));
    Formprincipale f;
    // Another workstation appends first: its account gets button 4, ours button 5.
    ASSERT_TRUE(aggiungiconto("c:", "Altrui"));
    esegui(f, "aggiungitipo", "Posta");
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Altrui") + record("Posta"));
    EXPECT_EQ(bottoni(f), QStringList({"Banca", "Altrui", "Posta"}));

    // A list that cannot be written, or shorter than the toolbar: nothing changes.
    premi(f, 3);
    impostaguasto([](Operazione o, const QString &n) {
        return o == Operazione::Scrittura && n.endsWith("listconto");
    });
    const QString errori[] = {esegui(f, "aggiungitipo", "Nuovo"),
                              esegui(f, "rinominatipo", "Carta")};
    impostaguasto({});
    scrivibyte(file, record("Banca"));
    for (const QString &m : {errori[0], errori[1], esegui(f, "aggiungitipo", "Nuovo")})
        EXPECT_TRUE(m.contains("listconto")) << m.toStdString();
    EXPECT_EQ(leggibyte(file), record("Banca"));
    EXPECT_EQ(bottoni(f), QStringList({"Banca", "Altrui", "Posta"}));
}

TEST(Conti, RightClickOnTheToolbarOpensTheAccountMenu)
{
    nuovoarchivio();
    Formprincipale f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    auto *barra = f.findChild<QToolBar *>("Toolbar1");
    auto *menu = f.findChild<QMenu *>("opetipo");
    // Through the window, as the platform delivers it, so Qt makes the context-menu event.
    const QPoint punto = barra->mapTo(&f, QPoint(barra->width() - 5, 5));
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, punto);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(f.windowHandle(), Qt::RightButton, {}, punto);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(menu->actions().value(0)->text() + menu->actions().value(1)->text(),
              "AggiungiRinomina");
    menu->close();
}
