// New and modified movements, and the address book.
#include "app/formprincipale.h"

void Formprincipale::nuovo() {}

void Formprincipale::modificamovimento() {}

void Formprincipale::rubrica() {}
