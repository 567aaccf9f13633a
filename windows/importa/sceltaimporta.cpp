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

void mostrasaldo(QLabel *l, qint64 saldo)
{
    l->setText(fixed(saldo));
    colora(l, QPalette::WindowText, coloresaldo(saldo));
    adatta(l);
}

} // namespace

qint16 Formimporta::conto() const
{
    const QList<QListWidgetItem *> scelti = Lista->selectedItems();
    return scelti.isEmpty() ? 0 : qint16(Lista->row(scelti.first()) + 2);
}

void Formimporta::aggiornastati()
{
    // No account, no duplicates to tell: only the year and the amount decide.
    abbinamenti = abbinarighe(conto() != 0 ? anno : AnnoDitta{anno.anno, {}}, conto(), controlli);
    {
        const QSignalBlocker fermo(griglia);
        for (int i = 0; i < abbinamenti.size(); ++i) {
            const StatoRiga stato = abbinamenti[i].stato;
            QTableWidgetItem *scelta = griglia->item(i, 0);
            const bool importabile =
                stato != StatoRiga::altroanno && stato != StatoRiga::importonullo;
            scelta->setFlags(importabile ? Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                               Qt::ItemIsUserCheckable
                                         : Qt::ItemIsSelectable);
            scelta->setCheckState(stato == StatoRiga::nuovo ? Qt::Checked : Qt::Unchecked);
            griglia->item(i, 6)->setText(nomestato(stato));
        }
    }
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
        righe.append({movimenti[i], controlli[i].data.month()});
        righe.last().movimento.conto = conto();
    }
    Registrati r;
    const Esito e = registraestratto(s.percorso, s.annogestione, righe, abbinamenti, r);
    QStringList avvisi;
    // Each movement written is whole: a second import offers the rest.
    if (!e)
        avvisi.append(
            e.messaggio() +
            QStringLiteral("\n\nMovimenti importati: %1 di %2.").arg(r.scritti).arg(scelte.size()));
    if (r.giapresenti > 0)
        avvisi.append(giaregistrati(r.giapresenti));
    if (!avvisi.isEmpty())
        avviso(this, avvisi.join(QStringLiteral("\n\n")));
    accept();
}
