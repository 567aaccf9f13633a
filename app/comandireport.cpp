// The printed report and the monthly balances.
#include "app/formprincipale.h"

void Formprincipale::stampa() {}

void Formprincipale::vedisaldi() {}
