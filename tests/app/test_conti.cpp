#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "support/aiuti.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

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
    for (int i = 1; bottone(f, i); ++i)
        nomi.append(bottone(f, i)->text());
    return nomi;
}

// Runs the menu command, answering its input box and then, when avviso is given, the message
// box that follows; returns the input box's title and prompt.
QString esegui(const Formprincipale &f, const char *comando, const QString &risposta,
               QString *avviso = nullptr)
{
    auto titolo = std::make_shared<QString>();
    quandomodale([risposta, titolo](QWidget *w) {
        auto *box = qobject_cast<QInputDialog *>(w);
        *titolo = box->windowTitle() + " | " + box->labelText();
        box->setTextValue(risposta);
        risposta.isEmpty() ? box->reject() : box->accept();
    });
    if (avviso)
        accettamessaggio(avviso);
    f.findChild<QAction *>(QString::fromLatin1(comando))->trigger();
    return *titolo;
}

void premi(const Formprincipale &f, int i)
{
    bottone(f, i)->trigger();
    stato().contocorrente = qint16(i);
}

QString archivio(const QByteArray &conti = {})
{
    nuovacasa();
    const QString file = cartellalocale() + "/listconto";
    scrivibyte(file, conti);
    return file;
}

} // namespace

// Added accounts become buttons and records; renaming rewrites only the pressed account's
// record, and never the two built-in buttons.
TEST(Conti, AddedAccountsBecomeButtonsAndRecordsRenamedInPlace)
{
    const QString file = archivio();
    Formprincipale f;
    EXPECT_EQ(esegui(f, "aggiungitipo", "  Banca "),
              "Aggiungere un Nuovo Conto | Scrivete il nome del nuovo Conto");
    EXPECT_EQ(leggibyte(file), record("Banca"));
    premi(f, 3);
    esegui(f, "aggiungitipo", "Posta");
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Posta"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca", "Posta"}));
    EXPECT_TRUE(bottone(f, 3)->isChecked()); // the pressed account stays pressed
    bottone(f, 4)->trigger();
    EXPECT_FALSE(bottone(f, 3)->isChecked()); // one exclusive group

    esegui(f, "aggiungitipo", QString(55, 'A') + "BCDEF");
    esegui(f, "aggiungitipo", "     ");
    esegui(f, "aggiungitipo", ""); // Cancel
    esegui(f, "aggiungitipo", "Banca");
    EXPECT_EQ(leggibyte(file).mid(100), QByteArray(50, 'A') + record("Banca"));
    EXPECT_EQ(bottoni(f).mid(4), QStringList({QString(50, 'A'), "Banca"}));

    for (int i : {1, 2}) {
        premi(f, i);
        QString testo;
        accettamessaggio(&testo);
        f.findChild<QAction *>("rinominatipo")->trigger();
        EXPECT_EQ(testo, "Voci non rinominabili");
    }
    premi(f, 4);
    EXPECT_EQ(esegui(f, "rinominatipo", " Carta "),
              "Rinomina Conto Posta | Scrivete il nome del nuovo Conto");
    esegui(f, "rinominatipo", "  ");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(leggibyte(file),
              record("Banca") + record("Carta") + QByteArray(50, 'A') + record("Banca"));
    EXPECT_EQ(bottoni(f).mid(2), QStringList({"Banca", "Carta", QString(50, 'A'), "Banca"}));
    EXPECT_TRUE(bottone(f, 4)->isChecked());
}

TEST(Conti, ToolbarAndListNeverDisagree)
{
    const QString file = archivio(record("Banca"));
    Formprincipale f;
    // Another workstation appends first: its account gets button 4, ours button 5.
    ASSERT_TRUE(aggiungiconto("c:", "Altrui"));
    esegui(f, "aggiungitipo", "Posta");
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Altrui") + record("Posta"));
    EXPECT_EQ(bottoni(f).mid(2), QStringList({"Banca", "Altrui", "Posta"}));

    // A list that cannot be written, or shorter than the toolbar: nothing changes.
    premi(f, 3);
    QStringList messaggi(3);
    impostaguasto([](Operazione o, const QString &n) {
        return o == Operazione::Scrittura && n.endsWith("listconto");
    });
    esegui(f, "aggiungitipo", "Nuovo", &messaggi[0]);
    esegui(f, "rinominatipo", "Carta", &messaggi[1]);
    impostaguasto({});
    scrivibyte(file, record("Banca"));
    esegui(f, "aggiungitipo", "Nuovo", &messaggi[2]);
    EXPECT_TRUE(nessunarispostainattesa());
    for (const QString &m : messaggi)
        EXPECT_TRUE(m.contains("listconto")) << m.toStdString();
    EXPECT_EQ(leggibyte(file), record("Banca"));
    EXPECT_EQ(bottoni(f).mid(2), QStringList({"Banca", "Altrui", "Posta"}));
}

TEST(Conti, RightClickOnTheToolbarOpensTheAccountMenu)
{
    archivio();
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
    EXPECT_EQ(menu->actions().value(0)->text(), "Aggiungi");
    EXPECT_EQ(menu->actions().value(1)->text(), "Rinomina");
    menu->close();
}
