#pragma once

#include <QString>
#include <functional>

class Stampante;
struct TabellaMese;

// What a print job needs besides the rows.
struct Lavoro {
    int qualita = -2; // -4 high, -3 medium, -2 low, -1 draft
    int copie = 1;
    QString titolo; // the page title, "CONTO CASSA Marzo 2026"
    QString anno;   // two-digit management year, for the dates of the rows
};

enum class Esitostampa { nessunastampante, completata, interrotta };

// Starts the job on the installed printer named nome (exact match) and prints the rows there.
// No printer of that name: nothing is printed.
Esitostampa stampamese(Stampante &s, const QString &nome, const TabellaMese &t, const Lavoro &l);

// Starts the job on the installed printer named nome (exact match) and draws it there with
// disegna. No printer of that name: nothing is printed.
Esitostampa stampasu(Stampante &s, const QString &nome,
                     const std::function<bool(Stampante &)> &disegna);

// Prints the rows as a ruled table in pages on the service as it stands. On the first failure
// the document is ended where it stood, so the pages drawn are sent, and false comes back.
bool stampapagine(Stampante &s, const TabellaMese &t, const Lavoro &l);
