#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

// A new empty temporary folder made the home directory and the local disk "c:" (HOME on Linux,
// QUADEROLA_CASA on Windows), removed at program end.
QString nuovacasa();
// The local data folder "c:\\quaderoladati", created.
QString cartellalocale();

QByteArray leggibyte(const QString &file);
void scrivibyte(const QString &file, const QByteArray &dati);
// The same, the file then dated an hour ago: a file of the user's left there long before.
void scrivivecchio(const QString &file, const QByteArray &dati);

// Watches the modal windows from now on: one still open after its answer, or one left waiting
// for an answer no test queued, fails the test and is closed, so a test never hangs on it.
void sorvegliamodali();
// Runs azione on the next modal window as soon as it is shown (a message box, an input box, a
// child window). Several calls queue up, in order, for windows shown one after the other.
void quandomodale(std::function<void(QWidget *)> azione);
// Answers the next message box with its default/first accept button and keeps its text.
void accettamessaggio(QString *testo = nullptr);
// Answers the next message box with Cancel.
void annullamessaggio(QString *testo = nullptr);
// Answers the next input box with the text (empty = Cancel).
void rispondiinput(const QString &risposta, QString *titolo = nullptr);
// Drops the answers no window came for, so they cannot answer a later one; how many there were.
qsizetype scartarisposte();

// Makes a folder refuse new files and renames, even for root (chattr +i), or with permissions
// for an ordinary user. False when neither works here; the caller then skips its test.
bool bloccacartella(const QString &cartella);
void sbloccacartella(const QString &cartella);
