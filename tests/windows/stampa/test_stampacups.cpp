// End to end: a month printed through the print window to a real CUPS queue that writes PDF
// files, read back with pdftotext. Needs a scheduler this test can start (root); skipped, with
// the reason, where there is none.
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
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString coda = QStringLiteral("QuaderolaPDF");

QString esegui(const QString &programma, const QStringList &argomenti, int *uscita = nullptr,
               QString *errori = nullptr) {
    QProcess p;
    p.start(programma, argomenti);
    const bool finito = p.waitForFinished(60000);
    if (!finito) p.kill();
    if (uscita) *uscita = finito && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (errori) *errori = QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QSet<QString> pdf(const QString &cartella) {
    const QStringList nomi = QDir(cartella).entryList({"*.pdf"}, QDir::Files);
    return QSet<QString>(nomi.begin(), nomi.end());
}

// Waits until the queue has no job left and a new PDF has appeared; its path, or empty.
QString attendipdf(const QString &cartella, const QSet<QString> &prima) {
    QDeadlineTimer scadenza(90000);
    while (!scadenza.hasExpired()) {
        QApplication::processEvents();
        const QSet<QString> nuovi = pdf(cartella) - prima;
        if (!nuovi.isEmpty() && esegui("lpstat", {"-o", coda}).trimmed().isEmpty()) {
            const QString file = cartella + "/" + *nuovi.begin();
            if (QFileInfo(file).size() > 0) return file;
        }
        QThread::msleep(200);
    }
    return {};
}

void mese(int righe) {
    Stato &s = stato();
    s.annogestione = "08";
    s.contocorrente = 2;
    s.mesecorrente = 3;
    s.tabellamese = TabellaMese();
    for (int i = 1; i <= righe; ++i) {
        RigaMese &r = s.tabellamese.righe[i];
        r.numero = i;
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

// Prints the month table on the queue through the window; the texts of any message shown.
QString stampasullacoda() {
    QString avvisi;
    QTimer guardia;
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        if (auto *b = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            avvisi += b->text();
            b->accept();
        }
    });
    guardia.start(50);
    Formstampante f;
    f.show();
    auto *lista = f.findChild<QListWidget *>("Lista");
    lista->setCurrentItem(lista->findItems(coda, Qt::MatchExactly).value(0));
    f.findChild<QAbstractButton *>("Command1")->click();
    return avvisi;
}

QString testo(const QString &file) {
    return esegui("pdftotext", {"-layout", file, "-"});
}

int pagine(const QString &file) {
    const QRegularExpression re("Pages:\\s+(\\d+)");
    return re.match(esegui("pdfinfo", {file})).captured(1).toInt();
}

} // namespace

TEST(StampaCups, AMonthComesOutOfARealQueueAsAPdf) {
    int uscita = 0;
    QString errori;
    const QString cartella = esegui("bash", {SCRIPTSTAMPANTE, coda}, &uscita, &errori).trimmed();
    if (uscita != 0)
        GTEST_SKIP() << "no CUPS queue to print to: " << errori.trimmed().toStdString();
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(coda));
    nuovacasa();

    mese(2);
    QSet<QString> prima = pdf(cartella);
    EXPECT_EQ(stampasullacoda(), "");
    const QString breve = attendipdf(cartella, prima);
    ASSERT_FALSE(breve.isEmpty()) << "no PDF from the queue in " << cartella.toStdString();
    const QString t = testo(breve);
    for (const char *atteso :
         {"CONTO CASSA Marzo 2008", "Pag. 1", "DATA", "DESCRIZIONE", "ENTRATE", "USCITE", "SALDO",
          "02/03/08", "03/03/08", "Fattura numero 2", "Rossi Mario", "123,45", "-123,45", "246,90"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(atteso))) << atteso << "\n" << t.toStdString();
    EXPECT_EQ(pagine(breve), 1);

    // Long enough to break: every page has its number and the rows go on to the end.
    mese(60);
    prima = pdf(cartella);
    EXPECT_EQ(stampasullacoda(), "");
    const QString lungo = attendipdf(cartella, prima);
    ASSERT_FALSE(lungo.isEmpty());
    const QString l = testo(lungo);
    const int n = pagine(lungo);
    EXPECT_GE(n, 2);
    for (int p = 1; p <= n; ++p)
        EXPECT_TRUE(l.contains(QStringLiteral("Pag. %1").arg(p))) << p;
    EXPECT_FALSE(l.contains(QStringLiteral("Pag. %1").arg(n + 1)));
    EXPECT_TRUE(l.contains("Fattura numero 60"));
    EXPECT_TRUE(l.contains("7407,00")); // the balance of the last row

    // The queue used last is preselected, whatever the system's default.
    Formstampante f;
    const QList<QListWidgetItem *> scelte = f.findChild<QListWidget *>("Lista")->selectedItems();
    ASSERT_EQ(scelte.size(), 1);
    EXPECT_EQ(scelte.first()->text(), coda);
    QFile::remove(breve);
    QFile::remove(lungo);
}

TEST(StampaCups, AQueueRemovedWhilePrintingIsAFailure) {
    const QString via = QStringLiteral("QuaderolaVia");
    int uscita = 0;
    QString errori;
    esegui("bash", {SCRIPTSTAMPANTE, via}, &uscita, &errori);
    if (uscita != 0)
        GTEST_SKIP() << "no CUPS queue to print to: " << errori.trimmed().toStdString();
    Stampante &s = stampante();
    ASSERT_TRUE(s.scegli(via));
    ASSERT_TRUE(s.centimetri());
    EXPECT_GT(s.larghezza(), 15);
    ASSERT_TRUE(s.scrivi("Prima riga", true));
    esegui("lpadmin", {"-x", via});
    EXPECT_FALSE(s.fine());
    EXPECT_TRUE(s.motivo().contains(via)) << s.motivo().toStdString();
}
