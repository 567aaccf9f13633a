#include "ledger/elabora.h"

#include <algorithm>
#include <vector>

qint16 ordina(TabellaMese &t, qint16 giorno, qint16 mese)
{
    int i = t.numerorighe;
    if (i < 1)
        return 1;
    if (i + 1 >= t.righe.size())
        t.righe.resize(i + 2); // a full table still has room to move
    while (true) {
        if (t.righe[i].mese < mese || giorno >= t.righe[i].giorno)
            return qint16(i + 1);
        t.righe[i + 1] = t.righe[i];
        if (--i < 1)
            return 1;
    }
}

namespace {

// The rows 1 to n by month, then day, then their place now: row numbers in their new order.
// Days of a sound file are 1 to 31, so counting them is enough; a damaged file falls back to a
// sort.
std::vector<qint32> ordine(const TabellaMese &t)
{
    const int n = t.numerorighe;
    constexpr int giorni = 64;
    bool contabili = true;
    for (int i = 1; i <= n && contabili; ++i)
        contabili = t.righe[i].mese >= 0 && t.righe[i].mese <= 12 && t.righe[i].giorno >= 0 &&
                    t.righe[i].giorno < giorni;
    std::vector<qint32> posto(static_cast<size_t>(n));
    if (contabili) {
        std::vector<qint32> inizio(13 * giorni + 1, 0);
        for (int i = 1; i <= n; ++i)
            ++inizio[size_t(t.righe[i].mese * giorni + t.righe[i].giorno) + 1];
        for (size_t k = 1; k < inizio.size(); ++k)
            inizio[k] += inizio[k - 1];
        for (int i = 1; i <= n; ++i)
            posto[size_t(inizio[size_t(t.righe[i].mese * giorni + t.righe[i].giorno)]++)] = i;
        return posto;
    }
    for (int i = 1; i <= n; ++i)
        posto[size_t(i - 1)] = i;
    std::stable_sort(posto.begin(), posto.end(), [&t](qint32 a, qint32 b) {
        const RigaMese &x = t.righe[a], &y = t.righe[b];
        return x.mese != y.mese ? x.mese < y.mese : x.giorno < y.giorno;
    });
    return posto;
}

} // namespace

void ordinatabella(TabellaMese &t)
{
    const std::vector<qint32> posto = ordine(t);
    // Follow each cycle of the permutation, so every row moves once.
    std::vector<bool> fatto(posto.size() + 1, false);
    for (qint32 k = 1; k <= t.numerorighe; ++k) {
        if (fatto[size_t(k)] || posto[size_t(k - 1)] == k)
            continue;
        RigaMese primo = std::move(t.righe[k]);
        qint32 j = k;
        while (posto[size_t(j - 1)] != k) {
            t.righe[j] = std::move(t.righe[posto[size_t(j - 1)]]);
            fatto[size_t(j)] = true;
            j = posto[size_t(j - 1)];
        }
        t.righe[j] = std::move(primo);
        fatto[size_t(j)] = true;
    }
}
