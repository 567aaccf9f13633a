// End to end: a month printed through the print window to a real CUPS queue that writes PDF
// files, read back with pdftotext. Skipped, with the reason, where no scheduler can be started.
#include "app/stato.h"
#include "platform/stampante.h"
#include "support/aiuti.h"
#include "windows/stampa/formstampante.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString coda = QStringLiteral("QuaderolaPDF");

QString esegui(const QString &programma, const QStringList &argomenti, QString *errore = nullptr)
{
    QProcess p;
    p.start(programma, argomenti);
    const bool ok =
        p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (errore)
        *errore = ok ? QString() : QString::fromLocal8Bit(p.readAllStandardError()) + " ";
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Starts the scheduler and adds the queue; the folder of its PDF files, or why not.
QString preparacoda(const QString &nome, QString *errore)
{
    return esegui("bash", {SCRIPTSTAMPANTE, nome}, errore);
}

// Prints the month table on the queue through the window, answering any message; then waits
// until the queue is empty and a new PDF has appeared, and returns it.
QString stampasullacoda(const QString &cartella, QString *avvisi)
{
    const QStringList prima = QDir(cartella).entryList({"*.pdf"});
    QTimer guardia;
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        if (auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *avvisi += b->text();
            b->accept();
        }
    });
    guardia.start(50);
    Formstampante f;
    auto *lista = f.findChild<QListWidget *>("Lista");
    lista->setCurrentItem(lista->findItems(coda, Qt::MatchExactly).value(0));
    f.findChild<QAbstractButton *>("Command1")->click();
    for (QDeadlineTimer scadenza(90000); !scadenza.hasExpired(); QThread::msleep(200)) {
        for (const QString &nome : QDir(cartella).entryList({"*.pdf"}))
            if (!prima.contains(nome) && esegui("lpstat", {"-o", coda}).isEmpty())
                return cartella + "/" + nome;
    }
    return {};
}

void mese(int righe)
{
    Stato &s = stato();
    s.annogestione = "08";
    s.contocorrente = 2;
    s.mesecorrente = 3;
    s.tabellamese = TabellaMese();
    for (int i = 1; i <= righe; ++i) {
        RigaMese &r = s.tabellamese.righe[i];
        r.giorno = qint16(1 + i % 28);
        r.mese = 3;
        r.descrizione[0] = QStringLiteral("Fattura numero %1").arg(i);
        r.descrizione[1] = QStringLiteral("Rossi Mario");
        r.segno = qint16(i % 2);
        r.importo = 1234500;
        r.saldo = (i % 2 ? -1 : 1) * 1234500 * i;
    }
    s.tabellamese.numerorighe = qint16(righe);
}

int pagine(const QString &file)
{
    return esegui("pdfinfo", {file}).section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
}

} // namespace

TEST(StampaCups, AMonthComesOutOfARealQueueAsAPdf)
{
    QString errore, avvisi;
    const QString cartella = preparacoda(coda, &errore);
    if (!errore.isEmpty())
        GTEST_SKIP() << "no CUPS queue to print to: " << errore.toStdString();
    nuovacasa();

    mese(2);
    const QString breve = stampasullacoda(cartella, &avvisi);
    ASSERT_FALSE(breve.isEmpty()) << "no PDF from the queue in " << cartella.toStdString();
    const QString t = esegui("pdftotext", {"-layout", breve, "-"});
    for (const char *atteso :
         {"CONTO CASSA Marzo 2008", "Pag. 1", "DESCRIZIONE", "SALDO", "02/03/08", "03/03/08",
          "Fattura numero 2", "Rossi Mario", "123,45", "-123,45", "246,90"})
        EXPECT_TRUE(t.contains(atteso)) << atteso << "\n" << t.toStdString();
    EXPECT_EQ(pagine(breve), 1);

    // Long enough to break: every page has its number and the rows go on to the end.
    mese(60);
    const QString lungo = stampasullacoda(cartella, &avvisi);
    ASSERT_FALSE(lungo.isEmpty());
    const QString l = esegui("pdftotext", {"-layout", lungo, "-"});
    const int n = pagine(lungo);
    EXPECT_GE(n, 2);
    for (int p = 1; p <= n + 1; ++p)
        EXPECT_EQ(l.contains(QStringLiteral("Pag. %1").arg(p)), p <= n) << p;
    EXPECT_TRUE(l.contains("Fattura numero 60") && l.contains("7407,00"));
    EXPECT_EQ(avvisi, "");

    Formstampante f; // the queue used last is preselected, whatever the system's default
    EXPECT_EQ(f.findChild<QListWidget *>("Lista")->selectedItems().value(0)->text(), coda);
    QFile::remove(breve);
    QFile::remove(lungo);
}

TEST(StampaCups, AQueueRemovedWhilePrintingIsAFailure)
{
    const QString via = QStringLiteral("QuaderolaVia");
    QString errore;
    preparacoda(via, &errore);
    if (!errore.isEmpty())
        GTEST_SKIP() << "no CUPS queue to print to: " << errore.toStdString();
    Stampante &s = stampante();
    ASSERT_TRUE(s.scegli(via) && s.centimetri());
    EXPECT_GT(s.larghezza(), 15);
    ASSERT_TRUE(s.scrivi("Prima riga", true));
    esegui("lpadmin", {"-x", via});
    EXPECT_FALSE(s.fine());
    EXPECT_TRUE(s.motivo().contains(via)) << s.motivo().toStdString();
}
