// Backup and archive.
#include "app/formprincipale.h"

#include "windows/backup/formbackup.h"

// The backup window stays beside the main window; pressing the button again brings the open
// one forward instead of opening a second.
void Formprincipale::backup()
{
    if (!finestrabackup) {
        finestrabackup = new Formbackup(this);
        finestrabackup->setAttribute(Qt::WA_DeleteOnClose);
    }
    finestrabackup->show();
    finestrabackup->raise();
    finestrabackup->activateWindow();
}
