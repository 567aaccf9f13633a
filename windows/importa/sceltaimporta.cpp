// Which rows are offered, what the account's balance becomes with them, and their writing.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "ledger/importazione.h"
#include "ledger/periodo.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/filemese.h"

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
    case StatoRiga::altravaluta:
        return QStringLiteral("altra valuta");
    case StatoRiga::altroanno:
        break;
    }
    return QStringLiteral("altro anno");
}

void mostrasaldo(QLabel *l, qint64 saldo)
{
    l->setText(fixed(saldo));
    colora(l, QPalette::WindowText, coloresaldo(saldo));
}

} // namespace

qint16 Formimporta::conto() const
{
    return Lista->currentRow() >= 0 ? qint16(Lista->currentRow() + 2) : 0;
}

void Formimporta::aggiornastati()
{
    QList<StatoRiga> stati;
    if (conto() != 0) {
        stati = statirighe(anno, conto(), controlli);
    } else {
        // No account, no duplicates to tell: only the year decides.
        for (const RigaControllo &r : controlli)
            stati.append(r.data.year() == anno.anno ? StatoRiga::nuovo : StatoRiga::altroanno);
    }
    for (int i = 0; i < stati.size(); ++i)
        stati[i] = statoestratto(estratto.righe[i], stati[i]);
    {
        const QSignalBlocker fermo(griglia);
        for (int i = 0; i < stati.size(); ++i) {
            QTableWidgetItem *scelta = griglia->item(i, 0);
            const bool bloccata =
                stati[i] == StatoRiga::altroanno || stati[i] == StatoRiga::altravaluta;
            scelta->setFlags(bloccata ? Qt::ItemIsSelectable
                                      : Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                            Qt::ItemIsUserCheckable);
            scelta->setCheckState(stati[i] == StatoRiga::nuovo ? Qt::Checked : Qt::Unchecked);
            griglia->item(i, 6)->setText(nomestato(stati[i]));
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
    qsizetype scritti = 0;
    QList<Conferma> confermate = confermategiapresenti();
    for (qsizetype i : scelte) {
        Movimento m = movimenti[i];
        m.conto = conto();
        const int mese = controlli[i].data.month();
        const QString file = percorsomese(s.percorso, mese, s.annogestione);
        qint32 numero = 0;
        if (const Esito e = aggiungimovimento(file, m, &numero); !e) {
            // Each movement written is whole: a second import offers the rest.
            avviso(this, e.messaggio() + QStringLiteral("\n\nMovimenti importati: %1 di %2.")
                                             .arg(scritti)
                                             .arg(scelte.size()));
            break;
        }
        ++scritti;
        confermate.append({annointero(s.annogestione).toInt(), qint16(mese), numero, m.giorno,
                           m.segno, m.importo});
    }
    if (scritti > 0)
        ricordacontobanca();
    // The bank's own rows, as written, are confirmed: the reconciliation leaves them out.
    if (const Esito e = registraestratto(s.percorso, s.dittacorrente, conto(), estratto.conto,
                                         ultimadata(estratto), estratto.saldofinale, confermate);
        !e)
        avviso(this, e.messaggio());
    accept();
}

QList<Conferma> Formimporta::confermategiapresenti() const
{
    // The matching does not tell yet which recorded movement a "già presente" row paired:
    // until it does, those rows confirm nothing and stay open in the reconciliation.
    return {};
}
