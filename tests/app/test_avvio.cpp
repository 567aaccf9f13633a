#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/ditte.h"
#include "support/aiuti.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QStringList bottoniconti(const Formprincipale &f)
{
    QStringList nomi;
    for (int i = 1;; ++i) {
        auto *a = f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i));
        if (!a)
            return nomi;
        nomi.append(a->text());
    }
}

QString testo(const Formprincipale &f, const QString &nome)
{
    auto *l = f.findChild<QLabel *>(nome);
    return l ? l->text() : QStringLiteral("<manca %1>").arg(nome);
}

} // namespace

TEST(Avvio, NewMachineCreatesTheLocalFolderAndShowsEveryControl)
{
    const QString casa = nuovacasa();
    Formprincipale f;
    EXPECT_TRUE(QDir(casa + "/quaderoladati").exists());
    EXPECT_EQ(f.windowTitle(), "Quaderola 1.0");
    EXPECT_EQ(stato().annogestione, annoyy(oggi()));
    EXPECT_EQ(stato().percorso, "c:");
    EXPECT_EQ(stato().dittacorrente, 0);
    EXPECT_EQ(testo(f, "StatusBar2_1"), "Ditta ");
    EXPECT_EQ(testo(f, "StatusBar2_2"), "Gestione: 20" + annoyy(oggi()));
    EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA"}));
    EXPECT_TRUE(f.findChild<QAction *>("Toolbar1_2")->isChecked());
    EXPECT_FALSE(f.findChild<QAction *>("Toolbar1_1")->isChecked());

    for (const char *nome :
         {"impostazioni", "backup", "rubrica", "nuovo", "cerca", "vedisaldi", "stampa"}) {
        auto *b = f.findChild<QAbstractButton *>(nome);
        ASSERT_TRUE(b) << nome;
        EXPECT_FALSE(b->icon().isNull()) << nome;
    }
    EXPECT_EQ(f.findChild<QAbstractButton *>("nuovo")->toolTip(), "Nuova registrazione");
    for (const char *riga : {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"})
        for (int k = 0; k < 16; ++k)
            EXPECT_EQ(testo(f, QStringLiteral("%1_%2").arg(riga).arg(k)), "-");
    for (const char *totale : {"Label7", "Label8", "Label9"})
        EXPECT_EQ(testo(f, totale), "-");
    EXPECT_EQ(testo(f, "Label6"), "Totali");
    EXPECT_EQ(f.findChild<QAbstractButton *>("aprimese_12")->text(), "Dicembre");
    f.show();
    EXPECT_TRUE(f.findChild<QLabel *>("frecciasx_0")->isVisible());
    EXPECT_FALSE(f.findChild<QLabel *>("frecciasx_3")->isVisible());
    EXPECT_FALSE(f.findChild<QLabel *>("avvisorighe")->isVisible());
    EXPECT_TRUE(f.findChild<QScrollBar *>("scroll"));
    EXPECT_TRUE(f.findChild<QToolBar *>("Toolbar1"));
}

TEST(Avvio, ReadsCompaniesAndAccountsOfTheArchive)
{
    nuovacasa();
    const QString dati = cartellalocale();
    ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta", "Gamma"}));
    scrivibyte(dati + "/listconto",
               "BANCA" + QByteArray(45, ' ') + "  POSTA" + QByteArray(43, ' ') + "xx");
    Formprincipale f;
    EXPECT_EQ(stato().dittacorrente, 1);
    EXPECT_EQ(testo(f, "StatusBar2_1"), "Ditta Alfa");
    EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA", "BANCA", "POSTA"}));
    EXPECT_EQ(f.nomeconto(3), "BANCA");
    EXPECT_EQ(f.nomiconti(), QStringList({"CASSA", "BANCA", "POSTA"}));
}

TEST(Avvio, UnreachableDataRootGivesNoCompanyAndNoAccounts)
{
    const QString casa = nuovacasa();
    const QString dati = cartellalocale();
    ASSERT_TRUE(scrividitte("c:", {"Locale"}));
    scrivibyte(dati + "/impoqx.txt", "\"" + (casa + "/rete/").toUtf8() + "\"\r\n");
    Formprincipale f;
    EXPECT_EQ(stato().percorso, casa + "/rete/");
    EXPECT_EQ(stato().dittacorrente, 0);
    EXPECT_EQ(testo(f, "StatusBar2_1"), "Ditta ");
    EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA"}));
    EXPECT_FALSE(QDir(casa + "/rete").exists()); // nothing created under the unreachable root
}
