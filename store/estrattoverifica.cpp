// The bank's own figures as the judge of a reading: its running balance and its balances.
#include "store/estrattoformati.h"

namespace {

bool ineuro(const RigaEstratto &r)
{
    return r.valuta.isEmpty();
}

// One way of reading the running balance: the file's order and the sign of its amounts.
struct Lettura {
    bool recenti; // newest first
    int segno;
};

// Two euro rows next to each other in the file, both with a running balance.
struct Coppia {
    qsizetype prima, dopo;
};

QList<Coppia> coppie(const Estratto &e, const QList<std::optional<qint64>> &p)
{
    QList<Coppia> c;
    qsizetype prima = -1;
    for (qsizetype i = 0; i < e.righe.size(); ++i) {
        if (!p.value(i) || !ineuro(e.righe[i])) {
            prima = -1; // a row in another currency moves the balance by no euro amount
            continue;
        }
        if (prima >= 0)
            c.append({prima, i});
        prima = i;
    }
    return c;
}

// The row whose amount the change of balance between the two must be, and that change.
qsizetype controllata(const Coppia &c, const Lettura &l)
{
    return l.recenti ? c.prima : c.dopo;
}

qint64 variazione(const Coppia &c, const Lettura &l, const QList<std::optional<qint64>> &p)
{
    return l.recenti ? meno(*p[c.prima], *p[c.dopo]) : meno(*p[c.dopo], *p[c.prima]);
}

qint64 differenza(const Estratto &e, const Coppia &c, const Lettura &l,
                  const QList<std::optional<qint64>> &p)
{
    return meno(variazione(c, l, p), l.segno * e.righe[controllata(c, l)].importo);
}

// The running balance's chain: false when the file has none, or a column of that name that no
// reading makes one (a balance of something else).
bool catena(Estratto &e, const QList<std::optional<qint64>> &p, qint64 &scarto, bool &segnate)
{
    const QList<Coppia> cc = coppie(e, p);
    if (cc.isEmpty())
        return false;
    // The dates' order first, so that a chain both orders explain is read as the file is.
    const bool recenti = e.righe.first().data > e.righe.last().data;
    const Lettura letture[] = {{recenti, 1}, {!recenti, 1}, {recenti, -1}, {!recenti, -1}};
    int voti[4] = {};
    int migliore = 0;
    for (int k = 0; k < 4; ++k) {
        for (const Coppia &c : cc)
            voti[k] += uguale(differenza(e, c, letture[k], p), 0) ? 1 : 0;
        migliore = voti[k] > voti[migliore] ? k : migliore;
    }
    if (voti[migliore] == 0)
        return false;
    // Signs are turned only when not one movement agrees as written.
    if (letture[migliore].segno < 0 && voti[migliore - 2] > 0)
        migliore -= 2;
    Lettura l = letture[migliore];
    if (l.segno < 0) {
        for (RigaEstratto &r : e.righe)
            r.importo = ineuro(r) ? -r.importo : r.importo;
        l.segno = 1;
    }
    for (const Coppia &c : cc) {
        const qint64 d = differenza(e, c, l, p);
        if (uguale(d, 0))
            continue;
        e.righe[controllata(c, l)].incerta = true;
        scarto = piu(scarto, qAbs(d));
        segnate = true;
    }
    return true;
}

// The period's opening plus its movements against its closing, a debit-column balance taken
// with the sign that adds up; what is missing, 0 when it adds up.
qint64 mancante(const Estratto &e, Periodo &p)
{
    qint64 somma = 0;
    for (qsizetype i = p.primo; i < p.fine; ++i)
        somma = piu(somma, ineuro(e.righe[i]) ? e.righe[i].importo : 0);
    for (int a : {1, -1})
        for (int c : {1, -1}) {
            if ((a < 0 && !p.aperturaincerta) || (c < 0 && !p.chiusuraincerta))
                continue;
            if (uguale(piu(a * *p.apertura, somma), c * *p.chiusura)) {
                p.apertura = a * *p.apertura;
                p.chiusura = c * *p.chiusura;
                return 0;
            }
        }
    return meno(meno(*p.chiusura, *p.apertura), somma);
}

} // namespace

void verificaestratto(Estratto &e, const QList<std::optional<qint64>> &progressivi,
                      QList<Periodo> periodi)
{
    qint64 scarto = 0;
    bool segnate = false;
    bool verificato = catena(e, progressivi, scarto, segnate);
    const bool concatena = verificato;
    for (Periodo &p : periodi) {
        if (!p.apertura || !p.chiusura)
            continue;
        verificato = true;
        const qint64 m = mancante(e, p);
        // Where the chain has told the rows, they are the ones to check.
        if (m == 0 || (concatena && segnate))
            continue;
        for (qsizetype i = p.primo; i < p.fine; ++i)
            e.righe[i].incerta = true;
        scarto = piu(scarto, qAbs(m));
    }
    if (!periodi.isEmpty()) {
        e.saldoiniziale = periodi.first().apertura;
        e.saldofinale = periodi.last().chiusura;
        e.datasaldofinale = periodi.last().datachiusura;
    }
    if (verificato)
        e.scarto = scarto;
}
