#include "platform/date.h"

#include <QStringList>

QDate oggi()
{
    return QDate::currentDate();
}

QString datadmy(const QDate &d)
{
    return d.toString(QStringLiteral("dd/MM/yy"));
}

QString dataddmmyy(const QDate &d)
{
    return d.toString(QStringLiteral("ddMMyy"));
}

QString annoyy(const QDate &d)
{
    return d.toString(QStringLiteral("yy"));
}

int annoquattrocifre(int anno)
{
    if (anno >= 100)
        return anno;
    return anno < 30 ? 2000 + anno : 1900 + anno;
}

namespace {
bool numero(const QString &parte, int maxcifre, int &valore)
{
    if (parte.isEmpty() || parte.size() > maxcifre)
        return false;
    for (QChar c : parte)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    valore = parte.toInt();
    return true;
}
} // namespace

QDate leggidata(const QString &testo)
{
    const QStringList parti = testo.trimmed().split(QLatin1Char('/'));
    int giorno = 0, mese = 0, anno = 0;
    if (parti.size() != 3 || !numero(parti[0], 2, giorno) || !numero(parti[1], 2, mese) ||
        !numero(parti[2], 4, anno))
        return {};
    if (parti[2].size() <= 2)
        anno = annoquattrocifre(anno);
    else if (anno < 100)
        return {};
    return QDate(anno, mese, giorno); // invalid when the day does not exist
}
