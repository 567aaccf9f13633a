#include "ledger/importo.h"

#include <QRegularExpression>
#include <limits>

namespace {

constexpr quint64 massimo = quint64(std::numeric_limits<qint64>::max());

bool cifra(const QString &t, qsizetype i)
{
    return i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9');
}

// Appends a digit to the magnitude; false once it no longer fits.
bool accoda(quint64 &m, int c)
{
    if (m > (massimo - quint64(c)) / 10)
        return false;
    m = m * 10 + quint64(c);
    return true;
}

} // namespace

Importo leggiimporto(const QString &grezzo)
{
    const QString t = grezzo.trimmed();
    Importo r;
    qsizetype i = 0;
    const bool negativo = i < t.size() && t[i] == QLatin1Char('-');
    if (negativo)
        ++i;

    // Leading zeros add nothing, so they can never make the magnitude overflow.
    quint64 m = 0;
    bool entro = true;
    for (; cifra(t, i); ++i) {
        const int c = t[i].unicode() - '0';
        if (c != 0)
            r.zero = false;
        entro = entro && accoda(m, c);
    }
    int decimali = 0;
    int arrotonda = 0;
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        for (++i; cifra(t, i); ++i) {
            const int c = t[i].unicode() - '0';
            if (c != 0)
                r.zero = false;
            if (decimali < 4)
                entro = entro && accoda(m, c);
            else if (decimali == 4)
                arrotonda = c >= 5 ? 1 : 0; // the fifth decimal decides, half away from zero
            ++decimali;
        }
    }
    for (; decimali < 4; ++decimali)
        entro = entro && accoda(m, 0);
    entro = entro && m + quint64(arrotonda) <= massimo;
    if (!entro) {
        r.fuoriscala = true;
        return r;
    }
    m += quint64(arrotonda);
    r.valore = negativo ? -qint64(m) : qint64(m);
    return r;
}

std::optional<Importo> importodigitato(const QString &testo)
{
    static const QRegularExpression virgola(QRegularExpression::anchoredPattern(
        QStringLiteral("-?([0-9]*|[0-9]{1,3}(\\.[0-9]{3})+),[0-9]{0,4}")));
    static const QRegularExpression punto(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]*(\\.[0-9]{0,4})?")));
    // Without a comma a point cannot be told from a group mark by its digits, so it is what the
    // window has always shown: the decimal separator.
    const QString t = testo.trimmed();
    if (punto.match(t).hasMatch())
        return leggiimporto(t);
    if (!virgola.match(t).hasMatch())
        return std::nullopt;
    QString conpunto = t;
    conpunto.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return leggiimporto(conpunto);
}
