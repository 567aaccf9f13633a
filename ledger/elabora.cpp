#include "ledger/elabora.h"

#include "ledger/periodo.h"
#include "ledger/testocercato.h"
#include "store/codepage.h"
#include "store/filemese.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// A year of movements is read in a few milliseconds; what follows keeps the work on top of the
// reading small: the numeric tests run on the raw records without branches, texts are decoded
// only for the rows kept, and the rows are put in date order once, at the end.

namespace {

namespace mv = movimento;

// The tests every record of the period passes through, on the raw bytes, in their order.
class Selezione
{
  public:
    explicit Selezione(const FiltroMese &f)
        : ditta(f.dittacorrente), conto(f.contocorrente), contatto(f.contattoricercato),
          cerca1(f.ricerca[0]), cerca2(f.ricerca[1])
    {
    }

    // Company, not deleted, account: what the carried balance counts.
    bool contabile(const char *r) const
    {
        return (mv::ditta(r) == ditta) & (mv::segno(r) != mv::cancellato) &
               ((conto == 1) | (mv::conto(r) == conto));
    }
    // The same with the contact filter: the cheap part of the row tests.
    bool candidato(const char *r) const
    {
        return contabile(r) & ((contatto == 0) | (mv::contatto(r) == contatto));
    }
    bool testi(const char *r) const
    {
        return cerca1.trovatoin(mv::descrizione1(r), mv::larghezzadescrizione) &&
               cerca2.trovatoin(mv::descrizione2(r), mv::larghezzadescrizione);
    }
    bool ricerca() const { return !cerca1.vuoto() || !cerca2.vuoto() || contatto != 0; }

  private:
    qint16 ditta, conto;
    qint32 contatto;
    TestoCercato cerca1, cerca2;
};

// Income adds, expense subtracts; any other sign moves nothing.
qint64 effetto(qint16 segno, qint64 importo)
{
    return (segno == mv::entrata ? importo : 0) - (segno == mv::uscita ? importo : 0);
}

// Reads a month file a block of records at a time, each used while it is still in the cache.
Esito leggimese(const FiltroMese &f, int mese,
                const std::function<void(const char *, qsizetype)> &usa)
{
    return leggimeseablocchi(percorsomese(f.percorso, mese, f.annogestione), usa, f.mesimancanti);
}

// The balance the earlier months of the year carry into mese.
Esito saldoprecedente(const FiltroMese &f, const Selezione &s, int mese, qint64 &saldo)
{
    saldo = 0;
    // Masks rather than branches: which records count is as random as their order.
    const auto somma = [&](const char *r, qsizetype n) {
        for (const char *fine = r + n * mv::dimensione; r < fine; r += mv::dimensione) {
            const qint64 conta = -qint64(s.contabile(r));
            const qint64 importo = mv::importo(r) & conta;
            saldo += (importo & -qint64(mv::segno(r) == mv::entrata)) -
                     (importo & -qint64(mv::segno(r) == mv::uscita));
        }
    };
    for (int m = 1; m < mese; ++m)
        if (Esito e = leggimese(f, m, somma); !e)
            return e;
    return {};
}

void rigasaldoprecedente(RigaMese &r, const FiltroMese &f, int mese, qint64 saldo)
{
    r.giorno = 1;
    r.mese = qint16(mese);
    r.descrizione[0] = QStringLiteral("SALDO PRECEDENTE");
    r.descrizione[1] = nomeperiodo(mese - 1, f.annogestione);
    r.importo = std::abs(saldo);
    r.segno = saldo > 0 ? mv::entrata : mv::uscita;
    r.saldo = saldo;
}

void rigamovimento(RigaMese &riga, const char *r, qint32 numero, int mese)
{
    riga.numero = numero;
    riga.giorno = mv::giorno(r);
    riga.mese = qint16(mese);
    riga.descrizione[0] = Descrizione::grezza(mv::descrizione1(r));
    riga.descrizione[1] = Descrizione::grezza(mv::descrizione2(r));
    riga.importo = mv::importo(r);
    riga.segno = mv::segno(r);
    riga.conto = mv::conto(r);
    riga.contatto = mv::contatto(r);
}

// Room for the rows a month may add, within the capacity; doubling keeps a long export from
// moving the rows at every month.
void fairspazio(TabellaMese &t, size_t candidati, qint32 capacita)
{
    const qint64 serve = std::min<qint64>(t.numerorighe + qint64(candidati), capacita) + 1;
    if (serve > t.righe.size())
        t.righe.resize(
            std::min<qint64>(std::max<qint64>(serve, 2 * t.righe.size()), qint64(capacita) + 1));
}

// Appends to the table the movements of a block of n records that pass the tests; the first of
// the block is record primo + 1 of month mese. The first movement past the capacity ends it.
void scegli(TabellaMese &t, const Selezione &s, const char *blocco, qsizetype n, qint32 primo,
            int mese, qint32 capacita, std::vector<qint32> &candidati)
{
    // The numeric tests without branches first, then the texts of those that passed.
    candidati.resize(size_t(n));
    size_t quanti = 0;
    for (qsizetype i = 0; i < n; ++i) {
        candidati[quanti] = qint32(i);
        quanti += s.candidato(blocco + i * mv::dimensione);
    }
    fairspazio(t, quanti, capacita);
    for (size_t c = 0; c < quanti; ++c) {
        const char *r = blocco + candidati[c] * mv::dimensione;
        if (!s.testi(r))
            continue;
        if (t.numerorighe >= capacita) {
            t.righescartate = 1;
            return;
        }
        ++t.numerorighe;
        rigamovimento(t.righe[t.numerorighe], r, primo + candidati[c] + 1, mese);
    }
}

// Reads the months of the period in order and appends the matching movements to the table in
// file order, up to the capacity. The first movement past it ends the reading: nothing after it
// can be shown, and the later months are only opened, as every load leaves each month of its
// period with a file.
Esito leggirighe(TabellaMese &t, const FiltroMese &f, const Selezione &s, int primo, int ultimo,
                 qint32 capacita)
{
    std::vector<qint32> candidati;
    int m = primo;
    for (; m <= ultimo && t.righescartate == 0; ++m) {
        qint32 letti = 0; // records of the month before the block
        const auto usa = [&](const char *blocco, qsizetype n) {
            if (t.righescartate == 0)
                scegli(t, s, blocco, n, letti, m, capacita, candidati);
            letti += qint32(n);
        };
        if (Esito e = leggimese(f, m, usa); !e)
            return e;
    }
    for (qint32 numero = 0; f.mesimancanti == Mancante::Crea && m <= ultimo; ++m)
        if (Esito e = contamovimenti(percorsomese(f.percorso, m, f.annogestione), numero); !e)
            return e;
    return {};
}

void calcolasaldi(TabellaMese &t)
{
    for (int i = 1; i <= t.numerorighe; ++i) {
        RigaMese &r = t.righe[i];
        if (r.numero == 0)
            continue; // the carried balance keeps its own
        r.saldo = t.righe[i - 1].saldo + effetto(r.segno, r.importo);
        if (r.segno == mv::entrata)
            t.totali[0] += r.importo;
        if (r.segno == mv::uscita)
            t.totali[1] += r.importo;
    }
}

bool vuota(const RigaMese &r)
{
    return r.numero == 0 && r.giorno == 0 && r.mese == 0 && r.importo == 0 && r.segno == 0 &&
           r.saldo == 0 && r.conto == 0 && r.contatto == 0 && r.descrizione[0].isEmpty() &&
           r.descrizione[1].isEmpty();
}

// Every row back to empty, keeping the memory of the rows and touching only those in use.
void svuota(TabellaMese &t)
{
    t.righe.resize(TabellaMese::capacita + 1);
    for (RigaMese &r : t.righe)
        if (!vuota(r))
            r = RigaMese();
    t.numerorighe = 0;
    t.totali[0] = t.totali[1] = 0;
    t.righescartate = 0;
}

// The months of the period: one, or the whole year.
MesiLetti periodo(const FiltroMese &f)
{
    const bool mese = f.mesecorrente >= 1 && f.mesecorrente <= 12;
    return mese ? MesiLetti{f.mesecorrente, f.mesecorrente} : MesiLetti{1, 12};
}

} // namespace

MesiLetti mesiletti(const FiltroMese &f)
{
    const MesiLetti p = periodo(f);
    return {Selezione(f).ricerca() ? p.primo : 1, p.ultimo};
}

Esito elabora(TabellaMese &t, const FiltroMese &f, qint32 capacita)
{
    svuota(t);
    const auto [primo, ultimo] = periodo(f);
    const Selezione s(f);

    if (!s.ricerca() && primo != 1) {
        qint64 saldo = 0;
        if (Esito e = saldoprecedente(f, s, primo, saldo); !e)
            return e;
        if (saldo != 0) {
            t.numerorighe = 1;
            rigasaldoprecedente(t.righe[1], f, primo, saldo);
            t.totali[saldo > 0 ? 0 : 1] = std::abs(saldo);
        }
    }
    if (Esito e = leggirighe(t, f, s, primo, ultimo, capacita); !e) {
        svuota(t);
        return e;
    }
    ordinatabella(t);
    calcolasaldi(t);
    return {};
}
