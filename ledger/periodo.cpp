#include "ledger/periodo.h"

#include <array>

namespace {
const std::array<const char *, 13> nomi = {"Anno",    "Gennaio",  "Febbraio", "Marzo",  "Aprile",
                                           "Maggio",  "Giugno",   "Luglio",   "Agosto", "Settembre",
                                           "Ottobre", "Novembre", "Dicembre"};
}

QString nomemese(int periodo)
{
    if (periodo < 0 || periodo > 12)
        return {};
    return QString::fromLatin1(nomi[size_t(periodo)]);
}

QString annointero(const QString &anno)
{
    return QStringLiteral("20") + anno;
}

QString nomeperiodo(int periodo, const QString &anno)
{
    if (periodo < 0 || periodo > 12)
        return {};
    return nomemese(periodo) + QLatin1Char(' ') + annointero(anno);
}
