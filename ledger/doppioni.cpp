#include "ledger/doppioni.h"

#include "ledger/periodo.h"
#include "store/filemese.h"
#include "store/movimento.h"

#include <QHash>

namespace {

constexpr int tolleranza = 3; // days a bank's booking date may differ from the one typed

struct Registrato {
    qint16 giorno;
    bool usato = false;
};

// The account's movements grouped by value: a row looks only among its own amount.
QHash<qint64, QList<Registrato>> pervalore(const AnnoDitta &a, qint16 conto)
{
    QHash<qint64, QList<Registrato>> gruppi;
    for (const AnnoDitta::Voce &v : a.voci)
        if (v.conto == conto)
            gruppi[v.valore].append(Registrato{v.giorno});
    return gruppi;
}

// Marks the first unanswered movement within distanza days as answered; false when none is.
bool rispondi(QList<Registrato> &candidati, int giorno, int distanza)
{
    for (Registrato &r : candidati)
        if (!r.usato && qAbs(r.giorno - giorno) <= distanza)
            return r.usato = true;
    return false;
}

} // namespace

Esito leggiannoditta(const QString &percorso, const QString &anno, qint16 ditta, AnnoDitta &a)
{
    a = AnnoDitta();
    a.anno = annointero(anno).toInt(); // 2035 for "35", as the screen shows it
    for (int m = 1; m <= 12; ++m) {
        const int primo = QDate(a.anno, m, 1).dayOfYear();
        const Esito e =
            leggimeseablocchi(percorsomese(percorso, m, anno), [&](const char *r, qsizetype n) {
                for (; n > 0; --n, r += movimento::dimensione) {
                    const qint16 segno = movimento::segno(r);
                    if (movimento::ditta(r) != ditta || segno == movimento::cancellato)
                        continue;
                    const qint64 i = movimento::importo(r);
                    a.voci.append({movimento::conto(r), qint16(primo + movimento::giorno(r) - 1),
                                   segno == movimento::uscita ? -i : i});
                }
            });
        if (!e)
            return e;
    }
    return {};
}

QList<StatoRiga> statirighe(const AnnoDitta &a, qint16 conto, const QList<RigaControllo> &righe)
{
    QHash<qint64, QList<Registrato>> gruppi = pervalore(a, conto);
    QList<StatoRiga> stati(righe.size(), StatoRiga::nuovo);
    // Same day first for every row, so a near match of one row never takes the movement that
    // is another row's very own.
    for (qsizetype i = 0; i < righe.size(); ++i) {
        const RigaControllo &r = righe[i];
        if (r.data.year() != a.anno)
            stati[i] = StatoRiga::altroanno;
        else if (auto g = gruppi.find(r.valore);
                 g != gruppi.end() && rispondi(*g, r.data.dayOfYear(), 0))
            stati[i] = StatoRiga::giapresente;
    }
    for (qsizetype i = 0; i < righe.size(); ++i) {
        if (stati[i] != StatoRiga::nuovo)
            continue;
        auto g = gruppi.find(righe[i].valore);
        if (g != gruppi.end() && rispondi(*g, righe[i].data.dayOfYear(), tolleranza))
            stati[i] = StatoRiga::daverificare;
    }
    return stati;
}

qint64 saldofino(const AnnoDitta &a, qint16 conto, const QDate &fino)
{
    if (!fino.isValid() || fino.year() < a.anno)
        return 0;
    const int ultimo = fino.year() > a.anno ? 366 : fino.dayOfYear();
    qint64 saldo = 0;
    for (const AnnoDitta::Voce &v : a.voci)
        if (v.conto == conto && v.giorno <= ultimo)
            saldo += v.valore;
    return saldo;
}
