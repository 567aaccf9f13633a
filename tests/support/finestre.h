#pragma once

// What the tests of the windows share: the widgets they drive and a few steps they all take.
#include "app/stato.h"
#include "support/archivio.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

// Answers the next file or folder dialog with percorso (empty = Cancel), keeping its title and
// the file it proposed.
void scegli(const QString &percorso, QString *titolo = nullptr, QString *proposto = nullptr);
// Picks the date (unless invalid) on an entry window and types the descriptions and the
// amount, as a user would.
void compila(QWidget *f, const QString &d1, const QString &d2, const QString &importo,
             const QDate &data = QDate(2008, 3, 5));
// Runs azione in the event loop until the program ends; 0 when it ended by itself.
int finoallafine(const std::function<void()> &azione);
// Runs azione answering the message box it shows with OK: its text, or "" when none came.
QString messaggio(const std::function<void()> &azione);
// Clicks the named button or label, or triggers the named action, a child of finestra.
void clicca(const QObject *finestra, const QString &nome);
// The text of the named label or text box.
QString testo(const QObject *finestra, const QString &nome);
// Clicks row riga of a list, as the user does.
void clicca(QListWidget *lista, int riga);
// The texts of a list's rows.
QStringList righe(const QListWidget *lista);
