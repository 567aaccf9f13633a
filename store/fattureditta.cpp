#include "store/fattureditta.h"

#include "platform/percorsi.h"
#include "store/filemese.h"

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
    QStringList valori;
    const Esito e = leggirighe(nativo(percorso, "fatturelette"), ditta, valori);
    chiavi = QSet<QString>(valori.begin(), valori.end());
    return e;
}

Esito aggiungichiavi(const QString &percorso, qint16 ditta, const QStringList &chiavi)
{
    return aggiungirighe(nativo(percorso, "fatturelette"), ditta, chiavi);
}
