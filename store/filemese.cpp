#include "store/filemese.h"

#include "store/filerecord.h"

namespace {
FileRecord filemese(const QString &file)
{
    return FileRecord(file, movimento::dimensione);
}
} // namespace

QString cartelladati(const QString &percorso)
{
    return percorso + QStringLiteral("\\quaderoladati");
}

QString percorsomese(const QString &percorso, int mese, const QString &anno)
{
    return cartelladati(percorso) + QStringLiteral("\\mov") +
           QStringLiteral("%1").arg(mese, 2, 10, QLatin1Char('0')) + anno;
}

Esito contamovimenti(const QString &file, qint32 &numero)
{
    return filemese(file).conta(numero);
}

Esito leggimovimento(const QString &file, qint32 numero, Movimento &m)
{
    QByteArray r;
    Esito e = filemese(file).leggi(numero, r);
    if (e)
        m = movimento::decodifica(r.constData());
    return e;
}

Esito leggimesegrezzo(const QString &file, QByteArray &dati)
{
    return filemese(file).leggitutto(dati);
}

Esito leggimeseablocchi(const QString &file,
                        const std::function<void(const char *, qsizetype)> &usa, Mancante mancante)
{
    return FileRecord(file, movimento::dimensione, mancante).leggiablocchi(usa);
}

Esito leggimovimenti(const QString &file, QList<Movimento> &movimenti)
{
    movimenti.clear();
    QByteArray dati;
    Esito e = leggimesegrezzo(file, dati);
    const qsizetype n = dati.size() / movimento::dimensione;
    movimenti.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        movimenti.append(movimento::decodifica(dati.constData() + i * movimento::dimensione));
    return e;
}

Esito aggiungimovimento(const QString &file, const Movimento &m, qint32 *numero)
{
    return filemese(file).aggiungi(movimento::codifica(m), numero);
}

Esito riscrivimovimento(const QString &file, qint32 numero, const Movimento &m)
{
    if (numero == 0)
        return aggiungimovimento(file, m);
    return filemese(file).riscrivi(numero, movimento::codifica(m));
}

Esito cancellamovimento(const QString &file, qint32 numero, QByteArray *prima)
{
    qint32 contati = 0;
    if (Esito e = contamovimenti(file, contati); !e)
        return e;
    // Past the last record there is nothing to mark: do not grow the file.
    if (numero < 1 || numero > contati)
        return Esito::fallito(filemese(file).file(),
                              QStringLiteral("Il movimento %1 non esiste.").arg(numero));
    return filemese(file).modifica(numero, [prima](QByteArray &r) {
        if (prima)
            *prima = r;
        movimento::marcacancellato(r.data());
    });
}

Esito aggiornamese(const QString &file,
                   const std::function<void(const QByteArray &dati, Modifiche &m)> &decidi)
{
    return filemese(file).aggiorna(decidi);
}

Esito ripristinamovimento(const QString &file, qint32 numero, const QByteArray &prima,
                          Ripristino &esito,
                          const std::function<bool(const QByteArray &)> &consenti)
{
    esito = Ripristino::cambiato;
    // Already deleted before this deletion (by another workstation): nothing to take back.
    if (prima.size() != movimento::dimensione ||
        movimento::segno(prima.constData()) == movimento::cancellato)
        return {};
    QByteArray cancellato = prima;
    movimento::marcacancellato(cancellato.data());
    return aggiornamese(file, [&](const QByteArray &dati, Modifiche &m) {
        const qint64 posizione = qint64(numero - 1) * movimento::dimensione;
        if (numero < 1 || dati.size() < posizione + movimento::dimensione ||
            dati.mid(posizione, movimento::dimensione) != cancellato)
            return;
        if (consenti && !consenti(dati)) {
            esito = Ripristino::rifiutato;
            return;
        }
        m.riscritti.append({numero, prima});
        esito = Ripristino::fatto;
    });
}
