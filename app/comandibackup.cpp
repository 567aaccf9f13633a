// Backup and archive.
#include "app/formprincipale.h"

void Formprincipale::backup() {}
