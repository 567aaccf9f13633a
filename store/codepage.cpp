#include "store/codepage.h"

#include <QList>
#include <array>
#include <cstring>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. Qt's own converter for this code page
// depends on ICU being present, and a table this small decodes faster than a codec lookup
// per field; the five undefined bytes map to the same code points, as Windows does.
constexpr std::array<char16_t, 32> alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t carattere(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? alti[b - 0x80] : char16_t(b);
}

char byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < alti.size(); ++i)
        if (alti[i] == c)
            return char(0x80 + i);
    return '?';
}

bool vuoto(char b)
{
    return b == ' ' || b == '\0';
}

} // namespace

QString decodificatesto(const char *dati, qsizetype n)
{
    qsizetype inizio = 0;
    while (inizio < n && vuoto(dati[inizio]))
        ++inizio;
    // Fields are mostly padding: skip trailing blanks eight at a time.
    quint64 otto = 0;
    while (n - inizio >= 8 && (std::memcpy(&otto, dati + n - 8, 8), otto == 0x2020202020202020ULL))
        n -= 8;
    while (n > inizio && vuoto(dati[n - 1]))
        --n;
    // Latin-1 is the same code page but for 0x80-0x9F; Qt converts it fast, then those few
    // characters are put right.
    QString testo = QString::fromLatin1(dati + inizio, n - inizio);
    if (testo.isEmpty())
        return testo;
    char16_t *d = reinterpret_cast<char16_t *>(testo.data());
    for (qsizetype i = 0, l = testo.size(); i < l; ++i)
        if (char16_t(d[i] - 0x80) < 0x20)
            d[i] = alti[d[i] - 0x80];
    return testo;
}

QString decodificatesto(const QByteArray &dati)
{
    QString testo(dati.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < dati.size(); ++i)
        testo[i] = QChar(carattere(static_cast<unsigned char>(dati[i])));
    return testo;
}

QByteArray codificatesto(const QString &testo)
{
    QByteArray dati;
    dati.reserve(testo.size());
    for (char32_t c : testo.toUcs4())
        dati.append(byte(c));
    return dati;
}

QString spuntato(const QString &testo)
{
    auto bianco = [](QChar c) { return c == QLatin1Char(' ') || c == QChar(0); };
    qsizetype inizio = 0, fine = testo.size();
    while (inizio < fine && bianco(testo[inizio]))
        ++inizio;
    while (fine > inizio && bianco(testo[fine - 1]))
        --fine;
    return testo.mid(inizio, fine - inizio);
}

void codificacampo(const QString &testo, char *destinazione, qsizetype larghezza)
{
    const QByteArray dati = codificatesto(spuntato(testo));
    const qsizetype n = qMin(dati.size(), larghezza);
    std::memcpy(destinazione, dati.constData(), size_t(n));
    std::memset(destinazione + n, ' ', size_t(larghezza - n));
}
