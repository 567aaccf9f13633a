#include "store/filerecord.h"

#include "platform/blocco.h"
#include "platform/percorsi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString motivoblocco(const BloccoFile &blocco)
{
    return QStringLiteral("Impossibile bloccare il file: %1").arg(motivoerrno(blocco.errore()));
}

QString motivoapertura(const QFile &file)
{
    if (!QFileInfo(file.fileName()).absoluteDir().exists())
        return QStringLiteral("La cartella dei dati non esiste o non è raggiungibile.");
    return motivoerrore(file);
}

// Opens for reading; a missing file is created empty first, as every reader expects.
Esito apriinlettura(QFile &file)
{
    if (!file.exists()) {
        QFile nuovo(file.fileName());
        if (!nuovo.open(QIODevice::WriteOnly | QIODevice::Append))
            return Esito::fallito(file.fileName(), motivoapertura(nuovo));
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Esito::fallito(file.fileName(), motivoapertura(file));
    return {};
}

Esito apriinscrittura(QFile &file)
{
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return Esito::fallito(file.fileName(), motivoapertura(file));
    return {};
}

// Writes the bytes at the offset; false when not all of them reached the file.
bool scrivia(QFile &file, qint64 posizione, const QByteArray &dati)
{
    return file.seek(posizione) && file.write(dati) == dati.size() && file.flush();
}

} // namespace

FileRecord::FileRecord(const QString &percorso, qsizetype dim)
    : nativo(percorsonativo(percorso)), dimensione(dim)
{
}

Esito FileRecord::conta(qint32 &numero) const
{
    numero = 0;
    QFile file(nativo);
    if (Esito e = apriinlettura(file); !e)
        return e;
    numero = qint32(file.size() / dimensione);
    return {};
}

Esito FileRecord::leggi(qint32 numero, QByteArray &record) const
{
    QFile file(nativo);
    if (Esito e = apriinlettura(file); !e)
        return e;
    BloccoFile blocco(file, BloccoFile::Condiviso);
    if (!blocco.ok())
        return Esito::fallito(nativo, motivoblocco(blocco));
    if (numero < 1 || file.size() / dimensione < numero)
        return Esito::fallito(nativo, QStringLiteral("Il record %1 non esiste.").arg(numero));
    if (!file.seek(qint64(numero - 1) * dimensione))
        return Esito::fallito(nativo, motivoerrore(file));
    record = file.read(dimensione);
    if (record.size() != dimensione)
        return Esito::fallito(nativo, motivoerrore(file));
    return {};
}

Esito FileRecord::leggitutto(QByteArray &dati) const
{
    dati.clear();
    QFile file(nativo);
    if (Esito e = apriinlettura(file); !e)
        return e;
    BloccoFile blocco(file, BloccoFile::Condiviso);
    if (!blocco.ok())
        return Esito::fallito(nativo, motivoblocco(blocco));
    const qint64 interi = file.size() / dimensione * dimensione;
    dati = file.read(interi);
    if (dati.size() != interi) {
        Esito e = Esito::fallito(nativo, motivoerrore(file));
        dati.clear();
        return e;
    }
    return {};
}

Esito FileRecord::aggiungi(const QByteArray &record, qint32 *numero) const
{
    Q_ASSERT(record.size() == dimensione);
    QFile file(nativo);
    if (Esito e = apriinscrittura(file); !e)
        return e;
    BloccoFile blocco(file, BloccoFile::Esclusivo);
    if (!blocco.ok())
        return Esito::fallito(nativo, motivoblocco(blocco));
    const qint64 lunghezza = file.size();
    const qint64 contati = lunghezza / dimensione;
    if (!scrivia(file, contati * dimensione, record)) {
        Esito e = Esito::fallito(nativo, motivoerrore(file));
        file.resize(lunghezza); // never leave half a record behind
        return e;
    }
    if (numero)
        *numero = qint32(contati + 1);
    return {};
}

Esito FileRecord::riscrivi(qint32 numero, const QByteArray &record) const
{
    return modifica(numero, [&record](QByteArray &vecchio) { vecchio = record; });
}

Esito FileRecord::modifica(qint32 numero, const std::function<void(QByteArray &)> &cambia) const
{
    QFile file(nativo);
    if (Esito e = apriinscrittura(file); !e)
        return e;
    BloccoFile blocco(file, BloccoFile::Esclusivo);
    if (!blocco.ok())
        return Esito::fallito(nativo, motivoblocco(blocco));
    const qint64 lunghezza = file.size();
    const qint64 contati = lunghezza / dimensione;
    // Past count + 1 a write would leave a gap of zero bytes that reads as garbage records.
    if (numero < 1 || numero > contati + 1)
        return Esito::fallito(nativo, QStringLiteral("Il record %1 non esiste.").arg(numero));
    const qint64 posizione = qint64(numero - 1) * dimensione;
    QByteArray vecchio(dimensione, ' ');
    if (numero <= contati) {
        if (file.seek(posizione))
            vecchio = file.read(dimensione);
        if (vecchio.size() != dimensione)
            return Esito::fallito(nativo, motivoerrore(file));
    }
    QByteArray nuovo = vecchio;
    cambia(nuovo);
    Q_ASSERT(nuovo.size() == dimensione);
    if (!scrivia(file, posizione, nuovo)) {
        Esito e = Esito::fallito(nativo, motivoerrore(file));
        if (numero <= contati)
            scrivia(file, posizione, vecchio); // put the old record back
        else
            file.resize(lunghezza);
        return e;
    }
    return {};
}
