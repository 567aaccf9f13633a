#include "store/fattureditta.h"

#include "platform/percorsi.h"
#include "store/filemese.h"
#include "store/filerecord.h"

#include <QFile>

namespace {

QString nativo(const QString &percorso, const char *nome)
{
    return percorsonativo(cartelladati(percorso) + QLatin1Char('\\') + QLatin1String(nome));
}

// The second fields of the company's lines, in file order.
Esito leggirighe(const QString &file, qint16 ditta, QStringList &valori)
{
    QFile f(file);
    if (!f.exists())
        return Esito::riuscito();
    if (!f.open(QIODevice::ReadOnly))
        return Esito::fallito(file, motivoerrore(f));
    const QString prefisso = QString::number(ditta) + QLatin1Char(';');
    for (const QByteArray &riga : f.readAll().split('\n')) {
        const QString r = QString::fromUtf8(riga).trimmed();
        if (r.startsWith(prefisso) && r.size() > prefisso.size())
            valori << r.mid(prefisso.size());
    }
    return Esito::riuscito();
}

Esito aggiungirighe(const QString &file, qint16 ditta, const QStringList &valori)
{
    QByteArray dati;
    for (const QString &v : valori)
        dati += (QString::number(ditta) + QLatin1Char(';') + v + QLatin1Char('\n')).toUtf8();
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(dati) != dati.size() ||
        !f.flush())
        return Esito::fallito(file, motivoerrore(f));
    return Esito::riuscito();
}

constexpr qsizetype lunghezzachiave = 128;

// A record "company;value", cut at a character to fit, blank-padded, ending the line.
QByteArray record(qint16 ditta, const QString &valore)
{
    QByteArray riga = (QString::number(ditta) + QLatin1Char(';') + valore).toUtf8();
    if (riga.size() > lunghezzachiave - 1) {
        qsizetype fine = lunghezzachiave - 1;
        while (fine > 0 && (uchar(riga[fine]) & 0xC0) == 0x80) // inside a character
            --fine;
        riga.truncate(fine);
    }
    return riga.leftJustified(lunghezzachiave - 1, ' ') + '\n';
}

// The values of the company's whole records, in file order.
QStringList valoridi(const QByteArray &dati, qint16 ditta)
{
    QStringList valori;
    const QString prefisso = QString::number(ditta) + QLatin1Char(';');
    for (qsizetype i = 0; i + lunghezzachiave <= dati.size(); i += lunghezzachiave) {
        const QString r = QString::fromUtf8(dati.mid(i, lunghezzachiave)).trimmed();
        if (r.startsWith(prefisso))
            valori.append(r.mid(prefisso.size()));
    }
    return valori;
}

// The keys of the company among whole records; a payment code's record ('#') is none.
QSet<QString> chiavidi(const QByteArray &dati, qint16 ditta)
{
    QSet<QString> chiavi;
    for (const QString &v : valoridi(dati, ditta))
        if (!v.startsWith(QLatin1Char('#')))
            chiavi.insert(v);
    return chiavi;
}

} // namespace

Esito leggiidentita(const QString &percorso, qint16 ditta, QString &codice)
{
    QStringList valori;
    const Esito e = leggirighe(nativo(percorso, "dittafatture"), ditta, valori);
    codice = valori.value(valori.size() - 1);
    return e;
}

Esito scriviidentita(const QString &percorso, qint16 ditta, const QString &codice)
{
    return aggiungirighe(nativo(percorso, "dittafatture"), ditta, {codice});
}

Esito leggichiavi(const QString &percorso, qint16 ditta, QSet<QString> &chiavi)
{
    const FileRecord file(cartelladati(percorso) + QStringLiteral("\\fatturelette"),
                          lunghezzachiave, Mancante::Vuoto);
    return file.leggiablocchi([&](const char *dati, qsizetype quanti) {
        chiavi.unite(chiavidi(QByteArray(dati, quanti * lunghezzachiave), ditta));
    });
}

Esito prenotachiavi(const QString &percorso, qint16 ditta, const QStringList &chiavi,
                    QStringList &nuove)
{
    const FileRecord file(cartelladati(percorso) + QStringLiteral("\\fatturelette"),
                          lunghezzachiave);
    return file.aggiorna([&](const QByteArray &dati, Modifiche &m) {
        nuove.clear();
        const QSet<QString> lette = chiavidi(dati, ditta);
        for (const QString &c : chiavi) {
            if (lette.contains(c) || nuove.contains(c))
                continue;
            m.aggiunti.append(record(ditta, c));
            nuove.append(c);
        }
    });
}

Esito scrivicodici(const QString &percorso, qint16 ditta, const QHash<qint32, QString> &codici)
{
    QByteArray dati;
    for (auto c = codici.cbegin(); c != codici.cend(); ++c)
        dati += record(ditta, QStringLiteral("#%1|%2").arg(QString::number(c.key()), c.value()));
    if (dati.isEmpty())
        return Esito::riuscito();
    return FileRecord(cartelladati(percorso) + QStringLiteral("\\fatturelette"), lunghezzachiave)
        .aggiungi(dati);
}

Esito leggicodici(const QString &percorso, qint16 ditta, QHash<qint32, QString> &codici)
{
    const FileRecord file(cartelladati(percorso) + QStringLiteral("\\fatturelette"),
                          lunghezzachiave, Mancante::Vuoto);
    return file.leggiablocchi([&](const char *dati, qsizetype quanti) {
        for (const QString &v : valoridi(QByteArray(dati, quanti * lunghezzachiave), ditta)) {
            const qsizetype barra = v.indexOf(QLatin1Char('|'));
            const qint32 voce = v.mid(1, barra - 1).toInt();
            if (v.startsWith(QLatin1Char('#')) && barra > 1 && voce > 0)
                codici.insert(voce, v.mid(barra + 1));
        }
    });
}
