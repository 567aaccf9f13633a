// Which rows are offered, what the account's balance becomes with them, and their writing.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "ledger/importazione.h"
#include "ledger/registrazione.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

namespace {

QString nomestato(StatoRiga s)
{
    switch (s) {
    case StatoRiga::nuovo:
        return QStringLiteral("nuovo");
    case StatoRiga::giapresente:
        return QStringLiteral("già presente");
    case StatoRiga::daverificare:
        return QStringLiteral("da verificare");
    case StatoRiga::altravaluta:
        return QStringLiteral("altra valuta");
    case StatoRiga::importonullo:
        return QStringLiteral("importo nullo");
    case StatoRiga::altroanno:
        break;
    }
    return QStringLiteral("altro anno");
}

// The notice of rows another workstation recorded between the check and the writing.
QString giaregistrati(qsizetype n)
{
    if (n == 1)
        return QStringLiteral("1 movimento era già stato registrato da un'altra postazione e non "
                              "è stato importato.");
    return QStringLiteral("%1 movimenti erano già stati registrati da un'altra postazione e non "
                          "sono stati importati.")
        .arg(n);
}

} // namespace

qint16 Formimporta::conto() const
{
    const QList<QListWidgetItem *> scelti = Lista->selectedItems();
    return scelti.isEmpty() ? 0 : qint16(Lista->row(scelti.first()) + 2);
}

void Formimporta::aggiornastati()
{
    // A row in another currency pairs with nothing: its amount is not the euros of the book.
    QList<RigaControllo> confrontabili = controlli;
    for (qsizetype i = 0; i < confrontabili.size(); ++i)
        if (!estratto.righe[i].valuta.isEmpty())
            confrontabili[i].data = QDate();
    // No account, no duplicates to tell: only the year and the amount decide.
    const QSet<Conferma> confermate = confermeconto();
    abbinamenti = abbinarighe(conto() != 0 ? anno : AnnoDitta{anno.anno, {}, {}}, conto(),
                              confrontabili, confermate);
    for (qsizetype i = 0; i < abbinamenti.size(); ++i)
        abbinamenti[i].stato = statoestratto(estratto.righe[i], abbinamenti[i].stato);
    nonnuovi(confermate);
    abbinascadenzerighe();
    {
        const QSignalBlocker fermo(griglia);
        for (int i = 0; i < abbinamenti.size(); ++i) {
            const StatoRiga stato = abbinamenti[i].stato;
            QTableWidgetItem *scelta = griglia->item(i, 0);
            const bool importabile = stato != StatoRiga::altroanno &&
                                     stato != StatoRiga::importonullo &&
                                     stato != StatoRiga::altravaluta;
            scelta->setFlags(importabile ? Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                               Qt::ItemIsUserCheckable
                                         : Qt::ItemIsSelectable);
            scelta->setCheckState(stato == StatoRiga::nuovo ? Qt::Checked : Qt::Unchecked);
            griglia->item(i, 6)->setText(scadenzerighe[i] >= 0 ? QStringLiteral("scadenza")
                                                               : nomestato(stato));
            griglia->item(i, 6)->setToolTip(forse(abbinamenti[i]));
        }
    }
    aggiornaapertura();
    aggiornasaldi();
}

QList<qsizetype> Formimporta::righescelte() const
{
    QList<qsizetype> scelte;
    for (int i = 0; i < griglia->rowCount(); ++i)
        if (griglia->item(i, 0)->checkState() == Qt::Checked)
            scelte.append(i);
    return scelte;
}

void Formimporta::aggiornasaldi()
{
    if (conto() == 0) {
        saldoconto->clear();
        differenza->clear();
        return;
    }
    qint64 saldo = saldofino(anno, conto(), ultimadata(estratto));
    for (qsizetype i : righescelte())
        saldo += controlli[i].valore;
    if (const std::optional<DaScrivere> a = apertura())
        saldo += valore(a->movimento);
    mostrasaldo(saldoconto, saldo);
    if (estratto.saldofinale)
        mostrasaldo(differenza, *estratto.saldofinale - saldo);
    else
        differenza->clear();
}

void Formimporta::registra()
{
    if (conto() == 0) {
        avviso(this, QStringLiteral("Selezionare un conto"));
        return;
    }
    const Stato &s = stato();
    const QList<qsizetype> scelte = righescelte();
    QList<DaScrivere> righe;
    for (qsizetype i : scelte) {
        righe.append({daimportare(i), controlli[i].data.month(), controlli[i].data.year()});
        righe.last().movimento.conto = conto();
    }
    const std::optional<DaScrivere> iniziale = apertura();
    if (iniziale)
        righe.append(*iniziale);
    Registrati r;
    const Esito e = registrarighe(s.percorso, s.annogestione, righe, abbinamenti, r);
    QStringList avvisi;
    // Each movement written is whole: a second import offers the rest.
    if (!e)
        avvisi.append(
            e.messaggio() +
            QStringLiteral("\n\nMovimenti importati: %1 di %2.").arg(r.scritti).arg(scelte.size()));
    if (r.giapresenti > 0)
        avvisi.append(giaregistrati(r.giapresenti));
    if (r.scritti > 0)
        ricordacontobanca();
    annota(r, scelte, avvisi);
    // What the bank confirmed: the rows written or found written, and those already present.
    QList<Abbinamento> registrati(movimenti.size());
    for (qsizetype k = 0; k < scelte.size(); ++k)
        registrati[scelte[k]] = r.movimenti.value(k);
    saldascadenze(registrati, avvisi);
    QList<Conferma> conferme = confermate(registrati);
    // The opening balance is the bank's own: never a movement left to explain.
    if (const Abbinamento a = r.movimenti.value(scelte.size()); iniziale && a.numero != 0)
        conferme.append({a.anno, a.mese, a.numero, iniziale->movimento.giorno,
                         iniziale->movimento.segno, iniziale->movimento.importo});
    // A statement of no euros says nothing of a book in euros.
    const bool ineuro = estratto.valuta.isEmpty() &&
                        (estratto.saldoiniziale || estratto.saldofinale ||
                         std::any_of(estratto.righe.begin(), estratto.righe.end(),
                                     [](const RigaEstratto &x) { return x.valuta.isEmpty(); }));
    if (const Esito k =
            !ineuro ? Esito()
                    : registraestratto(s.percorso, s.dittacorrente, conto(), estratto.conto,
                                       ultimadata(estratto), estratto.saldofinale, conferme);
        !k)
        avvisi.append(k.messaggio());
    if (const Esito k = ricordadescrizioni(registrati); !k)
        avvisi.append(k.messaggio());
    if (!avvisi.isEmpty())
        avviso(this, avvisi.join(QStringLiteral("\n\n")));
    if (!e)
        return accept(); // the rest would stop at the same file
    seguente();
}

QList<Conferma> Formimporta::confermate(const QList<Abbinamento> &registrati) const
{
    QList<Conferma> c;
    for (qsizetype i = 0; i < movimenti.size(); ++i) {
        const bool scelta = griglia->item(int(i), 0)->checkState() == Qt::Checked;
        // A row "da verificare" is the user's to confirm, in the reconciliation.
        const Abbinamento a = scelta ? registrati.value(i) : abbinamenti.value(i);
        if (a.numero != 0 && (scelta || a.stato == StatoRiga::giapresente))
            c.append({a.anno, a.mese, a.numero, movimenti[i].giorno, movimenti[i].segno,
                      movimenti[i].importo});
    }
    return c;
}
