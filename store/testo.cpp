#include "store/testo.h"

#include "store/codepage.h"

namespace {
bool finelinea(char c)
{
    return c == '\r' || c == '\n';
}
} // namespace

bool LettoreCampi::prossimo(QString &campo)
{
    const qsizetype n = dati.size();
    while (pos < n && (dati[pos] == ' ' || dati[pos] == '\t' || finelinea(dati[pos])))
        ++pos;
    if (pos >= n)
        return false;
    qsizetype inizio = pos;
    if (dati[pos] == '"') {
        inizio = ++pos;
        // A name never spans lines: an unclosed quote ends at the line end, so one damaged
        // line cannot swallow the names after it.
        while (pos < n && dati[pos] != '"' && !finelinea(dati[pos]))
            ++pos;
        campo = decodificatesto(dati.mid(inizio, pos - inizio));
        while (pos < n && !finelinea(dati[pos]))
            ++pos;
        return true;
    }
    while (pos < n && dati[pos] != ',' && !finelinea(dati[pos]))
        ++pos;
    campo = decodificatesto(dati.mid(inizio, pos - inizio)).trimmed();
    if (pos < n && dati[pos] == ',')
        ++pos;
    return true;
}
