#include "app/stato.h"

#include "ledger/periodo.h"

Stato &stato()
{
    static Stato s;
    return s;
}

void Stato::azzeraricerca()
{
    ricerca[0].clear();
    ricerca[1].clear();
    contattoricercato = 0;
}

QString nomeperiodo(int periodo)
{
    return nomeperiodo(periodo, stato().annogestione);
}
