#pragma once

#include <QString>

// Outcome of a file operation. A failure carries the file and the reason in Italian,
// so the window that asked can tell the user exactly what went wrong.
struct Esito {
    bool ok = true;
    QString file;   // native path of the file or folder concerned
    QString motivo; // reason, in Italian
    // The whole message when the file was read and what it holds is refused: no fault of the
    // disk, so it does not begin "Impossibile accedere al file". Empty otherwise.
    QString avviso;

    explicit operator bool() const { return ok; }

    static Esito riuscito() { return {}; }
    static Esito fallito(const QString &file, const QString &motivo);
    // The message shown to the user: the file and the reason.
    QString messaggio() const;
};

class QFileDevice;
// Italian text for the error a QFile/QSaveFile reported.
QString motivoerrore(const QFileDevice &file);
// Italian text for an errno value of a failed system call.
QString motivoerrno(int codice);
