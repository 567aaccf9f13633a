#include "app/formprincipale.h"
#include "platform/date.h"
#include "support/finestre.h"
#include "windows/backup/formbackup.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressBar>
#include <QTimer>
#include <unistd.h>

namespace {

// Answers the next folder dialog with cartella (empty = Cancel) and keeps its title.
void sceglie(const QString &cartella, QString *titolo = nullptr)
{
    quandomodale([cartella, titolo](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        if (titolo)
            *titolo = d->windowTitle();
        if (cartella.isEmpty())
            return d->reject();
        d->setDirectory(cartella);
        static_cast<QDialog *>(d)->accept();
    });
}

// A fresh home with the given files in the data folder (and in other folders when named
// "folder/file"), each holding its own name.
QString archivio(const QStringList &nomi)
{
    const QString dati = nuovoarchivio();
    for (const QString &n : nomi) {
        QDir(dati).mkpath(QFileInfo(n).path());
        scrivibyte(dati + "/" + n, n.toUtf8());
    }
    return dati;
}

QStringList elenco(const QString &cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

int barra(const Formbackup &f)
{
    return f.findChild<QProgressBar *>("ProgressBar1")->value();
}

// Presses a command that ends the program, inside a running event loop; true when the loop
// ended through exit(0) itself rather than because the last window closed.
bool termina(Formbackup &f, const char *nome)
{
    f.show();
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, &f, [&f, nome] { clicca(&f, nome); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    const int codice = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(true);
    return codice == 0 && !f.isVisible();
}

const QString riuscita = QStringLiteral("Procedura eseguita con successo");

} // namespace

TEST(Backup, DatedBackupAndSavedCopyHoldTheDataFilesAndNoSubfolder)
{
    const QString dati = archivio({"mov0308", "listditta", "vecchi/mov0107"});
    const QString copia = QDir::homePath() + "/backupquaderoladati" + dataddmmyy(oggi());
    Formbackup f;
    EXPECT_EQ(testo(&f, "Label1"), "Pronto");
    annullamessaggio();
    clicca(&f, "Command1");
    EXPECT_FALSE(QDir(copia).exists());
    QDir().mkpath(copia);
    scrivibyte(copia + "/listditta", "vecchia"); // the same day overwrites
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }),
              "Sicuro di effettuare copia Backup Quaderola?");
    EXPECT_EQ(elenco(copia), QStringList({"listditta", "mov0308"}));
    EXPECT_EQ(leggibyte(copia + "/listditta"), "listditta");
    const auto *progresso = f.findChild<QProgressBar *>("ProgressBar1");
    EXPECT_EQ(QList({progresso->minimum(), progresso->maximum(), barra(f)}), QList({1, 3, 3}));
    EXPECT_EQ(testo(&f, "Label1"), riuscita);

    const QString scelta = QDir::homePath() + "/chiavetta";
    QDir().mkpath(scelta);
    QString titolo;
    sceglie(scelta, &titolo);
    clicca(&f, "Command2");
    EXPECT_EQ(titolo, "Seleziona la cartella di destinazione");
    EXPECT_EQ(elenco(scelta + "/quaderoladati"), elenco(copia));
    EXPECT_EQ(testo(&f, "Label1"), riuscita + "!");
}

TEST(Backup, LoadAndRestoreNeedTheirNameInAnyCaseAndDeleteEmptiesTheFolder)
{
    const QString dati =
        archivio({"mov0108", "mov0208", ".nascosto", "vecchi/mov0107", "../archivio/mov0208",
                  "../COPIA/QUADEROLADATI/a", "../salvata/quaderoladati/mov0208",
                  "../BackupQuaderolaDati010308/mov0208"});
    const QString casa = QDir::homePath();
    Formbackup f;
    QString titolo;
    sceglie(casa + "/archivio", &titolo);
    clicca(&f, "Command3");
    EXPECT_EQ(titolo, "Seleziona la cartella di Origine");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    sceglie(casa + "/COPIA/QUADEROLADATI");
    QString avviso;
    accettamessaggio(&avviso);
    EXPECT_TRUE(termina(f, "Command3"));
    EXPECT_EQ(avviso, "Riavviare il programma");
    EXPECT_EQ(leggibyte(dati + "/a"), "../COPIA/QUADEROLADATI/a");
    EXPECT_EQ(testo(&f, "Label1"), riuscita + "!");

    sceglie(dati); // loading the data folder onto itself keeps every byte
    accettamessaggio();
    EXPECT_TRUE(termina(f, "Command3"));
    EXPECT_EQ(elenco(dati), QStringList({".nascosto", "a", "mov0108", "mov0208"}));
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    QString domanda;
    accettamessaggio(&domanda);
    sceglie(casa + "/salvata/quaderoladati", &titolo);
    clicca(&f, "Command4");
    EXPECT_EQ(domanda + "|" + titolo,
              "Sicuro di Ripristinare Copia Backup?|Seleziona la cartella Backup desiderata");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");
    accettamessaggio();
    sceglie(casa + "/BackupQuaderolaDati010308");
    accettamessaggio();
    EXPECT_TRUE(termina(f, "Command4"));
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "../BackupQuaderolaDati010308/mov0208");
    EXPECT_EQ(leggibyte(dati + "/mov0108"), "mov0108"); // the backup lacks it: it stays

    accettamessaggio(&domanda);
    accettamessaggio();
    EXPECT_TRUE(termina(f, "Command5"));
    EXPECT_EQ(domanda, "Sicuro di Cancellare l 'intero Archivio?");
    EXPECT_EQ(elenco(dati), QStringList());
    EXPECT_TRUE(QFile::exists(dati + "/vecchi/mov0107"));
    EXPECT_EQ(barra(f), 5);
}

TEST(Backup, AFailedCopyStopsThereAndAnUnreachableFolderAsksNothing)
{
    const QString dati = archivio({"listditta", "mov0108", "../quaderoladati2/a",
                                   "../quaderoladati2/listditta", "../quaderoladati2/mov0108"});
    Formbackup f;
    f.show();
    if (::geteuid() == 0) { // a single file can be locked only as root
        ASSERT_TRUE(bloccacartella(dati + "/listditta"));
        sceglie(QDir::homePath() + "/quaderoladati2");
        clicca(&f, "Command3");
        sbloccacartella(dati + "/listditta");
        EXPECT_EQ(testo(&f, "Label1"), "Si è verificato un errore Imprevisto.");
        EXPECT_EQ(leggibyte(dati + "/a"), "../quaderoladati2/a"); // handled before: stays copied
        EXPECT_EQ(leggibyte(dati + "/listditta") + leggibyte(dati + "/mov0108"),
                  "listdittamov0108");
        EXPECT_EQ(barra(f), 3);
        EXPECT_TRUE(f.isVisible());
    }
    stato().percorso = QDir::homePath() + "/rete/";
    clicca(&f, "Command5");
    EXPECT_EQ(testo(&f, "Label1"), "Si è verificato un errore Imprevisto");
    EXPECT_TRUE(nessunarispostainattesa());
}

TEST(Backup, AnEmptyFolderGetsItsDatedCopyAndTheMainWindowReusesOneWindow)
{
    archivio({});
    {
        Formbackup f;
        accettamessaggio(); // an empty data folder still gets its dated folder, and no message
        clicca(&f, "Command1");
        EXPECT_TRUE(QDir(QDir::homePath() + "/backupquaderoladati" + dataddmmyy(oggi())).exists());
        EXPECT_EQ(testo(&f, "Label1"), "Pronto");
    }
    Formprincipale principale;
    clicca(&principale, "backup");
    clicca(&principale, "backup");
    QList<Formbackup *> finestre; // top-level windows: the backup window has no parent
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("Formbackup"))
            finestre.append(static_cast<Formbackup *>(w));
    ASSERT_EQ(finestre.size(), 1);
    EXPECT_TRUE(finestre[0]->isVisible() && finestre[0]->isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
