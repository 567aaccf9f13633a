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
            const bool riporto = mese == 1 && eriporto(r, riportato);
            conriporto |= riporto;
            if (!confermate.contains(conferma(a, data.year())) && !riporto)
                q.aperti.append(aperto(a, r));
        }
    }

    bool conriporto = false; // the year opens with a carried balance

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

// The statement of the year to reconcile with: the latest with a closing balance (the last kept
// of its date), else the latest; and a later one without a balance, which the user is told of.
void scegliestratto(Conferme &kept, int anno, Quadratura &q)
{
    std::optional<EstrattoTenuto> consaldo, ultimo;
    for (const EstrattoTenuto &e : kept.estratti) {
        if (e.data.year() != anno)
            continue;
        if (e.saldo && (!consaldo || e.data >= consaldo->data))
            consaldo = e;
        if (!ultimo || e.data >= ultimo->data)
            ultimo = e;
    }
    kept.estratto = consaldo ? consaldo : ultimo;
    if (consaldo && ultimo->data > consaldo->data)
        q.senzasaldo = ultimo;
}

} // namespace

Esito quadratura(const QString &percorso, qint16 ditta, qint16 conto, Quadratura &q, int anno)
{
    q = Quadratura();
    Conferme kept;
    if (Esito e = leggiconferme(percorso, ditta, conto, kept); !e || !kept.estratto)
        return e;
    scegliestratto(kept, anno ? anno : kept.estratto->data.year(), q);
    if (!kept.estratto)
        return {};
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
    // A year not carried into yet opens with the close of the year before, as the import counts.
    if (!lettura.conriporto)
        for (int m = 1; m <= 12; ++m)
            if (Esito e = leggimeseablocchi(
                    percorsomese(percorso, m, duecifre(data.year() - 1)),
                    [&](const char *r, qsizetype n) {
                        for (; n > 0; --n, r += mv::dimensione)
                            if (mv::ditta(r) == ditta && mv::conto(r) == conto)
                                q.saldolibro += mv::segno(r) == mv::entrata  ? mv::importo(r)
                                                : mv::segno(r) == mv::uscita ? -mv::importo(r)
                                                                             : 0;
                    },
                    Mancante::Vuoto);
                !e) {
                q = Quadratura();
                return e;
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

bool reimportato(const QString &file, qint32 numero, const QByteArray &prima)
{
    const qsizetype coda = QStringLiteral("\\quaderoladati\\movMMYY").size();
    if (prima.size() != mv::dimensione || file.size() < coda)
        return false;
    const int mese = file.right(4).left(2).toInt(), anno = 2000 + file.right(2).toInt();
    const char *p = prima.constData();
    const auto confermato = [&](const char *r, qint32 n) {
        return Conferma{anno, qint16(mese), n, mv::giorno(r), mv::segno(r), mv::importo(r)};
    };
    Conferme kept;
    QByteArray dati;
    if (!leggiconferme(file.chopped(coda), mv::ditta(p), mv::conto(p), kept) ||
        !kept.confermate.contains(confermato(p, numero)) || !leggimesegrezzo(file, dati))
        return false;
    for (qint32 i = 0; i < dati.size() / mv::dimensione; ++i) {
        const char *r = dati.constData() + i * mv::dimensione;
        if (i + 1 != numero && mv::contoditta(r) == mv::contoditta(p) &&
            mv::giorno(r) == mv::giorno(p) && mv::segno(r) == mv::segno(p) &&
            mv::importo(r) == mv::importo(p) && kept.confermate.contains(confermato(r, i + 1)))
            return true;
    }
    return false;
}
