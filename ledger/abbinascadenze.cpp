#include "ledger/abbinascadenze.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr qint64 giornimassimi = 10;

struct Candidato {
    bool taciuta; // the row's text names neither the item's invoice nor its payment code
    qint64 giorni;
    bool stimato; // an estimate's amount is not the row's
    qsizetype riga;
    qsizetype voce;

    bool operator<(const Candidato &c) const
    {
        return std::tie(taciuta, giorni, stimato, riga, voce) <
               std::tie(c.taciuta, c.giorni, c.stimato, c.riga, c.voce);
    }
};

// The number of the invoice an item made from one names ("Fattura 123/2026 del 15/03/2026").
QString numerofattura(const Scadenza &s)
{
    static const QRegularExpression forma(
        QStringLiteral(R"(^(?:Fattura|Nota di credito) (\S+) del \d)"));
    const QRegularExpressionMatch m = forma.match(s.descrizione2);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The number (or code) as a word of the text of its own, so that invoice 12 is not named by
// "123".
bool nomina(const QString &testo, const QString &numero)
{
    if (numero.isEmpty())
        return false;
    for (qsizetype i = testo.indexOf(numero, 0, Qt::CaseInsensitive); i >= 0;
         i = testo.indexOf(numero, i + 1, Qt::CaseInsensitive)) {
        const qsizetype fine = i + numero.size();
        if ((i == 0 || !testo[i - 1].isLetterOrNumber()) &&
            (fine == testo.size() || !testo[fine].isLetterOrNumber()))
            return true;
    }
    return false;
}

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
                                const QList<RigaScadenza> &righe,
                                const QHash<qint32, QString> &codici)
{
    // Exact amounts by value, so that a row looks only at its own; estimates by date, so that
    // a row compares its text only with those due around it.
    QHash<qint64, QList<qsizetype>> esatte;
    QList<qsizetype> stime;
    QList<QString> numeri(elenco.size());
    for (qsizetype v = 0; v < elenco.size(); ++v) {
        const Occorrenza &o = elenco[v];
        if (!o.aperta() || (o.scadenza.conto != 0 && o.scadenza.conto != conto))
            continue;
        numeri[v] = numerofattura(o.scadenza);
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
                candidati.append({!nomina(riga.testo, numeri[v]) &&
                                      !nomina(riga.testo, codici.value(elenco[v].voce)),
                                  giorni, stimato, r, v});
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
