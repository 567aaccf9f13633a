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

// Income or expense: a deleted record, or one whose sign is damaged, counts nowhere.
bool valido(const char *r)
{
    return mv::segno(r) == mv::entrata || mv::segno(r) == mv::uscita;
}

bool delconto(const char *r, qint16 ditta, qint16 conto)
{
    return mv::ditta(r) == ditta && valido(r) && (conto == tutti || mv::conto(r) == conto);
}

QString descrizione(const char *campo)
{
    return decodificatesto(campo, mv::larghezzadescrizione);
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
            c.saldo += mv::segno(r) == mv::entrata ? mv::importo(r) : -mv::importo(r);
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
    return descrizione(mv::descrizione1(r)) == descrizioneriporto &&
           descrizione(mv::descrizione2(r)) == annoriportato(anno);
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
    const QByteArray nuovo = mv::codifica({1, descrizioneriporto, annoriportato(anno),
                                           r.saldo > 0 ? mv::entrata : mv::uscita,
                                           std::abs(r.saldo), r.conto, ditta, 0});
    // Decided on the file as it is under the lock, so two workstations carrying at once, or a
    // carry taken back from a deletion, still leave one record.
    const auto decidi = [&](const QByteArray &dati, Modifiche &m) {
        bool trovato = false;
        for (qint32 i = 0; i < dati.size() / mv::dimensione; ++i) {
            const char *record = dati.constData() + i * mv::dimensione;
            if (!riportoin(record, anno, ditta, r.conto))
                continue;
            QByteArray scritto(record, mv::dimensione);
            if (!trovato && r.saldo != 0)
                scritto = nuovo; // the first takes the balance, every other one is deleted
            else
                mv::marcacancellato(scritto.data());
            m.riscritti.append({i + 1, scritto});
            trovato = true;
        }
        if (!trovato && r.saldo != 0)
            m.aggiunti.append(nuovo);
    };
    return aggiornamese(percorsomese(percorso, 1, annosuccessivo(anno)), decidi);
}

bool altroriporto(const QByteArray &dati, qint32 numero, const QByteArray &prima)
{
    const char *p = prima.constData();
    if (prima.size() != mv::dimensione || !valido(p) ||
        descrizione(mv::descrizione1(p)) != descrizioneriporto)
        return false;
    for (qint32 i = 0; i < dati.size() / mv::dimensione; ++i) {
        const char *r = dati.constData() + i * mv::dimensione;
        if (i + 1 != numero && delconto(r, mv::ditta(p), mv::conto(p)) &&
            descrizione(mv::descrizione1(r)) == descrizioneriporto &&
            descrizione(mv::descrizione2(r)) == descrizione(mv::descrizione2(p)))
            return true;
    }
    return false;
}

Esito aggiornariporti(const QString &percorso, int anno, qint16 ditta, qint16 conto,
                      QList<Riportato> &aggiornati)
{
    for (int a = anno; a < 2099; ++a) {
        const QString yy = QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
        QList<Riporto> riporti;
        if (Esito e = preparariporti(percorso, yy, ditta, conto, riporti); !e)
            return e;
        if (riporti.isEmpty() || riporti[0].numero == 0)
            return {}; // not carried: nothing stands to go stale
        if (Esito e = scriviriporto(percorso, yy, ditta, riporti[0]); !e)
            return e;
        aggiornati.append({a + 1, riporti[0].saldo});
    }
    return {};
}
