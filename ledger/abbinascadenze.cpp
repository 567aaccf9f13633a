#include "ledger/abbinascadenze.h"

#include <QHash>
#include <algorithm>

namespace {

constexpr qint64 giornimassimi = 10;

struct Candidato {
    qint64 giorni;
    bool stimato; // an estimate's amount is not the row's
    qsizetype riga;
    qsizetype voce;

    bool operator<(const Candidato &c) const
    {
        return std::tie(giorni, stimato, riga, voce) <
               std::tie(c.giorni, c.stimato, c.riga, c.voce);
    }
};

qint64 valore(const Scadenza &s)
{
    return s.segno == 0 ? s.importo : -s.importo;
}

// Within a fifth of the estimate, on its side of zero.
bool vicino(qint64 riga, qint64 stima)
{
    return (riga < 0) == (stima < 0) && qAbs(riga - stima) * 5 <= qAbs(stima);
}

} // namespace

QList<qsizetype> abbinascadenze(const QList<Occorrenza> &elenco, qint16 conto,
                                const QList<RigaScadenza> &righe)
{
    // Exact amounts by value, so that a row looks only at its own; estimates by date, so that
    // a row compares its text only with those due around it.
    QHash<qint64, QList<qsizetype>> esatte;
    QList<qsizetype> stime;
    for (qsizetype v = 0; v < elenco.size(); ++v) {
        const Occorrenza &o = elenco[v];
        if (!o.aperta() || (o.scadenza.conto != 0 && o.scadenza.conto != conto))
            continue;
        if (o.scadenza.stima)
            stime.append(v);
        else
            esatte[valore(o.scadenza)].append(v);
    }
    std::stable_sort(stime.begin(), stime.end(), [&](qsizetype a, qsizetype b) {
        return elenco[a].scadenza.data < elenco[b].scadenza.data;
    });
    QList<Candidato> candidati;
    for (qsizetype r = 0; r < righe.size(); ++r) {
        const RigaScadenza &riga = righe[r];
        if (!riga.data.isValid() || riga.valore == 0)
            continue;
        auto prova = [&](qsizetype v, bool stimato) {
            const qint64 giorni = qAbs(riga.data.daysTo(elenco[v].scadenza.data));
            if (giorni <= giornimassimi)
                candidati.append({giorni, stimato, r, v});
        };
        for (qsizetype v : esatte.value(riga.valore))
            prova(v, false);
        const auto dopo = [&](qsizetype v, const QDate &d) { return elenco[v].scadenza.data < d; };
        for (auto k = std::lower_bound(stime.cbegin(), stime.cend(),
                                       riga.data.addDays(-giornimassimi), dopo);
             k != stime.cend() && elenco[*k].scadenza.data <= riga.data.addDays(giornimassimi);
             ++k) {
            const qsizetype v = *k;
            const Scadenza &s = elenco[v].scadenza;
            const QString nome = s.descrizione1.simplified();
            if (vicino(riga.valore, valore(s)) && !nome.isEmpty() &&
                riga.testo.contains(nome, Qt::CaseInsensitive))
                prova(v, riga.valore != valore(s));
        }
    }
    std::sort(candidati.begin(), candidati.end());
    QList<qsizetype> scelte(righe.size(), -1);
    QList<bool> prese(elenco.size(), false);
    for (const Candidato &c : std::as_const(candidati))
        if (scelte[c.riga] < 0 && !prese[c.voce])
            scelte[c.riga] = c.voce, prese[c.voce] = true;
    return scelte;
}
