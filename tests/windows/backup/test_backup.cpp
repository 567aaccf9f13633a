#include "platform/date.h"
#include "platform/percorsi.h"
#include "support/finestre.h"
#include "windows/backup/formbackup.h"

#include <QApplication>
#include <QProgressBar>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

// Writes the files, each holding its own name, into the data folder (or "folder/file" beside).
void archivio(const QStringList &nomi)
{
    for (const QString &n : nomi) {
        QDir(cartellalocale()).mkpath(QFileInfo(n).path());
        scrivibyte(cartellalocale() + "/" + n, n.toUtf8());
    }
}

QStringList elenco(const QString &cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Presses a command that ends the program, inside a running event loop, answering the message
// it shows last: that message, when the loop ended through exit(0) itself rather than because
// the last window closed ("?" otherwise).
QString termina(Formbackup &f, const char *nome)
{
    f.show();
    QString ultimo;
    accettamessaggio(&ultimo);
    QApplication::setQuitOnLastWindowClosed(false);
    const int codice = finoallafine([&f, nome] { clicca(&f, nome); });
    QApplication::setQuitOnLastWindowClosed(true);
    return codice == 0 && !f.isVisible() ? ultimo : QStringLiteral("?");
}

const QString riuscita = QStringLiteral("Procedura eseguita con successo");
const QString riavvia = QStringLiteral("Riavviare il programma");

} // namespace

TEST(Backup, DatedBackupAndSavedCopyHoldTheDataFilesAndNoSubfolder)
{
    const QString dati = nuovoarchivio();
    const QString copia = cartellautente() + "/backupquaderoladati" + dataddmmyy(oggi());
    Formbackup f;
    accettamessaggio(); // an empty data folder still gets its dated folder, and no message
    clicca(&f, "Command1");
    EXPECT_TRUE(QDir(copia).exists() && testo(&f, "Label1") == "Pronto");

    archivio({"mov0308", "listditta", "vecchi/mov0107"});
    scrivibyte(copia + "/listditta", "vecchia"); // the same day overwrites
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }),
              "Sicuro di effettuare copia Backup Quaderola?");
    EXPECT_EQ(elenco(copia), QStringList({"listditta", "mov0308"}));
    EXPECT_EQ(leggibyte(copia + "/listditta"), "listditta");
    EXPECT_EQ(f.findChild<QProgressBar *>("ProgressBar1")->value(), 3);
    EXPECT_EQ(testo(&f, "Label1"), riuscita);

    const QString scelta = cartellautente() + "/chiavetta";
    QDir().mkpath(scelta);
    QString titolo;
    scegli(scelta, &titolo);
    clicca(&f, "Command2");
    EXPECT_EQ(titolo, "Seleziona la cartella di destinazione");
    EXPECT_EQ(elenco(scelta + "/quaderoladati"), elenco(copia));
    EXPECT_EQ(testo(&f, "Label1"), riuscita + "!");

    // A file that cannot be overwritten stops the load there; those handled before stay.
    archivio({"../quaderoladati2/a", "../quaderoladati2/listditta", "../quaderoladati2/mov0308"});
#ifndef Q_OS_WIN // a file locks only as root (chattr +i)
    if (::geteuid() == 0 && bloccacartella(dati + "/listditta")) {
        scegli(cartellautente() + "/quaderoladati2");
        clicca(&f, "Command3");
        sbloccacartella(dati + "/listditta");
        EXPECT_EQ(testo(&f, "Label1"), "Si è verificato un errore Imprevisto.");
        EXPECT_EQ(leggibyte(dati + "/a") + leggibyte(dati + "/listditta") +
                      leggibyte(dati + "/mov0308"),
                  "../quaderoladati2/alistdittamov0308");
        EXPECT_EQ(f.findChild<QProgressBar *>("ProgressBar1")->value(), 3);
    }
#endif
}

TEST(Backup, LoadAndRestoreNeedTheirNameInAnyCaseAndDeleteEmptiesTheFolder)
{
    const QString dati = nuovoarchivio();
    archivio({"mov0108", "mov0208", ".nascosto", "vecchi/mov0107", "../archivio/mov0208",
              "../COPIA/QUADEROLADATI/a", "../salvata/quaderoladati/mov0208",
              "../BackupQuaderolaDati010308/mov0208"});
    const QString casa = cartellautente();
    Formbackup f;
    QString titolo;
    scegli(casa + "/archivio", &titolo);
    clicca(&f, "Command3");
    EXPECT_EQ(titolo, "Seleziona la cartella di Origine");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    scegli(casa + "/COPIA/QUADEROLADATI");
    EXPECT_EQ(termina(f, "Command3"), riavvia);
    EXPECT_EQ(leggibyte(dati + "/a"), "../COPIA/QUADEROLADATI/a");
    EXPECT_EQ(testo(&f, "Label1"), riuscita + "!");

    scegli(dati); // loading the data folder onto itself keeps every byte
    EXPECT_EQ(termina(f, "Command3"), riavvia);
    EXPECT_EQ(elenco(dati), QStringList({".nascosto", "a", "mov0108", "mov0208"}));
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    QString domanda;
    accettamessaggio(&domanda);
    scegli(casa + "/salvata/quaderoladati", &titolo);
    clicca(&f, "Command4");
    EXPECT_EQ(domanda + "|" + titolo,
              "Sicuro di Ripristinare Copia Backup?|Seleziona la cartella Backup desiderata");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");
    accettamessaggio();
    scegli(casa + "/BackupQuaderolaDati010308");
    EXPECT_EQ(termina(f, "Command4"), riavvia);
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "../BackupQuaderolaDati010308/mov0208");
    EXPECT_EQ(leggibyte(dati + "/mov0108"), "mov0108"); // the backup lacks it: it stays

    accettamessaggio(&domanda);
    EXPECT_EQ(termina(f, "Command5"), riavvia);
    EXPECT_EQ(domanda, "Sicuro di Cancellare l 'intero Archivio?");
    EXPECT_EQ(elenco(dati), QStringList());
    EXPECT_TRUE(QFile::exists(dati + "/vecchi/mov0107"));
    EXPECT_EQ(f.findChild<QProgressBar *>("ProgressBar1")->value(), 5);

    stato().percorso = casa + "/rete/"; // an unreachable folder asks nothing
    clicca(&f, "Command5");
    EXPECT_EQ(testo(&f, "Label1"), "Si è verificato un errore Imprevisto");
    EXPECT_EQ(scartarisposte(), 0);
}
