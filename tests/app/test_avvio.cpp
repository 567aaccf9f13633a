#include "app/formprincipale.h"
#include "platform/date.h"
#include "support/finestre.h"

#include <QDir>

namespace {

QStringList bottoniconti(const Formprincipale &f)
{
    QStringList nomi;
    for (int i = 1; auto *a = f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i)); ++i)
        nomi.append(a->text());
    return nomi;
}

} // namespace

TEST(Avvio, NewMachineCreatesTheLocalFolderAndShowsAnEmptyLedger)
{
    const QString casa = nuovacasa();
    Formprincipale f;
    f.show();
    EXPECT_TRUE(QDir(casa + "/quaderoladati").exists());
    EXPECT_EQ(f.windowTitle(), "Quaderola 1.0");
    const Stato &s = stato();
    EXPECT_EQ(s.annogestione + s.percorso + QString::number(s.dittacorrente) +
                  QString::number(s.contocorrente),
              annoyy(oggi()) + "c:02");
    EXPECT_EQ(testo(&f, "StatusBar2_1") + "|" + testo(&f, "StatusBar2_2"),
              "Ditta |Gestione: 20" + annoyy(oggi()));
    EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA"}));
    EXPECT_TRUE(f.findChild<QAction *>("Toolbar1_2")->isChecked());
    for (const char *nome :
         {"impostazioni", "backup", "rubrica", "nuovo", "cerca", "vedisaldi", "stampa"})
        EXPECT_FALSE(f.findChild<QAbstractButton *>(nome)->icon().isNull()) << nome;
    for (const char *riga : {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"})
        for (int k = 0; k < 16; ++k)
            EXPECT_EQ(testo(&f, QStringLiteral("%1_%2").arg(riga).arg(k)), "-");
    EXPECT_EQ(testo(&f, "Label7") + testo(&f, "Label8") + testo(&f, "Label9"), "---");
    EXPECT_EQ(f.findChild<QAbstractButton *>("aprimese_12")->text(), "Dicembre");
    EXPECT_TRUE(f.findChild<QLabel *>("frecciasx_0")->isVisible());
    EXPECT_FALSE(f.findChild<QLabel *>("frecciasx_3")->isVisible());
    EXPECT_FALSE(f.findChild<QLabel *>("avvisorighe")->isVisible());
}

// The companies and accounts of the archive; then the same archive behind a data root that
// cannot be reached: no company, no account, and nothing created there.
TEST(Avvio, ReadsTheArchiveOfTheRememberedRoot)
{
    const QString dati = nuovoarchivio({"Alfa", "Beta"});
    scrivibyte(dati + "/listconto",
               "BANCA" + QByteArray(45, ' ') + "  POSTA" + QByteArray(43, ' ') + "xx");
    {
        Formprincipale f;
        EXPECT_EQ(stato().dittacorrente, 1);
        EXPECT_EQ(testo(&f, "StatusBar2_1"), "Ditta Alfa");
        EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA", "BANCA", "POSTA"}));
        EXPECT_EQ(f.nomiconti(), QStringList({"CASSA", "BANCA", "POSTA"}));
    }
    const QString rete = QDir::homePath() + "/rete/";
    scrivibyte(dati + "/impoqx.txt", "\"" + rete.toUtf8() + "\"\r\n");
    Formprincipale f;
    EXPECT_EQ(stato().percorso, rete);
    EXPECT_EQ(stato().dittacorrente, 0);
    EXPECT_EQ(testo(&f, "StatusBar2_1"), "Ditta ");
    EXPECT_EQ(bottoniconti(f), QStringList({"TUTTI", "CASSA"}));
    EXPECT_FALSE(QDir(rete).exists());
}
