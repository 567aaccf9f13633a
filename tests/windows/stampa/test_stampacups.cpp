// End to end: a month printed through the print window to a real CUPS queue that writes PDF
// files, read back with pdftotext. Skipped, with the reason, where no scheduler can be started.
#include "platform/stampante.h"
#include "support/finestre.h"
#include "windows/stampa/formstampante.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

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

// Prints a month of righe rows on the queue through the window, with no message shown; waits
// until the queue is empty and a new PDF has appeared, and returns its text and page count.
std::pair<QString, int> stampasullacoda(const QString &cartella, int righe)
{
    Stato &s = stato();
    s.annogestione = "08";
    s.mesecorrente = 3;
    s.tabellamese = TabellaMese();
    for (int i = 1; i <= righe; ++i)
        s.tabellamese.righe[i] = {0,
                                  qint16(1 + i % 28),
                                  3,
                                  {QStringLiteral("Fattura numero %1").arg(i), "Rossi Mario"},
                                  1234500,
                                  qint16(i % 2),
                                  (i % 2 ? -1 : 1) * 1234500 * i};
    s.tabellamese.numerorighe = qint16(righe);
    const QStringList prima = QDir(cartella).entryList({"*.pdf"});
    Formstampante f;
    f.findChild<QListWidget *>("Lista")->setCurrentItem(
        f.findChild<QListWidget *>("Lista")->findItems(coda, Qt::MatchExactly).value(0));
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }), "");
    for (QDeadlineTimer scadenza(90000); !scadenza.hasExpired(); QThread::msleep(200))
        for (const QString &nome : QDir(cartella).entryList({"*.pdf"}))
            if (!prima.contains(nome) && esegui("lpstat", {"-o", coda}).isEmpty()) {
                const QString file = cartella + "/" + nome;
                const QString pagine =
                    esegui("pdfinfo", {file}).section("Pages:", 1).section('\n', 0, 0);
                const QString testo = esegui("pdftotext", {"-layout", file, "-"});
                QFile::remove(file);
                return {testo, pagine.trimmed().toInt()};
            }
    ADD_FAILURE() << "no PDF from the queue in " << cartella.toStdString();
    return {};
}

} // namespace

TEST(StampaCups, AMonthComesOutOfARealQueueAsAPdf)
{
    QString errore;
    const QString cartella = esegui("bash", {SCRIPTSTAMPANTE, coda}, &errore);
    if (!errore.isEmpty())
        GTEST_SKIP() << "no CUPS queue to print to: " << errore.toStdString();
    nuovoarchivio();
    const auto [breve, una] = stampasullacoda(cartella, 2);
    for (const char *atteso :
         {"CONTO CASSA Marzo 2008", "Pag. 1", "DESCRIZIONE", "SALDO", "02/03/08", "03/03/08",
          "Fattura numero 2", "Rossi Mario", "123,45", "-123,45", "246,90"})
        EXPECT_TRUE(breve.contains(atteso)) << atteso << "\n" << breve.toStdString();
    EXPECT_EQ(una, 1);
    // Long enough to break: every page has its number and the rows go on to the end.
    const auto [lungo, n] = stampasullacoda(cartella, 60);
    EXPECT_GE(n, 2);
    for (int p = 1; p <= n + 1; ++p)
        EXPECT_EQ(lungo.contains(QStringLiteral("Pag. %1").arg(p)), p <= n) << p;
    EXPECT_TRUE(lungo.contains("Fattura numero 60") && lungo.contains("7407,00"));
    Formstampante f; // the queue used last is preselected, whatever the system's default
    EXPECT_EQ(f.findChild<QListWidget *>("Lista")->selectedItems().value(0)->text(), coda);
}

TEST(StampaCups, AQueueRemovedWhilePrintingIsAFailure)
{
    const QString via = QStringLiteral("QuaderolaVia");
    QString errore;
    esegui("bash", {SCRIPTSTAMPANTE, via}, &errore);
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
