#pragma once

#include <QString>

class QWidget;

// The program's message boxes, input boxes and folder dialog. Every box is modal (exec), so
// a test finds it as QApplication::activeModalWidget().

// "Attenzione!", warning icon, OK only; also a failed file operation, given its message.
void avviso(QWidget *padre, const QString &testo);
// "Conferma", OK and Cancel, no icon; true on OK.
bool conferma(QWidget *padre, const QString &testo);
// An input box that starts empty; the empty text on Cancel.
QString chiedi(QWidget *padre, const QString &titolo, const QString &domanda);
// The question for the file to write: proposes nome.estensione in the home folder (with '_' for
// blanks and for what a file name cannot hold) and returns the path chosen, the extension added
// when it has none, or the empty text on Cancel. titolo also names the files listed.
QString salvacome(QWidget *padre, const QString &titolo, const QString &nome,
                  const QString &estensione);
// The folder dialog; the chosen folder's path, or the empty text on Cancel.
QString sceglicartella(QWidget *padre, const QString &titolo);
