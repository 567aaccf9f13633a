#pragma once

#include "store/esito.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

// What reading a missing file does: create it empty, as every reader of the program expects,
// or, for a reader that only looks (the live view), take it as empty and leave it missing.
// leggiablocchi honours Vuoto; the other operations always create.
enum class Mancante { Crea, Vuoto };

// What a decision taken under a file's lock writes: records rewritten in place (number and new
// bytes), then records appended after the last.
struct Modifiche {
    QList<std::pair<qint32, QByteArray>> riscritti;
    QList<QByteArray> aggiunti;
};

// A file of fixed-length records addressed by 1-based record numbers. Every operation opens
// the file, does its work and closes it. A missing file is created empty when opened. A
// trailing partial record (a write that was cut off) is ignored by readers and replaced by
// the next append. Appends and rewrites hold an operating-system lock on the file.
class FileRecord
{
  public:
    // percorso is the path as the program forms it (concatenated, maybe "c:\..."); it is
    // turned into a native path here.
    FileRecord(const QString &percorso, qsizetype dimensione, Mancante mancante = Mancante::Crea);

    QString file() const { return nativo; }

    Esito conta(qint32 &numero) const;
    // One record; a number past the last record is an error.
    Esito leggi(qint32 numero, QByteArray &record) const;
    // The whole records of the file, read with one read.
    Esito leggitutto(QByteArray &dati) const;
    // The whole records of the file, handed to usa a block of records at a time (their bytes
    // and how many), so that a reader summing as it goes finds them still in the cache.
    Esito leggiablocchi(const std::function<void(const char *, qsizetype)> &usa) const;
    // Writes the record at count + 1 and returns that number. A file of fewer than minimo - 1
    // records is left untouched and the call fails: the caller's numbering no longer matches.
    // Several whole records given at once go in one write under one lock, all or none; numero
    // is then the first one's.
    Esito aggiungi(const QByteArray &record, qint32 *numero = nullptr, qint32 minimo = 1) const;
    // Overwrites record numero (1 to count + 1); on a failed write the old bytes are put back.
    Esito riscrivi(qint32 numero, const QByteArray &record) const;
    // Reads record numero, lets cambia alter it and writes it back, all under one lock.
    Esito modifica(qint32 numero, const std::function<void(QByteArray &)> &cambia) const;
    // The same, but nothing is written when cambia returns false (the record was not what the
    // caller expected); scritto tells which.
    Esito modificase(qint32 numero, const std::function<bool(QByteArray &)> &cambia,
                     bool &scritto) const;
    // Reads every whole record, lets decidi say what to write and writes it, all under one
    // lock: no other workstation writes between the reading and the writing. A failed write
    // puts back what the call had written, so the file holds its old records or all the new.
    Esito aggiorna(const std::function<void(const QByteArray &dati, Modifiche &m)> &decidi) const;

  private:
    QString nativo;
    qsizetype dimensione;
    Mancante mancante;
};
