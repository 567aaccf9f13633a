// Backup and archive.
#include "app/formprincipale.h"

#include "windows/backup/formbackup.h"

// The backup window stays beside the main window; pressing the button again brings the open
// one forward instead of opening a second. It has no parent, so it keeps working after the
// main window has closed and the program ends only when it closes too; a closed one is only
// waiting to be deleted.
void Formprincipale::backup()
{
    if (!finestrabackup || !finestrabackup->isVisible()) {
        finestrabackup = new Formbackup;
        finestrabackup->setAttribute(Qt::WA_DeleteOnClose);
    }
    finestrabackup->show();
    finestrabackup->raise();
    finestrabackup->activateWindow();
}
