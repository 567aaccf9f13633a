#include "platform/soldi.h"

#include <QLocale>

namespace {

QString formatta(qint64 importo, QChar separatore)
{
    const bool negativo = importo < 0;
    // Work on the magnitude as unsigned so the most negative value cannot overflow.
    quint64 m = negativo ? quint64(0) - quint64(importo) : quint64(importo);
    const quint64 centesimi = m / 100 + (m % 100 >= 50 ? 1 : 0);
    const quint64 interi = centesimi / 100;
    const quint64 resto = centesimi % 100;
    // Built by hand: QString::arg was most of the cost of a long spreadsheet export.
    QString testo = negativo && centesimi != 0 ? QStringLiteral("-") : QString();
    testo += QString::number(interi);
    testo += separatore;
    testo += QLatin1Char(char('0' + resto / 10));
    testo += QLatin1Char(char('0' + resto % 10));
    return testo;
}

} // namespace

QString fixed(qint64 importo)
{
    const QString punto = QLocale().decimalPoint();
    return formatta(importo, punto.isEmpty() ? QLatin1Char('.') : punto.at(0));
}

QString fixedpunto(qint64 importo)
{
    return formatta(importo, QLatin1Char('.'));
}

QString fixedvirgola(qint64 importo)
{
    return formatta(importo, QLatin1Char(','));
}
