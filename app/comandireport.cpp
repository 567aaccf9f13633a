// The printed report and the monthly balances.
#include "app/formprincipale.h"

#include "app/stato.h"
#include "windows/saldi/formsaldi.h"
#include "windows/stampa/formstampante.h"

// Prints the month table as loaded; with an empty ledger there is nothing to print.
void Formprincipale::stampa()
{
    if (stato().tabellamese.numerorighe == 0)
        return;
    Formstampante finestra(this);
    finestra.exec();
}

void Formprincipale::vedisaldi()
{
    Formsaldi finestra(this);
    finestra.exec();
}
