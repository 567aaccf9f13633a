#include "ledger/importo.h"
#include "platform/date.h"
#include "store/estrattoformati.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString decodificaestratto(const QByteArray &dati)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString testo = utf8(dati);
    if (utf8.hasError()) {
        QStringDecoder cp1252("windows-1252");
        testo = cp1252.isValid() ? cp1252(dati) : QString::fromLatin1(dati);
    }
    if (testo.startsWith(QChar(0xFEFF)))
        testo.remove(0, 1);
    return testo;
}

QString motivoriga(qsizetype riga, const QString &motivo)
{
    return QStringLiteral("Riga %1: %2").arg(riga).arg(motivo);
}

QString motivotroppo()
{
    return QStringLiteral("troppe righe o colonne per un estratto conto.");
}

namespace {

// "4.5E-2" as plain digits ("0.045"), moving the point rather than going through a double.
std::optional<QString> senzaesponente(QString mantissa, const QString &testoesponente)
{
    bool ok = false;
    const int esponente = testoesponente.toInt(&ok);
    if (!ok || esponente < -30 || esponente > 30)
        return std::nullopt;
    const qsizetype punto = mantissa.indexOf(QLatin1Char('.'));
    qsizetype interi = punto < 0 ? mantissa.size() : punto;
    mantissa.remove(QLatin1Char('.'));
    interi += esponente;
    if (interi <= 0)
        return QStringLiteral("0.") + QString(-interi, QLatin1Char('0')) + mantissa;
    if (interi >= mantissa.size())
        return mantissa + QString(interi - mantissa.size(), QLatin1Char('0'));
    return mantissa.left(interi) + QLatin1Char('.') + mantissa.mid(interi);
}

// Digits, points and commas: the last mark, when it appears once, is the decimal separator
// ("1.500" is 1.5: a single mark is always decimal), the other groups thousands in threes.
std::optional<QString> conpunto(const QString &t)
{
    const qsizetype punto = t.lastIndexOf(QLatin1Char('.'));
    const qsizetype virgola = t.lastIndexOf(QLatin1Char(','));
    const qsizetype ultimo = qMax(punto, virgola);
    const bool decimale = ultimo >= 0 && t.count(t[ultimo]) == 1;
    const QString interi = decimale ? t.left(ultimo) : t;
    const QString decimali = decimale ? t.mid(ultimo + 1) : QString();
    static const QRegularExpression gruppi(QStringLiteral("^\\d{1,3}([.,]\\d{3})*$"));
    const QChar separatore = decimale ? t[ultimo] : QChar();
    if (interi.isEmpty() || (decimale && decimali.isEmpty()) || interi.contains(separatore) ||
        (interi.contains(QRegularExpression(QStringLiteral("[.,]"))) &&
         (!gruppi.match(interi).hasMatch() ||
          (interi.contains(QLatin1Char('.')) && interi.contains(QLatin1Char(','))))))
        return std::nullopt;
    QString out = interi;
    out.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    return decimale ? out + QLatin1Char('.') + decimali : out;
}

} // namespace

std::optional<qint64> importoestratto(QString t)
{
    if (t.size() > 64)
        return std::nullopt;
    static const QRegularExpression contorno(QStringLiteral("\\s|€|EUR"),
                                             QRegularExpression::CaseInsensitiveOption);
    t.remove(contorno);
    bool negativo = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negativo = true;
        t = t.mid(1, t.size() - 2);
    }
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QChar(0x2212)) ||
        t.startsWith(QLatin1Char('+'))) {
        negativo = negativo || t[0] != QLatin1Char('+');
        t.remove(0, 1);
    } else if (t.endsWith(QLatin1Char('-'))) {
        negativo = true;
        t.chop(1);
    }
    static const QRegularExpression numero(QStringLiteral("^[0-9.,]+([eE][-+]?[0-9]{1,3})?$"));
    if (!numero.match(t).hasMatch())
        return std::nullopt;
    const qsizetype e = t.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    std::optional<QString> cifre = conpunto(e < 0 ? t : t.left(e));
    if (cifre && e >= 0)
        cifre = senzaesponente(*cifre, t.mid(e + 1));
    if (!cifre)
        return std::nullopt;
    const Importo i = leggiimporto(*cifre);
    if (i.fuoriscala)
        return std::nullopt;
    return negativo ? -i.valore : i.valore;
}

QDate dataestratto(const QString &testo)
{
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})([T +\\-Z].*)?$"));
    static const QRegularExpression italiana(
        QStringLiteral("^(\\d{1,2})([/.\\-])(\\d{1,2})\\2(\\d{4}|\\d{2})( .*)?$"));
    const QString t = testo.trimmed();
    if (const auto m = iso.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = italiana.match(t); m.hasMatch()) {
        const int anno = m.captured(4).toInt();
        return QDate(m.captured(4).size() == 2 ? annoquattrocifre(anno) : anno,
                     m.captured(3).toInt(), m.captured(1).toInt());
    }
    return {};
}
