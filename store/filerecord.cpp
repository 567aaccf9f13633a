#include "store/filerecord.h"

#include "platform/blocco.h"
#include "platform/percorsi.h"
#include "store/guasti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {

const QString guastosimulato = QStringLiteral("Errore del disco.");

QString motivoblocco(const BloccoFile &blocco)
{
    return QStringLiteral("Impossibile bloccare il file: %1").arg(motivoerrno(blocco.errore()));
}

Esito errore(const QFile &file)
{
    if (!QFileInfo(file.fileName()).absoluteDir().exists())
        return Esito::fallito(
            file.fileName(),
            QStringLiteral("La cartella dei dati non esiste o non è raggiungibile."));
    if (file.error() == QFileDevice::NoError)
        return Esito::fallito(file.fileName(), guastosimulato);
    return Esito::fallito(file.fileName(), motivoerrore(file));
}

bool apri(QFile &file, QIODevice::OpenMode modo)
{
    return !guasto(Operazione::Apertura, file.fileName()) && file.open(modo);
}

// Opens for reading; a missing file is created empty first, as every reader expects, unless
// it is taken as empty: then assente is set and nothing is opened.
Esito apriinlettura(QFile &file, Mancante mancante = Mancante::Crea, bool *assente = nullptr)
{
    if (mancante == Mancante::Vuoto) {
        // Opened without creating: a file deleted meanwhile stays deleted.
        *assente = !apri(file, QIODevice::ReadOnly | QIODevice::Unbuffered) && !file.exists();
        return *assente || file.isOpen() ? Esito() : errore(file);
    }
    if (!file.exists()) {
        QFile nuovo(file.fileName());
        if (!apri(nuovo, QIODevice::WriteOnly | QIODevice::Append))
            return errore(nuovo);
    }
    if (!apri(file, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return errore(file);
    return {};
}

Esito apriinscrittura(QFile &file)
{
    if (!apri(file, QIODevice::ReadWrite | QIODevice::Unbuffered))
        return errore(file);
    return {};
}

// The file opened and locked for the length of one operation: shared for readers, exclusive
// for writers. esito says whether both succeeded.
struct Aperto {
    QFile file;
    std::optional<BloccoFile> blocco;
    Esito esito;
    bool assente = false; // missing and taken as empty: not opened

    Aperto(const QString &nativo, BloccoFile::Tipo tipo, Mancante mancante = Mancante::Crea)
        : file(nativo)
    {
        esito = tipo == BloccoFile::Esclusivo ? apriinscrittura(file)
                                              : apriinlettura(file, mancante, &assente);
        if (!esito || assente)
            return;
        blocco.emplace(file, tipo);
        if (!blocco->ok())
            esito = Esito::fallito(nativo, motivoblocco(*blocco));
    }
};

// Reads n bytes at the offset into dati, reusing its memory (a reader going through twelve
// month files keeps one buffer); false when fewer came.
bool leggida(QFile &file, qint64 posizione, qint64 n, QByteArray &dati)
{
    if (guasto(Operazione::Lettura, file.fileName()) || !file.seek(posizione))
        return false;
    dati.resize(n);
    return file.read(dati.data(), n) == n;
}

// Writes the bytes at the offset; false when not all of them reached the file. A failing
// disk may have written part of them: the callers put the old bytes back.
bool scrivia(QFile &file, qint64 posizione, const QByteArray &dati)
{
    if (!file.seek(posizione))
        return false;
    if (guasto(Operazione::Scrittura, file.fileName())) {
        file.write(dati.left(dati.size() / 2));
        return false;
    }
    return file.write(dati) == dati.size() && !guasto(Operazione::Flush, file.fileName()) &&
           file.flush();
}

bool ridimensiona(QFile &file, qint64 lunghezza)
{
    return !guasto(Operazione::Ridimensiona, file.fileName()) && file.resize(lunghezza);
}

} // namespace

FileRecord::FileRecord(const QString &percorso, qsizetype dim, Mancante m)
    : nativo(percorsonativo(percorso)), dimensione(dim), mancante(m)
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
    Aperto aperto(nativo, BloccoFile::Condiviso);
    if (!aperto.esito)
        return aperto.esito;
    QFile &file = aperto.file;
    if (numero < 1 || file.size() / dimensione < numero)
        return Esito::fallito(nativo, QStringLiteral("Il record %1 non esiste.").arg(numero));
    if (!leggida(file, qint64(numero - 1) * dimensione, dimensione, record))
        return errore(file);
    return {};
}

Esito FileRecord::leggitutto(QByteArray &dati) const
{
    dati.resize(0); // keeps the memory for the next file
    Aperto aperto(nativo, BloccoFile::Condiviso);
    if (!aperto.esito)
        return aperto.esito;
    QFile &file = aperto.file;
    if (!leggida(file, 0, file.size() / dimensione * dimensione, dati)) {
        dati.clear();
        return errore(file);
    }
    return {};
}

Esito FileRecord::leggiablocchi(const std::function<void(const char *, qsizetype)> &usa) const
{
    constexpr qint64 recordperblocco = 2048; // about 240 KB: read often enough to stay in the cache
    Aperto aperto(nativo, BloccoFile::Condiviso, mancante);
    if (!aperto.esito || aperto.assente)
        return aperto.esito;
    QFile &file = aperto.file;
    qint64 restano = file.size() / dimensione * dimensione;
    QByteArray dati(qMin(restano, recordperblocco * dimensione), Qt::Uninitialized);
    while (restano > 0) {
        const qint64 parte = qMin<qint64>(restano, dati.size());
        if (guasto(Operazione::Lettura, nativo) || file.read(dati.data(), parte) != parte)
            return errore(file);
        usa(dati.constData(), qsizetype(parte / dimensione));
        restano -= parte;
    }
    return {};
}

Esito FileRecord::aggiungi(const QByteArray &record, qint32 *numero, qint32 minimo) const
{
    Q_ASSERT(!record.isEmpty() && record.size() % dimensione == 0);
    Aperto aperto(nativo, BloccoFile::Esclusivo);
    if (!aperto.esito)
        return aperto.esito;
    QFile &file = aperto.file;
    const qint64 lunghezza = file.size();
    const qint64 contati = lunghezza / dimensione;
    if (contati + 1 < minimo)
        return Esito::fallito(nativo, QStringLiteral("Il file contiene %1 record, il programma ne "
                                                     "attendeva almeno %2: è stato sostituito o "
                                                     "il percorso dei dati è cambiato. Riavviare "
                                                     "il programma.")
                                          .arg(contati)
                                          .arg(minimo - 1));
    if (!scrivia(file, contati * dimensione, record)) {
        Esito e = errore(file);
        ridimensiona(file, lunghezza); // never leave half a record behind
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
    bool scritto = false;
    return modificase(
        numero,
        [&cambia](QByteArray &r) {
            cambia(r);
            return true;
        },
        scritto);
}

Esito FileRecord::modificase(qint32 numero, const std::function<bool(QByteArray &)> &cambia,
                             bool &scritto) const
{
    scritto = false;
    Aperto aperto(nativo, BloccoFile::Esclusivo);
    if (!aperto.esito)
        return aperto.esito;
    QFile &file = aperto.file;
    const qint64 lunghezza = file.size();
    const qint64 contati = lunghezza / dimensione;
    // Past count + 1 a write would leave a gap of zero bytes that reads as garbage records.
    if (numero < 1 || numero > contati + 1)
        return Esito::fallito(nativo, QStringLiteral("Il record %1 non esiste.").arg(numero));
    const qint64 posizione = qint64(numero - 1) * dimensione;
    const bool esistente = numero <= contati;
    QByteArray vecchio(dimensione, ' ');
    if (esistente && !leggida(file, posizione, dimensione, vecchio))
        return errore(file);
    QByteArray nuovo = vecchio;
    if (!cambia(nuovo))
        return {};
    Q_ASSERT(nuovo.size() == dimensione);
    if (!scrivia(file, posizione, nuovo)) {
        Esito e = errore(file);
        if (esistente)
            scrivia(file, posizione, vecchio); // put the old record back
        else
            ridimensiona(file, lunghezza);
        return e;
    }
    scritto = true;
    return {};
}

Esito FileRecord::aggiorna(
    const std::function<void(const QByteArray &dati, Modifiche &m)> &decidi) const
{
    Aperto aperto(nativo, BloccoFile::Esclusivo);
    if (!aperto.esito)
        return aperto.esito;
    QFile &file = aperto.file;
    const qint64 lunghezza = file.size();
    const qint64 contati = lunghezza / dimensione;
    QByteArray dati;
    if (!leggida(file, 0, contati * dimensione, dati))
        return errore(file);
    Modifiche m;
    decidi(dati, m);
    for (const auto &[numero, record] : m.riscritti)
        if (numero < 1 || numero > contati || record.size() != dimensione)
            return Esito::fallito(nativo, QStringLiteral("Il record %1 non esiste.").arg(numero));
    for (const QByteArray &record : m.aggiunti)
        Q_ASSERT(record.size() == dimensione);
    // Undoes the rewrites up to the one that failed (it may have written part of its bytes)
    // and drops whatever was appended.
    const auto rimetti = [&](qsizetype finoa) {
        for (qsizetype i = finoa; i >= 0; --i) {
            const qint64 posizione = qint64(m.riscritti[i].first - 1) * dimensione;
            scrivia(file, posizione, dati.mid(posizione, dimensione));
        }
        if (file.size() != lunghezza)
            ridimensiona(file, lunghezza);
    };
    for (qsizetype i = 0; i < m.riscritti.size(); ++i) {
        const auto &[numero, record] = m.riscritti[i];
        if (!scrivia(file, qint64(numero - 1) * dimensione, record)) {
            Esito e = errore(file);
            rimetti(i);
            return e;
        }
    }
    const QByteArray nuovi = m.aggiunti.join();
    if (!nuovi.isEmpty() && !scrivia(file, contati * dimensione, nuovi)) {
        Esito e = errore(file);
        rimetti(m.riscritti.size() - 1);
        return e;
    }
    return {};
}
