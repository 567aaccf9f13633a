#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "support/aiuti.h"
#include "windows/backup/formbackup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Answers the next folder dialog with cartella (empty = Cancel) and keeps its title.
void sceglie(const QString &cartella, QString *titolo = nullptr)
{
    quandomodale([cartella, titolo](QWidget *w) {
        auto *d = qobject_cast<QDialog *>(w);
        if (titolo)
            *titolo = d->windowTitle();
        if (cartella.isEmpty())
            return d->reject();
        qobject_cast<QFileDialog *>(d)->setDirectory(cartella);
        d->accept();
    });
}

// A fresh home with the given files in the data folder (and in extra folders when named
// "folder/file"), each holding its own name.
QString archivio(const QStringList &nomi)
{
    nuovacasa();
    stato().percorso = QStringLiteral("c:");
    const QString dati = cartellalocale();
    for (const QString &n : nomi) {
        QDir(dati).mkpath(QFileInfo(n).path());
        scrivibyte(dati + "/" + n, n.toUtf8());
    }
    return dati;
}

struct Backup : ::testing::Test {
    static QStringList elenco(const QString &cartella)
    {
        return QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static QString testo(const Formbackup &f) { return f.findChild<QLabel *>("Label1")->text(); }
    static int barra(const Formbackup &f) { return f.findChild<QProgressBar *>()->value(); }
};

void premi(Formbackup &f, const char *nome)
{
    f.findChild<QAbstractButton *>(nome)->click();
}

// Presses a command that ends the program, inside a running event loop; true when the loop
// ended through exit(0) itself rather than because the last window closed.
bool termina(Formbackup &f, const char *nome)
{
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, &f, [&f, nome] { premi(f, nome); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    const int codice = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(true);
    return codice == 0 && !f.isVisible();
}

const QString imprevisto = QStringLiteral("Si è verificato un errore Imprevisto");
const QString datata = "/backupquaderoladati" + dataddmmyy(oggi());

} // namespace

TEST_F(Backup, DatedBackupAndSavedCopyHoldTheDataFilesAndNoSubfolder)
{
    const QString dati = archivio({"mov0308", "listditta", "listconto", "vecchi/mov0107"});
    const QString copia = QDir::homePath() + datata;
    Formbackup f;
    EXPECT_EQ(testo(f), "Pronto");
    annullamessaggio();
    premi(f, "Command1");
    EXPECT_FALSE(QDir(copia).exists());

    QString domanda, titolo;
    accettamessaggio(&domanda);
    premi(f, "Command1");
    EXPECT_EQ(domanda, "Sicuro di effettuare copia Backup Quaderola?");
    EXPECT_EQ(elenco(copia), QStringList({"listconto", "listditta", "mov0308"}));
    EXPECT_EQ(leggibyte(copia + "/mov0308"), "mov0308");
    const auto *progresso = f.findChild<QProgressBar *>("ProgressBar1");
    EXPECT_EQ(progresso->minimum(), 1);
    EXPECT_EQ(progresso->maximum(), 4);
    EXPECT_EQ(barra(f), 4);
    EXPECT_EQ(testo(f), "Procedura eseguita con successo");

    scrivibyte(dati + "/listditta", "nuova lista"); // the same day overwrites
    accettamessaggio();
    premi(f, "Command1");
    EXPECT_EQ(leggibyte(copia + "/listditta"), "nuova lista");

    const QString scelta = QDir::homePath() + "/chiavetta";
    QDir().mkpath(scelta);
    sceglie(scelta, &titolo);
    premi(f, "Command2");
    EXPECT_EQ(titolo, "Seleziona la cartella di destinazione");
    EXPECT_EQ(elenco(scelta + "/quaderoladati"), elenco(copia));
    EXPECT_EQ(leggibyte(scelta + "/quaderoladati/listditta"), "nuova lista");
    EXPECT_EQ(testo(f), "Procedura eseguita con successo!");
}

TEST_F(Backup, LoadAndRestoreNeedTheirNameInAnyCaseAndDeleteEmptiesTheFolder)
{
    const QString dati =
        archivio({"mov0108", "mov0208", ".nascosto", "vecchi/mov0107", "../archivio/mov0208",
                  "../COPIA/QUADEROLADATI/a", "../salvata/quaderoladati/mov0208",
                  "../BackupQuaderolaDati010308/mov0208"});
    const QString casa = QDir::homePath();
    Formbackup f;
    f.show();
    QString titolo, domanda, avviso;
    sceglie(casa + "/archivio", &titolo);
    premi(f, "Command3");
    EXPECT_EQ(titolo, "Seleziona la cartella di Origine");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    sceglie(casa + "/COPIA/QUADEROLADATI");
    accettamessaggio(&avviso);
    EXPECT_TRUE(termina(f, "Command3"));
    EXPECT_EQ(avviso, "Riavviare il programma");
    EXPECT_EQ(leggibyte(dati + "/a"), "../COPIA/QUADEROLADATI/a");
    EXPECT_EQ(testo(f), "Procedura eseguita con successo!");

    f.show(); // loading the data folder onto itself keeps every byte
    sceglie(dati);
    accettamessaggio();
    EXPECT_TRUE(termina(f, "Command3"));
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");
    EXPECT_EQ(elenco(dati), QStringList({".nascosto", "a", "mov0108", "mov0208"}));

    f.show();
    accettamessaggio(&domanda);
    sceglie(casa + "/salvata/quaderoladati", &titolo);
    premi(f, "Command4");
    EXPECT_EQ(domanda, "Sicuro di Ripristinare Copia Backup?");
    EXPECT_EQ(titolo, "Seleziona la cartella Backup desiderata");
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "mov0208");

    accettamessaggio();
    sceglie(casa + "/BackupQuaderolaDati010308");
    accettamessaggio();
    EXPECT_TRUE(termina(f, "Command4"));
    EXPECT_EQ(leggibyte(dati + "/mov0208"), "../BackupQuaderolaDati010308/mov0208");
    EXPECT_EQ(leggibyte(dati + "/mov0108"), "mov0108"); // the backup lacks it: it stays

    f.show();
    accettamessaggio(&domanda);
    accettamessaggio(&avviso);
    avviso.clear();
    EXPECT_TRUE(termina(f, "Command5"));
    EXPECT_EQ(domanda, "Sicuro di Cancellare l 'intero Archivio?");
    EXPECT_EQ(avviso, "Riavviare il programma");
    EXPECT_EQ(elenco(dati), QStringList());
    EXPECT_TRUE(QFile::exists(dati + "/vecchi/mov0107"));
    EXPECT_EQ(barra(f), 5);
}

TEST_F(Backup, ACopyThatFailsHalfWayStopsThereAndLeavesNoPartialFile)
{
    const QString dati = archivio({"listditta", "mov0108", "../quaderoladati2/a",
                                   "../quaderoladati2/listditta", "../quaderoladati2/mov0108"});
    Formbackup f;
    f.show();
    if (::geteuid() != 0)
        GTEST_SKIP() << "a single file can be locked only as root";
    ASSERT_TRUE(bloccacartella(dati + "/listditta"));
    sceglie(QDir::homePath() + "/quaderoladati2");
    premi(f, "Command3");
    sbloccacartella(dati + "/listditta");
    EXPECT_EQ(testo(f), imprevisto + ".");
    EXPECT_EQ(elenco(dati), QStringList({"a", "listditta", "mov0108"}));
    EXPECT_EQ(leggibyte(dati + "/a"), "../quaderoladati2/a"); // handled before: stays copied
    EXPECT_EQ(leggibyte(dati + "/listditta"), "listditta");
    EXPECT_EQ(leggibyte(dati + "/mov0108"), "mov0108"); // never reached
    EXPECT_EQ(barra(f), 3);
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(nessunarispostainattesa());
}

TEST_F(Backup, EmptyOrUnreachableDataFolder)
{
    archivio({});
    Formbackup f;
    accettamessaggio(); // an empty data folder still gets its dated folder, and no message
    premi(f, "Command1");
    EXPECT_TRUE(QDir(QDir::homePath() + datata).exists());
    EXPECT_EQ(testo(f), "Pronto");

    stato().percorso = QDir::homePath() + "/rete/"; // fails before any question
    premi(f, "Command5");
    EXPECT_EQ(testo(f), imprevisto);
    EXPECT_TRUE(nessunarispostainattesa());
}

TEST_F(Backup, TheMainWindowReusesOneBackupWindow)
{
    archivio({});
    Formprincipale principale;
    auto *pulsante = principale.findChild<QAbstractButton *>("backup");
    pulsante->click();
    pulsante->click();
    QList<Formbackup *> finestre; // top-level windows: the backup window has no parent
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("Formbackup"))
            finestre.append(static_cast<Formbackup *>(w));
    ASSERT_EQ(finestre.size(), 1);
    EXPECT_TRUE(finestre[0]->isVisible() && finestre[0]->isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
