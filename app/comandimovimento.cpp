// New and modified movements, and the address book.
#include "app/formprincipale.h"

#include "app/stato.h"
#include "platform/dialoghi.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QScrollBar>

void Formprincipale::nuovo()
{
    Stato &s = stato();
    if (s.dittacorrente == 0) {
        avviso(this, QStringLiteral("Selezionare una Ditta per continuare"));
        return;
    }
    s.azzeraricerca();
    s.movimentocorrente = MovimentoCorrente();
    {
        Formregistra registra(this);
        registra.exec();
    }
    elabora();
}

void Formprincipale::modificamovimento()
{
    Stato &s = stato();
    const RigaMese &riga = s.tabellamese.riga(rigascelta());
    if (riga.numero == 0) {
        avviso(this, QStringLiteral("Selezionare Movimento"));
        return;
    }
    MovimentoCorrente &m = s.movimentocorrente;
    m.numero = riga.numero;
    m.giorno = riga.giorno;
    m.mese = riga.mese;
    m.importo = riga.importo;
    m.descrizione1 = riga.descrizione[0];
    m.descrizione2 = riga.descrizione[1];
    m.segno = riga.segno;
    m.conto = riga.conto;
    m.contatto = riga.contatto;
    {
        Formregistra registra(this);
        registra.exec();
    }
    m = MovimentoCorrente();
    rigaselezionata = 0;
    elabora();
}

void Formprincipale::rubrica()
{
    stato().sceltacontatto = 0;
    Formproduttore rubrica(this);
    rubrica.exec();
}
