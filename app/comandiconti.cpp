// Accounts, search and data location.
#include "app/formprincipale.h"

void Formprincipale::aggiungitipo() {}

void Formprincipale::rinominatipo() {}

void Formprincipale::cerca() {}

void Formprincipale::impostazioni() {}
