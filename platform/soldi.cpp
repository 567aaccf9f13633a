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
    QString testo = QString::number(interi) + separatore +
                    QStringLiteral("%1").arg(resto, 2, 10, QLatin1Char('0'));
    if (negativo && centesimi != 0)
        testo.prepend(QLatin1Char('-'));
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
