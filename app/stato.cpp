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

FiltroMese Stato::filtro() const
{
    FiltroMese f;
    f.percorso = percorso;
    f.annogestione = annogestione;
    f.dittacorrente = dittacorrente;
    f.contocorrente = contocorrente;
    f.mesecorrente = mesecorrente;
    f.ricerca[0] = ricerca[0];
    f.ricerca[1] = ricerca[1];
    f.contattoricercato = contattoricercato;
    return f;
}

QString nomeperiodo(int periodo)
{
    return nomeperiodo(periodo, stato().annogestione);
}
