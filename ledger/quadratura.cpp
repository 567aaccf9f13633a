#include "ledger/quadratura.h"

#include "ledger/riporto.h"
#include "store/filemese.h"
#include "store/movimento.h"

#include <algorithm>

namespace {

namespace mv = movimento;

QString duecifre(int anno)
{
    return QStringLiteral("%1").arg(anno % 100, 2, 10, QLatin1Char('0'));
}

// Adds a block of month mese to the balance and the open movements; the first record of the
// block is number primo + 1.
class Lettura
{
  public:
    Lettura(qint16 ditta, qint16 conto, const Conferme &kept, Quadratura &q)
        : ditta(ditta), conto(conto), confermate(kept.confermate), q(q), data(kept.estratto->data),
          riportato(duecifre(data.year() - 1))
    {
    }

    void blocco(int mese, const char *r, qsizetype n, qint32 primo)
    {
        const int ultimo = mese < data.month() ? 31 : data.day();
        for (qsizetype i = 0; i < n; ++i, r += mv::dimensione) {
            const qint16 segno = mv::segno(r);
            if (mv::ditta(r) != ditta || mv::conto(r) != conto || mv::giorno(r) > ultimo ||
                (segno != mv::entrata && segno != mv::uscita))
                continue;
            q.saldolibro += segno == mv::entrata ? mv::importo(r) : -mv::importo(r);
            const Aperto a{qint16(mese), primo + qint32(i) + 1, mv::giorno(r), {}, {},
                           segno,        mv::importo(r)};
            if (!confermate.contains(conferma(a, data.year())) &&
                !(mese == 1 && eriporto(r, riportato)))
                q.aperti.append(aperto(a, r));
        }
    }

  private:
    // Texts are decoded only for the few movements left open.
    static Aperto aperto(Aperto a, const char *r)
    {
        const Movimento m = mv::decodifica(r);
        a.descrizione1 = m.descrizione1;
        a.descrizione2 = m.descrizione2;
        return a;
    }

    qint16 ditta, conto;
    const QSet<Conferma> &confermate;
    Quadratura &q;
    QDate data;
    QString riportato; // the year whose carry opens this one
};

} // namespace

Esito quadratura(const QString &percorso, qint16 ditta, qint16 conto, Quadratura &q)
{
    q = Quadratura();
    Conferme kept;
    if (Esito e = leggiconferme(percorso, ditta, conto, kept); !e || !kept.estratto)
        return e;
    Lettura lettura(ditta, conto, kept, q);
    const QDate data = kept.estratto->data;
    for (int m = 1; m <= data.month(); ++m) {
        qint32 letti = 0;
        const auto usa = [&](const char *r, qsizetype n) {
            lettura.blocco(m, r, n, letti);
            letti += qint32(n);
        };
        if (Esito e = leggimeseablocchi(percorsomese(percorso, m, duecifre(data.year())), usa,
                                        Mancante::Vuoto);
            !e) {
            q = Quadratura();
            return e;
        }
    }
    // In file order within a month; a stable sort keeps it for the movements of one day.
    std::stable_sort(q.aperti.begin(), q.aperti.end(), [](const Aperto &a, const Aperto &b) {
        return a.mese != b.mese ? a.mese < b.mese : a.giorno < b.giorno;
    });
    q.estratto = kept.estratto;
    return {};
}

Conferma conferma(const Aperto &a, int anno)
{
    return {anno, a.mese, a.numero, a.giorno, a.segno, a.importo};
}

qint64 spiegata(const QList<Aperto> &aperti, const QList<bool> &spuntati)
{
    qint64 somma = 0;
    for (qsizetype i = 0; i < aperti.size(); ++i)
        if (!spuntati.value(i))
            somma += aperti[i].segno == mv::uscita ? aperti[i].importo : -aperti[i].importo;
    return somma;
}
