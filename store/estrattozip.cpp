// A zip: an XLSX workbook, or statement files packed together as some banks deliver them.
#include "store/estrattoformati.h"

#include <memory>
#include <zip.h>

namespace {

// Part i of the archive, named parte in the reasons.
QString estrai(zip_t *z, zip_int64_t i, const QString &parte, const QString &tipo, QByteArray &out)
{
    zip_stat_t st;
    if (i < 0 || zip_stat_index(z, zip_uint64_t(i), 0, &st) != 0)
        return QStringLiteral("il file %1 non ha la parte %2.").arg(tipo, parte);
    const QString troppo = QStringLiteral("la parte %1 del file %2 supera %3 MB una volta "
                                          "estratta.")
                               .arg(parte, tipo)
                               .arg(estrattomassimo / (1024 * 1024));
    if ((st.valid & ZIP_STAT_SIZE) && st.size > zip_uint64_t(estrattomassimo))
        return troppo;
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> f(zip_fopen_index(z, zip_uint64_t(i), 0),
                                                         &zip_fclose);
    if (!f)
        return QStringLiteral("la parte %1 del file %2 è danneggiata.").arg(parte, tipo);
    out.clear();
    char blocco[65536];
    zip_int64_t letti;
    while ((letti = zip_fread(f.get(), blocco, sizeof blocco)) > 0) {
        if (out.size() + letti > estrattomassimo)
            return troppo;
        out.append(blocco, qsizetype(letti));
    }
    if (letti < 0)
        return QStringLiteral("la parte %1 del file %2 è danneggiata.").arg(parte, tipo);
    return {};
}

// Every statement file of the archive, read as one file; other files are passed over.
Esito leggiestratti(zip_t *z, const QString &nome, QList<Estratto> &pezzi)
{
    const zip_int64_t n = zip_get_num_entries(z, 0);
    if (n > partimassime)
        return Esito::fallito(
            nome, QStringLiteral("Il file zip contiene più di %1 file.").arg(partimassime));
    qsizetype totale = 0;
    bool trovato = false;
    for (zip_int64_t i = 0; i < n; ++i) {
        const QString parte = QString::fromUtf8(zip_get_name(z, zip_uint64_t(i), 0));
        QByteArray dati;
        if (!partecandidata(parte))
            continue;
        if (QString m = estrai(z, i, parte, QStringLiteral("zip"), dati); !m.isEmpty())
            return Esito::fallito(nome, m[0].toUpper() + m.mid(1));
        if ((totale += dati.size()) > estrattomassimo)
            return Esito::fallito(nome,
                                  QStringLiteral("Il file zip supera %1 MB una volta estratto.")
                                      .arg(estrattomassimo / (1024 * 1024)));
        const Formato f = formatoestratto(dati);
        if (dati.trimmed().isEmpty() ||
            (f != Formato::xml && f != Formato::cbi && f != Formato::csv && f != Formato::xls))
            continue;
        const Esito esito = f == Formato::xml   ? leggicamt(dati, parte, pezzi)
                            : f == Formato::cbi ? leggicbi(dati, parte, pezzi)
                            : f == Formato::xls ? leggixls(dati, parte, pezzi)
                                                : leggicsv(dati, parte, pezzi);
        if (!esito && !nonestratto(esito))
            return Esito::fallito(nome, parte + QStringLiteral(": ") + esito.motivo);
        trovato = trovato || esito;
    }
    if (!trovato)
        return Esito::fallito(nome, QStringLiteral("Il file zip non contiene estratti conto."));
    return Esito::riuscito();
}

} // namespace

QString partezip(zip *z, const QString &parte, const QString &tipo, QByteArray &out)
{
    return estrai(z, zip_name_locate(z, parte.toUtf8().constData(), 0), parte, tipo, out);
}

Archivio apriarchivio(const QByteArray &dati)
{
    zip_error_t errore;
    zip_error_init(&errore);
    zip_source_t *sorgente =
        zip_source_buffer_create(dati.constData(), zip_uint64_t(dati.size()), 0, &errore);
    zip_t *aperto = sorgente ? zip_open_from_source(sorgente, ZIP_RDONLY, &errore) : nullptr;
    zip_error_fini(&errore);
    if (!aperto && sorgente)
        zip_source_free(sorgente);
    return Archivio(aperto, &zip_discard);
}

bool partecandidata(const QString &parte)
{
    if (parte.endsWith(QLatin1Char('/')))
        return false;
    for (const QString &pezzo : parte.split(QLatin1Char('/')))
        if (pezzo.startsWith(QLatin1Char('.')) || pezzo == QLatin1String("__MACOSX"))
            return false;
    return true;
}

Esito leggizip(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    const Archivio z = apriarchivio(dati);
    if (!z)
        return Esito::fallito(nome, QStringLiteral("Il file zip è danneggiato."));
    if (zip_name_locate(z.get(), "xl/workbook.xml", 0) >= 0)
        return leggicartellalavoro(z.get(), nome, pezzi);
    return leggiestratti(z.get(), nome, pezzi);
}
