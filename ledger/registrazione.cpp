#include "ledger/registrazione.h"

#include "ledger/periodo.h"
#include "store/filemese.h"

#include <QHash>
#include <QSet>

namespace {

namespace mv = movimento;

// What tells a recorded movement for a row: company, account, day, sign and amount.
struct Chiave {
    qint16 ditta, conto, giorno, segno;
    qint64 importo;
    bool operator==(const Chiave &) const = default;
};

size_t qHash(const Chiave &c, size_t seme = 0)
{
    return qHashMulti(seme, c.ditta, c.conto, c.giorno, c.segno, c.importo);
}

// Decides one month file: each row either takes a movement recorded meanwhile or is appended.
class Mese
{
  public:
    Mese(const QList<DaScrivere> &righe, int anno, int mese, QSet<qint32> presi)
        : righe(righe), anno(anno), mese(mese), presi(std::move(presi))
    {
    }

    void decidi(const QByteArray &dati, Modifiche &m)
    {
        scritti = giapresenti = 0;
        numeri.fill(Abbinamento(), righe.size());
        const qint32 ultimo = qint32(dati.size() / mv::dimensione);
        QHash<Chiave, QList<qint32>> registrati; // the file's movements not yet answered
        for (qint32 i = 0; i < dati.size() / mv::dimensione; ++i) {
            const char *r = dati.constData() + i * mv::dimensione;
            if ((mv::segno(r) == mv::entrata || mv::segno(r) == mv::uscita) &&
                !presi.contains(i + 1))
                registrati[{mv::ditta(r), mv::conto(r), mv::giorno(r), mv::segno(r),
                            mv::importo(r)}]
                    .append(i + 1);
        }
        for (qsizetype i = 0; i < righe.size(); ++i) {
            if (righe[i].mese != mese || righe[i].anno != anno)
                continue;
            const Movimento &x = righe[i].movimento;
            auto trovati = registrati.find({x.ditta, x.conto, x.giorno, x.segno, x.importo});
            qint32 numero = 0;
            const bool trovato = trovati != registrati.end() && !trovati->isEmpty();
            if (trovato) {
                numero = trovati->takeFirst();
                ++giapresenti;
            } else {
                m.aggiunti.append(mv::codifica(x));
                numero = ultimo + qint32(++scritti);
            }
            numeri[i] = {trovato ? StatoRiga::giapresente : StatoRiga::nuovo, anno, qint16(mese),
                         numero};
        }
    }

    qsizetype scritti = 0, giapresenti = 0;
    QList<Abbinamento> numeri; // of the rows of this month, the others numero 0

  private:
    const QList<DaScrivere> &righe;
    int anno, mese;
    QSet<qint32> presi;
};

} // namespace

Esito registrarighe(const QString &percorso, const QString &anno, const QList<DaScrivere> &righe,
                    const QList<Abbinamento> &abbinati, Registrati &r)
{
    r = Registrati();
    r.movimenti.resize(righe.size());
    const int anno4 = annointero(anno).toInt();
    QList<DaScrivere> inanno = righe; // each with its year
    QList<std::pair<int, int>> mesi;
    for (DaScrivere &d : inanno) {
        if (d.anno == 0)
            d.anno = anno4;
        if (!mesi.contains(std::pair{d.anno, d.mese}))
            mesi.append({d.anno, d.mese});
    }
    for (const auto &[annomese, mese] : mesi) {
        QSet<qint32> presi; // answered at the check already: another row's own
        for (const Abbinamento &a : abbinati)
            if (a.numero != 0 && a.anno == annomese && a.mese == mese)
                presi.insert(a.numero);
        Mese m(inanno, annomese, mese, presi);
        const QString yy = QStringLiteral("%1").arg(annomese % 100, 2, 10, QLatin1Char('0'));
        if (Esito e =
                aggiornamese(percorsomese(percorso, mese, yy),
                             [&m](const QByteArray &dati, Modifiche &x) { m.decidi(dati, x); });
            !e)
            return e;
        r.scritti += m.scritti;
        r.giapresenti += m.giapresenti;
        for (qsizetype i = 0; i < righe.size(); ++i)
            if (m.numeri[i].numero != 0)
                r.movimenti[i] = m.numeri[i];
    }
    return {};
}
