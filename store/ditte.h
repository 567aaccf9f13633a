#pragma once

#include "store/esito.h"

#include <QStringList>

// The company list percorso & "\quaderoladati\listditta": a count line, then one quoted name
// per line, CR LF line ends. Company k is the name on line k + 1.

namespace ditte {
constexpr int capacita = 1000;
}

QString percorsoditte(const QString &percorso);

// The names present, at most the count and at most 1000. A missing file is no company (and is
// not created); a count that is not a number gives no company. esiste tells whether the file
// was there.
Esito leggiditte(const QString &percorso, QStringList &nomi, bool *esiste = nullptr);

// A name that the file cannot hold: empty after trimming, or with a double quote in it.
bool nomedittavalido(const QString &nome);

// The bytes of the list, and the names read from such bytes (the reading rules above).
QByteArray codificaditte(const QStringList &nomi);
QStringList analizzaditte(const QByteArray &dati);

// Rewrites the whole list through a temporary file, so a failure leaves the old list whole.
Esito scrividitte(const QString &percorso, const QStringList &nomi);
