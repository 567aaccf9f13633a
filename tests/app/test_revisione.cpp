// The backup window beside the main window, and the end of the program.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "support/finestre.h"
#include "windows/backup/formbackup.h"

#include <QTimer>

namespace {

// Presses the backup button and returns the backup window, opened beside the main window;
// nullptr unless there is exactly one.
QWidget *aprebackup(Formprincipale &f)
{
    clicca(&f, "backup");
    QWidgetList aperte;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("Formbackup"))
            aperte.append(w);
    return aperte.size() == 1 ? aperte[0] : nullptr;
}

} // namespace

TEST(Revisione, BackupWindowOutlivesTheMainWindowAndEndingWritesNothing)
{
    const QString dati = cartellalocale();
    Formprincipale f;
    f.show();
    QWidget *b = aprebackup(f);
    EXPECT_EQ(finoallafine([&] {
                  f.close();
                  QTimer::singleShot(50, [b] {
                      accettamessaggio();
                      clicca(b, "Command1"); // a dated backup still runs
                      b->close();
                  });
              }),
              0);
    EXPECT_TRUE(QDir(dati + "/../backupquaderoladati" + dataddmmyy(oggi())).exists());

    // "Cancella" with the data-location window open: nothing writes after the end.
    scrivibyte(dati + "/listconto", "x");
    f.show();
    clicca(&f, "impostazioni");
    b = aprebackup(f);
    EXPECT_EQ(aprebackup(f), b); // a second click brings the same window forward
    accettamessaggio();
    accettamessaggio();
    EXPECT_EQ(finoallafine([b] { clicca(b, "Command5"); }), 0);
    EXPECT_EQ(QDir(dati).entryList(QDir::Files), QStringList());
}
