#include "ledger/doppioni.h"

#include "ledger/periodo.h"
#include "ledger/riporto.h"
#include "store/filemese.h"
#include "store/movimento.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <queue>
#include <tuple>
#include <vector>

namespace {

namespace mv = movimento;

constexpr int tolleranza = 3; // days a bank's booking date may differ from the one typed
constexpr int attesa = 90;    // days a cheque may wait before the bank cashes it

QString yy(int anno)
{
    return QStringLiteral("%1").arg(anno % 100, 2, 10, QLatin1Char('0'));
}

// Reads month mese of year anno (four digits) into a: income and expense of the company.
Esito leggimese(const QString &percorso, int anno, int mese, qint16 ditta, Mancante mancante,
                AnnoDitta &a)
{
    const qint64 primo = QDate(anno, mese, 1).toJulianDay();
    const QString file = percorsomese(percorso, mese, yy(anno));
    qint32 numero = 0;
    const auto usa = [&](const char *r, qsizetype n) {
        for (; n > 0; --n, r += mv::dimensione) {
            ++numero;
            const qint16 segno = mv::segno(r);
            if (mv::ditta(r) != ditta || (segno != mv::entrata && segno != mv::uscita))
                continue;
            if (mese == 1 && !std::memcmp(mv::descrizione1(r), "RIPORTO SALDO", 13) &&
                eriporto(r, yy(anno - 1)))
                a.riportati.insert({anno, mv::conto(r)});
            const qint64 i = mv::importo(r);
            a.voci.append({primo + mv::giorno(r) - 1, segno == mv::uscita ? -i : i, numero,
                           qint16(anno), qint16(mese), mv::conto(r)});
        }
    };
    const Esito e = leggimeseablocchi(file, usa, mancante);
    if (e)
        a.mesi.append(anno * 100 + mese);
    return e;
}

// A row or a recorded movement as the pairing sees it, in the order that makes the result
// independent of the file's: value, day, rows before records, then the row's place in the file
// (rows of one day and value are alike) or the record's year, month and number.
struct Punto {
    qint64 valore;
    qint64 giorno;
    bool registrato;
    qint64 ordine;
    int indice; // in the rows or in the records

    bool operator<(const Punto &p) const
    {
        return std::tie(valore, giorno, registrato, ordine) <
               std::tie(p.valore, p.giorno, p.registrato, p.ordine);
    }
};

// The points of one component sharing a day: where they start in its list and how many.
struct Giorno {
    qint64 giorno;
    int primo, quanti;
};

// Min-cost max-flow with Dijkstra on reduced costs: the days of the rows on one side, the
// days of the records on the other, each day holding as many units as points. A component
// spans few days, so the graph is small even when one amount recurs every day.
class Flusso
{
  public:
    void azzera(int nodi)
    {
        testa.assign(size_t(nodi), -1);
        archi.clear();
    }
    int arco(int da, int a, int capacita, qint64 costo)
    {
        archi.push_back({a, capacita, costo, testa[size_t(da)]});
        testa[size_t(da)] = int(archi.size()) - 1;
        archi.push_back({da, 0, -costo, testa[size_t(a)]});
        testa[size_t(a)] = int(archi.size()) - 1;
        return int(archi.size()) - 2;
    }
    int flusso(int arco) const { return archi[size_t(arco ^ 1)].capacita; }

    // Sends as much as it can from s to t, each unit along the cheapest path left.
    void massimo(int s, int t)
    {
        const size_t n = testa.size();
        potenziale.assign(n, 0); // every cost starts non-negative
        while (cammino(s, t)) {
            for (size_t v = 0; v < n; ++v)
                if (distanza[v] != infinito)
                    potenziale[v] += distanza[v];
            int quanto = std::numeric_limits<int>::max();
            for (int v = t; v != s; v = archi[size_t(precedente[size_t(v)] ^ 1)].verso)
                quanto = std::min(quanto, archi[size_t(precedente[size_t(v)])].capacita);
            for (int v = t; v != s; v = archi[size_t(precedente[size_t(v)] ^ 1)].verso) {
                archi[size_t(precedente[size_t(v)])].capacita -= quanto;
                archi[size_t(precedente[size_t(v)] ^ 1)].capacita += quanto;
            }
        }
    }

  private:
    struct Arco {
        int verso, capacita;
        qint64 costo;
        int prossimo;
    };
    static constexpr qint64 infinito = std::numeric_limits<qint64>::max();

    bool cammino(int s, int t)
    {
        distanza.assign(testa.size(), infinito);
        precedente.assign(testa.size(), -1);
        using Voce = std::pair<qint64, int>;
        std::priority_queue<Voce, std::vector<Voce>, std::greater<>> coda;
        distanza[size_t(s)] = 0;
        coda.push({0, s});
        while (!coda.empty()) {
            const auto [d, u] = coda.top();
            coda.pop();
            if (d != distanza[size_t(u)])
                continue;
            for (int e = testa[size_t(u)]; e >= 0; e = archi[size_t(e)].prossimo) {
                const Arco &a = archi[size_t(e)];
                const qint64 nuova =
                    d + a.costo + potenziale[size_t(u)] - potenziale[size_t(a.verso)];
                if (a.capacita > 0 && nuova < distanza[size_t(a.verso)]) {
                    distanza[size_t(a.verso)] = nuova;
                    precedente[size_t(a.verso)] = e;
                    coda.push({nuova, a.verso});
                }
            }
        }
        return distanza[size_t(t)] != infinito;
    }

    std::vector<Arco> archi;
    std::vector<int> testa, precedente;
    std::vector<qint64> distanza, potenziale;
};

std::vector<Giorno> pergiorno(const std::vector<const Punto *> &punti)
{
    std::vector<Giorno> giorni;
    for (int i = 0; i < int(punti.size()); ++i)
        if (giorni.empty() || giorni.back().giorno != punti[size_t(i)]->giorno)
            giorni.push_back({punti[size_t(i)]->giorno, i, 1});
        else
            ++giorni.back().quanti;
    return giorni;
}

// Pairs the rows and records of one component (points no further apart than a record may lie
// from its row) and hands each pair to coppia. A record may lie up to prima days before its row
// and up to dopo days after it.
class Componente
{
  public:
    Componente(int prima, int dopo) : prima(prima), dopo(dopo) {}

    template <typename Coppia> void abbina(const Punto *inizio, const Punto *fine, Coppia coppia)
    {
        righe.clear(), registrati.clear();
        for (const Punto *p = inizio; p != fine; ++p)
            (p->registrato ? registrati : righe).push_back(p);
        if (righe.empty() || registrati.empty())
            return;
        const std::vector<Giorno> gr = pergiorno(righe), gv = pergiorno(registrati);
        // A same-day pair before any near one, fewer days apart before more: a near pair costs
        // more than all the days any pairing can add.
        const qint64 vicino = 4 * qint64(std::min(righe.size(), registrati.size()) + 1);
        const int s = 0, t = 1, r0 = 2, v0 = r0 + int(gr.size());
        f.azzera(v0 + int(gv.size()));
        archi.clear();
        for (size_t j = 0; j < gv.size(); ++j)
            f.arco(v0 + int(j), t, gv[j].quanti, 0);
        size_t da = 0;
        for (size_t i = 0; i < gr.size(); ++i) {
            f.arco(s, r0 + int(i), gr[i].quanti, 0);
            while (da < gv.size() && gv[da].giorno < gr[i].giorno - prima)
                ++da;
            for (size_t j = da; j < gv.size() && gv[j].giorno <= gr[i].giorno + dopo; ++j) {
                const qint64 giorni = qAbs(gv[j].giorno - gr[i].giorno);
                const int a = f.arco(r0 + int(i), v0 + int(j), gr[i].quanti,
                                     giorni == 0 ? 0 : vicino + giorni);
                // Same day first, so the first rows of a day in the file take those pairs.
                archi.push_back({giorni, int(i), int(j), a});
            }
        }
        f.massimo(s, t);
        std::stable_sort(archi.begin(), archi.end(), [](const Arco &x, const Arco &y) {
            return std::tie(x.riga, x.giorni) < std::tie(y.riga, y.giorni);
        });
        std::vector<int> presirighe(gr.size(), 0), presiregistrati(gv.size(), 0);
        for (const Arco &a : archi)
            for (int k = f.flusso(a.arco); k > 0; --k) {
                const size_t i = size_t(a.riga), j = size_t(a.registrato);
                coppia(*righe[size_t(gr[i].primo + presirighe[i]++)],
                       *registrati[size_t(gv[j].primo + presiregistrati[j]++)]);
            }
    }

  private:
    struct Arco {
        qint64 giorni;
        int riga, registrato, arco;
    };
    int prima, dopo;
    std::vector<const Punto *> righe, registrati;
    std::vector<Arco> archi;
    Flusso f;
};

// Sorts the points and pairs each component: one value, no more than the widest window
// between a point and the next.
template <typename Coppia>
void abbinatutti(std::vector<Punto> &punti, int prima, int dopo, Coppia coppia)
{
    std::sort(punti.begin(), punti.end());
    Componente componente(prima, dopo);
    const int salto = std::max(prima, dopo);
    for (size_t inizio = 0, k = 1; k <= punti.size(); ++k)
        if (k == punti.size() || punti[k].valore != punti[k - 1].valore ||
            punti[k].giorno - punti[k - 1].giorno > salto) {
            componente.abbina(punti.data() + inizio, punti.data() + k, coppia);
            inizio = k;
        }
}

// The confirmation a recorded movement would have, as it is now.
Conferma confermadi(const AnnoDitta::Voce &v)
{
    return {v.anno,
            v.mese,
            v.numero,
            qint16(QDate::fromJulianDay(v.giorno).day()),
            qint16(v.valore < 0 ? mv::uscita : mv::entrata),
            v.valore < 0 ? -v.valore : v.valore};
}

} // namespace

bool importabile(const AnnoDitta &a, const QDate &data)
{
    const int anno = data.year();
    return qAbs(anno - a.anno) <= 1 && anno >= 2000 && anno <= 2099;
}

Esito leggiannoditta(const QString &percorso, const QString &anno, qint16 ditta, AnnoDitta &a)
{
    a = AnnoDitta();
    a.anno = annointero(anno).toInt(); // 2035 for "35", as the screen shows it
    for (int m = 1; m <= 12; ++m)
        if (Esito e = leggimese(percorso, a.anno, m, ditta, Mancante::Crea, a); !e)
            return e;
    return {};
}

Esito leggiattorno(const QString &percorso, qint16 ditta, const QList<QDate> &date,
                   const QDate &fine, AnnoDitta &a)
{
    QList<std::pair<int, int>> mesi; // year and month
    const auto aggiungi = [&](int anno, int mese) {
        // Two digits name a month file's year: only this century has one.
        if (anno != a.anno && anno >= 2000 && anno <= 2099 && !mesi.contains({anno, mese}) &&
            !a.mesi.contains(anno * 100 + mese))
            mesi.append({anno, mese});
    };
    // The months a row may find its movement in: from the earliest an uncashed cheque may be
    // typed to the latest a booking date may run ahead.
    for (const QDate &d : date)
        if (d.isValid())
            for (QDate m = d.addDays(-attesa); m <= d.addDays(tolleranza);
                 m = QDate(m.year(), m.month(), 1).addMonths(1))
                aggiungi(m.year(), m.month());
    if (fine.isValid()) {
        for (int m = 1; m <= 12; ++m)
            aggiungi(fine.year() - 1, m); // its close opens a year not carried into yet
        for (int m = 1; m <= fine.month(); ++m)
            aggiungi(fine.year(), m);
    }
    for (const auto &[anno, mese] : mesi)
        if (Esito e = leggimese(percorso, anno, mese, ditta, Mancante::Vuoto, a); !e)
            return e;
    return {};
}

QList<Abbinamento> abbinarighe(const AnnoDitta &a, qint16 conto, const QList<RigaControllo> &righe,
                               const QSet<Conferma> &confermate)
{
    QList<Abbinamento> esito(righe.size());
    std::vector<Punto> punti;
    punti.reserve(size_t(righe.size()));
    for (int i = 0; i < int(righe.size()); ++i) {
        const RigaControllo &r = righe[i];
        if (r.valore == 0)
            esito[i].stato = StatoRiga::importonullo;
        else if (r.data.isValid())
            punti.push_back({r.valore, r.data.toJulianDay(), false, i, i});
    }
    const auto registrato = [&](int j) {
        const AnnoDitta::Voce &v = a.voci[j];
        return Punto{v.valore, v.giorno, true, (qint64(v.anno * 13 + v.mese) << 32) | v.numero, j};
    };
    for (int j = 0; j < int(a.voci.size()); ++j)
        if (a.voci[j].conto == conto)
            punti.push_back(registrato(j));

    QSet<int> presi; // the records paired
    const auto coppia = [&](const Punto &riga, const Punto &r) {
        const AnnoDitta::Voce &v = a.voci[r.indice];
        const bool stessogiorno = riga.giorno == r.giorno;
        esito[riga.indice] = {stessogiorno ? StatoRiga::giapresente : StatoRiga::daverificare,
                              v.anno, v.mese, v.numero};
        presi.insert(r.indice);
    };
    abbinatutti(punti, tolleranza, tolleranza, coppia);

    // A row still alone may be a cheque cashed weeks after it was typed: the nearest earlier
    // movement the bank never confirmed is to be checked.
    punti.clear();
    for (int i = 0; i < int(righe.size()); ++i)
        if (esito[i].numero == 0 && righe[i].valore != 0 && righe[i].data.isValid())
            punti.push_back({righe[i].valore, righe[i].data.toJulianDay(), false, i, i});
    for (int j = 0; j < int(a.voci.size()); ++j)
        if (a.voci[j].conto == conto && !presi.contains(j) &&
            !confermate.contains(confermadi(a.voci[j])))
            punti.push_back(registrato(j));
    abbinatutti(punti, attesa, 0, [&](const Punto &riga, const Punto &r) {
        const AnnoDitta::Voce &v = a.voci[r.indice];
        esito[riga.indice] = {StatoRiga::daverificare, v.anno, v.mese, v.numero};
    });

    // The years beside the management year go into their own month files; no further.
    for (int i = 0; i < int(righe.size()); ++i)
        if (esito[i].stato != StatoRiga::importonullo && !importabile(a, righe[i].data))
            esito[i].stato = StatoRiga::altroanno;
    return esito;
}

qint64 saldofino(const AnnoDitta &a, qint16 conto, const QDate &fino)
{
    if (!fino.isValid())
        return 0;
    const qint64 ultimo = fino.toJulianDay();
    qint64 saldo = 0;
    const bool riportato = a.riportati.contains({fino.year(), conto});
    for (const AnnoDitta::Voce &v : a.voci)
        if (v.conto == conto && ((v.anno == fino.year() && v.giorno <= ultimo) ||
                                 (!riportato && v.anno == fino.year() - 1)))
            saldo += v.valore;
    return saldo;
}
