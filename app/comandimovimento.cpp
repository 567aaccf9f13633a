// New, modified and restored movements, and the address book.
#include "app/formprincipale.h"

#include "app/stato.h"
#include "ledger/quadratura.h"
#include "ledger/riporto.h"
#include "platform/dialoghi.h"
#include "store/filemese.h"
#include "windows/registra/formregistra.h"
#include "windows/rubrica/formproduttore.h"

#include <QMenu>
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

void Formprincipale::ripristinamovimento()
{
    opemov->hide();
    if (cancellato.numero == 0)
        return;
    // Kept: deleting the movement booked again allows it.
    if (reimportato(cancellato.file, cancellato.numero, cancellato.record))
        return avviso(this,
                      QStringLiteral("Il movimento è già stato reimportato dall'estratto conto."));
    Ripristino esito = Ripristino::cambiato;
    const auto consenti = [this](const QByteArray &dati) {
        return !altroriporto(dati, cancellato.numero, cancellato.record);
    };
    if (Esito e = ::ripristinamovimento(cancellato.file, cancellato.numero, cancellato.record,
                                        esito, consenti);
        !e) {
        avviso(this, e.messaggio()); // kept: the user may try again
        return;
    }
    // Taken back, or changed by another workstation so that it never can be: forgotten either
    // way. A carry refused because another one stands is kept: deleting that one first allows it.
    if (esito == Ripristino::rifiutato)
        return avviso(this, QStringLiteral("Il saldo dell'anno è già stato riportato."));
    cancellato = {};
    ripristina->setEnabled(false);
    if (esito == Ripristino::cambiato) {
        avviso(this, QStringLiteral("Il movimento è stato modificato nel frattempo da un'altra "
                                    "postazione: non è stato ripristinato."));
        return;
    }
    rigaselezionata = 0;
    elabora();
}
