// The main window beside the backup and data-location windows, account captions as typed, and
// the ledger rows on white.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "support/aiuti.h"
#include "windows/backup/formbackup.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

const auto premi = [](QWidget *w, const char *n) { w->findChild<QAbstractButton *>(n)->click(); };

// Presses the backup button and returns the backup window, opened beside the main window.
Formbackup *aprebackup(Formprincipale &f)
{
    premi(&f, "backup");
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("Formbackup"))
            return static_cast<Formbackup *>(w);
    return nullptr;
}

// Runs the event loop until the program ends; 0 when it ended by itself.
int finoallafine(const std::function<void()> &azione)
{
    QTimer::singleShot(0, azione);
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

} // namespace

TEST(Revisione, BackupWindowOutlivesTheMainWindowAndEndingWritesNothing)
{
    const QString dati = cartellalocale();
    Formprincipale f;
    f.show();
    Formbackup *b = aprebackup(f);
    EXPECT_EQ(finoallafine([&] {
                  f.close();
                  QTimer::singleShot(50, [b] {
                      accettamessaggio();
                      premi(b, "Command1"); // a dated backup still runs
                      b->close();
                  });
              }),
              0);
    EXPECT_TRUE(QDir(dati + "/../backupquaderoladati" + dataddmmyy(oggi())).exists());

    // "Cancella" with the data-location window open: nothing writes after the end.
    scrivibyte(dati + "/listconto", "x");
    f.show();
    premi(&f, "impostazioni");
    b = aprebackup(f);
    accettamessaggio();
    accettamessaggio();
    EXPECT_EQ(finoallafine([b] { premi(b, "Command5"); }), 0);
    EXPECT_EQ(QDir(dati).entryList(QDir::Files), QStringList());
}

TEST(Revisione, AccountCaptionsAreTheNamesAsTypedAndRowsAreOnWhite)
{
    QStringList attesi = {"B&B Riviera", "Varie..."};
    scrivibyte(cartellalocale() + "/listconto",
               "B&B Riviera" + QByteArray(39, ' ') + "Varie..." + QByteArray(42, ' '));
    Formprincipale f;
    auto verifica = [&] {
        for (int i = 0; i < attesi.size(); ++i) {
            auto *a = f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i + 3));
            auto *b = f.findChild<QToolBar *>("Toolbar1")->widgetForAction(a);
            EXPECT_EQ(QStringList({a->text(), a->iconText(), b->property("text").toString()}),
                      QStringList(3, attesi[i]));
        }
    };
    verifica();
    rispondiinput("R&S");
    f.findChild<QAction *>("aggiungitipo")->trigger();
    attesi.append("R&S");
    verifica();
    f.findChild<QAction *>("Toolbar1_3")->trigger();
    rispondiinput("Varie...");
    f.findChild<QAction *>("rinominatipo")->trigger();
    attesi[0] = "Varie...";
    verifica();

    for (const char *riga : {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"})
        for (int k = 0; k < Formprincipale::righevisibili; ++k) {
            auto *l = f.findChild<QLabel *>(QStringLiteral("%1_%2").arg(riga).arg(k));
            EXPECT_TRUE(l->autoFillBackground() &&
                        l->palette().color(QPalette::Window) == Qt::white)
                << riga << k;
        }
}
