// What an import booked, year by year, and the carried balances it made stale.
#include "windows/importa/formimporta.h"

#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/registrazione.h"
#include "ledger/riporto.h"
#include "platform/soldi.h"

#include <QListWidget>
#include <map>

void Formimporta::annota(const Registrati &r, const QList<qsizetype> &scelte, QStringList &avvisi)
{
    std::map<int, qsizetype> peranno;
    for (qsizetype k = 0; k < scelte.size(); ++k) {
        const Abbinamento &a = r.movimenti.value(k);
        if (a.numero == 0 || a.stato != StatoRiga::nuovo)
            continue;
        ++peranno[a.anno];
        const QDate data = controlli[scelte[k]].data;
        if (!importato.ultima.isValid() || data >= importato.ultima)
            importato = {importato.frasi, conto(), data};
    }
    const Stato &s = stato();
    for (const auto &[anno, quanti] : peranno) {
        importato.frasi.append(
            (quanti == 1 ? QStringLiteral("Importato 1 movimento")
                         : QStringLiteral("Importati %1 movimenti").arg(quanti)) +
            QStringLiteral(" nel conto %1 (%2).").arg(Lista->item(conto() - 2)->text()).arg(anno));
        // A balance carried before these rows came no longer closes its year.
        QList<Riportato> aggiornati;
        const Esito e = aggiornariporti(s.percorso, anno, s.dittacorrente, conto(), aggiornati);
        for (const Riportato &x : aggiornati)
            importato.frasi.append(QStringLiteral("Saldo riportato al %1 aggiornato: %2.")
                                       .arg(x.anno)
                                       .arg(fixed(x.saldo)));
        if (!e)
            avvisi.append(e.messaggio());
    }
}
