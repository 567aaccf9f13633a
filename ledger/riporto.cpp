#include "ledger/riporto.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/movimento.h"

#include <cstdlib>
#include <map>

namespace {

namespace mv = movimento;

constexpr qint16 tutti = 1;
const QString descrizioneriporto = QStringLiteral("RIPORTO SALDO");

// "Anno 20" and the year carried, as the period of the year is named.
QString annoriportato(const QString &anno)
{
    return QStringLiteral("Anno 20") + anno;
}

bool delconto(const char *r, qint16 ditta, qint16 conto)
{
    return mv::ditta(r) == ditta && mv::segno(r) != mv::cancellato &&
           (conto == tutti || mv::conto(r) == conto);
}

// A carry of year anno written before, still in force.
bool riportoin(const char *r, const QString &anno, qint16 ditta, qint16 conto)
{
    return delconto(r, ditta, conto) && eriporto(r, anno);
}

Esito saldiconti(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                 std::map<qint16, Riporto> &conti)
{
    const auto somma = [&](const char *r, qsizetype n) {
        for (const char *fine = r + n * mv::dimensione; r < fine; r += mv::dimensione) {
            if (!delconto(r, ditta, conto))
                continue;
            Riporto &c = conti[mv::conto(r)];
            c.conto = mv::conto(r);
            c.saldo += mv::segno(r) == mv::entrata  ? mv::importo(r)
                       : mv::segno(r) == mv::uscita ? -mv::importo(r)
                                                    : 0;
        }
    };
    for (int m = 1; m <= 12; ++m)
        if (Esito e = leggimeseablocchi(percorsomese(percorso, m, anno), somma); !e)
            return e;
    return {};
}

Esito riportiscritti(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                     std::map<qint16, Riporto> &conti)
{
    QByteArray dati;
    if (Esito e = leggimesegrezzo(percorsomese(percorso, 1, annosuccessivo(anno)), dati); !e)
        return e;
    for (qint32 i = 0; i < dati.size() / mv::dimensione; ++i) {
        const char *r = dati.constData() + i * mv::dimensione;
        if (!riportoin(r, anno, ditta, conto))
            continue;
        Riporto &c = conti[mv::conto(r)];
        c.conto = mv::conto(r);
        if (c.numero == 0)
            c.numero = i + 1;
    }
    return {};
}

} // namespace

bool eriporto(const char *r, const QString &anno)
{
    return decodificatesto(mv::descrizione1(r), mv::larghezzadescrizione) == descrizioneriporto &&
           decodificatesto(mv::descrizione2(r), mv::larghezzadescrizione) == annoriportato(anno);
}

QString annosuccessivo(const QString &anno)
{
    return QStringLiteral("%1").arg((anno.toInt() + 1) % 100, 2, 10, QLatin1Char('0'));
}

Esito preparariporti(const QString &percorso, const QString &anno, qint16 ditta, qint16 conto,
                     QList<Riporto> &riporti)
{
    riporti.clear();
    std::map<qint16, Riporto> conti;
    if (Esito e = saldiconti(percorso, anno, ditta, conto, conti); !e)
        return e;
    if (Esito e = riportiscritti(percorso, anno, ditta, conto, conti); !e)
        return e;
    for (const auto &[numero, r] : conti)
        if (r.saldo != 0 || r.numero != 0)
            riporti.append(r);
    return {};
}

Esito scriviriporto(const QString &percorso, const QString &anno, qint16 ditta, const Riporto &r)
{
    const QString file = percorsomese(percorso, 1, annosuccessivo(anno));
    const Movimento m{1,
                      descrizioneriporto,
                      annoriportato(anno),
                      r.saldo > 0 ? mv::entrata : mv::uscita,
                      std::abs(r.saldo),
                      r.conto,
                      ditta,
                      0};
    const auto cambia = [&](QByteArray &record) {
        if (!riportoin(record.constData(), anno, ditta, r.conto))
            return false;
        if (r.saldo == 0)
            mv::marcacancellato(record.data());
        else
            record = mv::codifica(m);
        return true;
    };
    bool scritto = false;
    if (Esito e = modificamovimento(file, r.numero, cambia, scritto); !e || scritto)
        return e;
    // None carried before, or another workstation changed or deleted it since: a new one.
    return r.saldo == 0 ? Esito() : aggiungimovimento(file, m);
}
