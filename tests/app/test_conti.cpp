#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "support/aiuti.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QByteArray record(const QByteArray &nome) {
    return nome + QByteArray(50 - nome.size(), ' ');
}

QStringList bottoni(const Formprincipale &f) {
    QStringList nomi;
    for (int i = 1;; ++i) {
        auto *a = f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i));
        if (!a) return nomi;
        nomi.append(a->text());
    }
}

QAction *bottone(const Formprincipale &f, int i) {
    return f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i));
}

void comando(const Formprincipale &f, const char *nome) {
    f.findChild<QAction *>(QString::fromLatin1(nome))->trigger();
}

// Presses account button i, as the user does before opening the menu.
void premi(const Formprincipale &f, int i) {
    bottone(f, i)->trigger();
    stato().contocorrente = qint16(i);
}

// A new home with an account list of the given bytes (none when null).
QString archivio(const QByteArray &conti = {}) {
    nuovacasa();
    const QString dati = cartellalocale();
    if (!conti.isNull()) scrivibyte(dati + "/listconto", conti);
    return dati + "/listconto";
}

struct Domanda {
    QString titolo, testo;
};

// Answers the next input box and keeps its title and prompt.
void rispondi(const QString &risposta, Domanda *d) {
    quandomodale([risposta, d](QWidget *w) {
        auto *box = qobject_cast<QInputDialog *>(w);
        ASSERT_TRUE(box);
        d->titolo = box->windowTitle();
        d->testo = box->labelText();
        EXPECT_TRUE(box->textValue().isEmpty());
        box->setTextValue(risposta);
        box->accept();
    });
}

} // namespace

TEST(Conti, AddedAccountsBecomeButtonsAndRecordsInOrder) {
    const QString file = archivio();
    Formprincipale f;
    premi(f, 2);
    Domanda d;
    rispondi("  Banca ", &d);
    comando(f, "aggiungitipo");
    EXPECT_EQ(d.titolo, "Aggiungere un Nuovo Conto");
    EXPECT_EQ(d.testo, "Scrivete il nome del nuovo Conto");
    EXPECT_EQ(leggibyte(file), record("Banca"));
    premi(f, 3);
    rispondiinput("Posta");
    comando(f, "aggiungitipo");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Posta"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca", "Posta"}));

    // The new button belongs to the exclusive group; the pressed account stays pressed.
    QAction *posta = bottone(f, 4);
    EXPECT_TRUE(posta->isCheckable());
    EXPECT_EQ(posta->actionGroup(), bottone(f, 2)->actionGroup());
    EXPECT_TRUE(bottone(f, 3)->isChecked());
    EXPECT_FALSE(posta->isChecked());
    EXPECT_EQ(stato().contocorrente, 3);
    posta->trigger();
    EXPECT_FALSE(bottone(f, 3)->isChecked());
    EXPECT_EQ(f.nomiconti(), QStringList({"CASSA", "Banca", "Posta"}));
}

TEST(Conti, NamesAreCutToFiftyAndBlankOrCancelledNamesIgnored) {
    const QString file = archivio();
    Formprincipale f;
    const QString lungo = QString(55, 'A') + "BCDEF";
    rispondiinput(lungo);
    comando(f, "aggiungitipo");
    EXPECT_EQ(leggibyte(file), QByteArray(50, 'A'));
    EXPECT_EQ(f.nomeconto(3), QString(50, 'A'));
    rispondiinput("      ");
    comando(f, "aggiungitipo");
    rispondiinput(""); // Cancel
    comando(f, "aggiungitipo");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(leggibyte(file).size(), 50);
    EXPECT_EQ(bottoni(f).size(), 3);

    // Two accounts of the same name stay two accounts.
    rispondiinput("Banca");
    comando(f, "aggiungitipo");
    rispondiinput("Banca");
    comando(f, "aggiungitipo");
    EXPECT_EQ(bottoni(f).mid(3), QStringList({"Banca", "Banca"}));
    EXPECT_NE(bottone(f, 4), bottone(f, 5));
    EXPECT_EQ(leggibyte(file).mid(50), record("Banca") + record("Banca"));
}

TEST(Conti, BuiltInAccountsCannotBeRenamed) {
    const QString file = archivio(record("Banca"));
    Formprincipale f;
    for (int i : {1, 2}) {
        premi(f, i);
        QString testo;
        accettamessaggio(&testo);
        comando(f, "rinominatipo");
        EXPECT_TRUE(nessunarispostainattesa());
        EXPECT_EQ(testo, "Voci non rinominabili");
    }
    EXPECT_EQ(leggibyte(file), record("Banca"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca"}));
}

TEST(Conti, RenamingRewritesOnlyThePressedAccountsRecord) {
    const QString file = archivio(record("Banca") + record("Posta") + record("Cambiali"));
    Formprincipale f;
    premi(f, 4);
    Domanda d;
    rispondi(" Carta ", &d);
    comando(f, "rinominatipo");
    EXPECT_EQ(d.titolo, "Rinomina Conto Posta");
    EXPECT_EQ(d.testo, "Scrivete il nome del nuovo Conto");
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Carta") + record("Cambiali"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca", "Carta", "Cambiali"}));
    EXPECT_EQ(stato().contocorrente, 4);
    EXPECT_TRUE(bottone(f, 4)->isChecked());

    rispondiinput("   ");
    comando(f, "rinominatipo");
    EXPECT_EQ(f.nomeconto(4), "Carta");
}

TEST(Conti, AListThatCannotBeWrittenLeavesTheToolbarAsItWas) {
    const QString file = archivio(record("Banca"));
    Formprincipale f;
    impostaguasto([](Operazione o, const QString &nome) {
        return o == Operazione::Scrittura && nome.endsWith("listconto");
    });
    QString testo;
    rispondiinput("Posta");
    accettamessaggio(&testo);
    comando(f, "aggiungitipo");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(testo.contains("listconto")) << testo.toStdString();

    premi(f, 3);
    testo.clear();
    rispondiinput("Carta");
    accettamessaggio(&testo);
    comando(f, "rinominatipo");
    impostaguasto({});
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(testo.contains("listconto")) << testo.toStdString();
    EXPECT_EQ(leggibyte(file), record("Banca"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca"}));
}

TEST(Conti, AccountsAddedByAnotherWorkstationKeepTheirNumbers) {
    const QString file = archivio(record("Banca"));
    Formprincipale f;
    ASSERT_TRUE(aggiungiconto("c:", "Altrui"));
    rispondiinput("Posta");
    comando(f, "aggiungitipo");
    EXPECT_EQ(leggibyte(file), record("Banca") + record("Altrui") + record("Posta"));
    EXPECT_EQ(bottoni(f), QStringList({"TUTTI", "CASSA", "Banca", "Altrui", "Posta"}));

    // A list shorter than the toolbar is not this toolbar's list: nothing is written.
    scrivibyte(file, record("Banca"));
    QString testo;
    rispondiinput("Nuovo");
    accettamessaggio(&testo);
    comando(f, "aggiungitipo");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(testo.contains("listconto")) << testo.toStdString();
    EXPECT_EQ(leggibyte(file), record("Banca"));
    EXPECT_EQ(bottoni(f).size(), 5);
}

TEST(Conti, RightClickOnTheToolbarOpensTheAccountMenu) {
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QStringList voci;
    for (QAction *a : menu->actions())
        voci.append(a->text());
    EXPECT_EQ(voci, QStringList({"Aggiungi", "Rinomina"}));
    menu->close();
}
