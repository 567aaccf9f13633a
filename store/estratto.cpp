#include "store/estratto.h"

#include "store/estrattoformati.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

enum class Formato { csv, cbi, xml, xlsx, xls, html };

// Recognised by the first bytes, whatever the file's extension says.
Formato formato(const QByteArray &dati)
{
    if (dati.startsWith("PK\x03\x04"))
        return Formato::xlsx;
    if (dati.startsWith("\xD0\xCF\x11\xE0"))
        return Formato::xls;
    QByteArrayView inizio(dati);
    if (inizio.startsWith("\xEF\xBB\xBF"))
        inizio = inizio.sliced(3);
    inizio = inizio.trimmed();
    if (inizio.startsWith('<')) {
        const QByteArray testa = inizio.first(qMin(inizio.size(), qsizetype(1024))).toByteArray();
        return testa.toLower().contains("<html") || testa.toLower().contains("<table")
                   ? Formato::html
                   : Formato::xml;
    }
    // The first record of a CBI flow: "RH" or "EC" after the blank of position 1, which some
    // programs drop.
    QByteArrayView record(dati);
    while (record.startsWith('\r') || record.startsWith('\n'))
        record = record.sliced(1);
    if (record.startsWith(' '))
        record = record.sliced(1);
    if ((record.startsWith("RH") || record.startsWith("EC")) && record.size() >= 7 &&
        std::all_of(record.begin() + 2, record.begin() + 7,
                    [](char c) { return c >= '0' && c <= '9'; }))
        return Formato::cbi;
    return Formato::csv;
}

} // namespace

Esito leggiestrattodati(const QByteArray &dati, const QString &nome, Estratto &e)
{
    e = {};
    if (dati.size() > estrattomassimo)
        return Esito::fallito(nome, QStringLiteral("Il file è troppo grande per un estratto "
                                                   "conto (oltre 64 MB)."));
    if (dati.trimmed().isEmpty())
        return Esito::fallito(nome, QStringLiteral("Il file è vuoto."));
    Esito esito;
    switch (formato(dati)) {
    case Formato::xls:
        return Esito::fallito(nome, QStringLiteral("Il file è un foglio Excel 97-2003 (.xls): "
                                                   "salvarlo come .xlsx o .csv e riprovare."));
    case Formato::html:
        return Esito::fallito(nome,
                              QStringLiteral("Il file è una pagina HTML, non un estratto "
                                             "conto: salvarlo come .xlsx o .csv e riprovare."));
    case Formato::xlsx:
        esito = leggixlsx(dati, nome, e);
        break;
    case Formato::xml:
        esito = leggicamt(dati, nome, e);
        break;
    case Formato::cbi:
        esito = leggicbi(dati, nome, e);
        break;
    case Formato::csv:
        esito = leggicsv(dati, nome, e);
        break;
    }
    if (!esito)
        e = {};
    return esito;
}

Esito leggiestratto(const QString &file, Estratto &e)
{
    e = {};
    const QString nome = QDir::toNativeSeparators(file);
    // A pipe or a device chosen by mistake would be waited on for ever: only a plain file.
    if (const QFileInfo info(file); info.exists() && !info.isFile())
        return Esito::fallito(nome, QStringLiteral("Non è un file di dati."));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Esito::fallito(nome, motivoerrore(f));
    // One byte past the limit is enough to tell a file too large, whatever size it claims.
    const QByteArray dati = f.read(estrattomassimo + 1);
    if (f.error() != QFileDevice::NoError)
        return Esito::fallito(nome, motivoerrore(f));
    return leggiestrattodati(dati, nome, e);
}
