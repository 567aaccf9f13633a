// The open payments due the statement's new rows settle: paired with the rows, booked with the
// item's descriptions and settled once the rows are written.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "ledger/abbinascadenze.h"
#include "store/fattureditta.h"

#include <QSignalBlocker>
#include <QTableWidget>

void Formimporta::leggiscadenzeaperte()
{
    const Stato &s = stato();
    QList<EventoScadenza> eventi;
    // Unreadable, no row settles an item: each is booked from the bank's text as before.
    if (!leggiscadenze(s.percorso, s.dittacorrente, eventi) || eventi.isEmpty())
        return;
    QDate fino;
    for (const Estratto &e : std::as_const(conti))
        fino = std::max(fino, ultimadata(e));
    if (!fino.isValid())
        return;
    const QList<Occorrenza> tutte =
        occorrenze(eventi, fino.addDays(10), Movimentisaldo(s.percorso, s.dittacorrente));
    for (const Occorrenza &o : tutte)
        if (o.aperta())
            aperte.append(o);
    // Unreadable, no item is preferred by its payment code.
    if (!leggicodici(s.percorso, s.dittacorrente, codici))
        codici.clear();
}

void Formimporta::abbinascadenzerighe()
{
    QList<RigaScadenza> righe;
    for (qsizetype i = 0; i < abbinamenti.size(); ++i) {
        const RigaEstratto &r = estratto.righe[i];
        const bool cerca = abbinamenti[i].stato == StatoRiga::nuovo && r.valuta.isEmpty();
        righe.append(
            {cerca ? controlli[i].data : QDate(), controlli[i].valore,
             cerca ? QStringList{r.descrizione1, r.descrizione2, r.tipo}.join(u' ') : QString()});
    }
    scadenzerighe = aperte.isEmpty() || conto() == 0
                        ? QList<qsizetype>(righe.size(), -1)
                        : abbinascadenze(aperte, conto(), righe, codici);
    const QSignalBlocker fermo(griglia);
    for (int i = 0; i < scadenzerighe.size(); ++i) {
        const Movimento m = daimportare(i);
        griglia->item(i, 2)->setText(m.descrizione1);
        griglia->item(i, 3)->setText(m.descrizione2);
    }
}

Movimento Formimporta::daimportare(qsizetype i) const
{
    Movimento m = movimenti[i];
    const qsizetype v = scadenzerighe.value(i, -1);
    if (v < 0)
        return m;
    // The item says who and what; a description the user wrote stays the user's.
    const Scadenza &s = aperte[v].scadenza;
    if (!scritte[i].first)
        m.descrizione1 = s.descrizione1, m.contatto = s.contatto;
    if (!scritte[i].second)
        m.descrizione2 = s.descrizione2;
    return m;
}

void Formimporta::saldascadenze(const QList<Abbinamento> &registrati, QStringList &avvisi)
{
    const Stato &s = stato();
    const auto valida = [&](const Conferma &c) { // the month files read again, under the lock
        return Movimentisaldo(s.percorso, s.dittacorrente)(c).has_value();
    };
    qsizetype gia = 0;
    for (qsizetype i = 0; i < scadenzerighe.size(); ++i) {
        const Abbinamento &a = registrati.value(i);
        if (scadenzerighe[i] < 0 || a.numero == 0)
            continue;
        Occorrenza &o = aperte[scadenzerighe[i]];
        const Conferma c{a.anno,
                         a.mese,
                         a.numero,
                         movimenti[i].giorno,
                         movimenti[i].segno,
                         movimenti[i].importo};
        bool saldata = false;
        if (const Esito e =
                saldascadenza(s.percorso, s.dittacorrente, o.voce, o.indice, c, valida, saldata);
            !e) {
            avvisi.append(e.messaggio());
            break;
        }
        gia += saldata;
        o.movimento = c; // settled, by this row or another: no other bank account settles it
    }
    if (gia == 1)
        avvisi.append(QStringLiteral("1 scadenza era già stata saldata da un'altra postazione e "
                                     "non è stata saldata di nuovo."));
    else if (gia > 1)
        avvisi.append(QStringLiteral("%1 scadenze erano già state saldate da un'altra postazione "
                                     "e non sono state saldate di nuovo.")
                          .arg(gia));
}
