#pragma once

#include <QByteArray>
#include <QString>

// Text in the data folder is single-byte Windows-1252: the code page the archives were
// written in on Western European systems, whatever system reads them now.

// Decodes n bytes and trims blanks (and NUL padding left by a cut-off write) at both ends.
QString decodificatesto(const char *byte, qsizetype n);

// The text without the blanks (spaces, NUL padding) a field reader trims.
QString spuntato(const QString &testo);

// Writes the text trimmed, cut to larghezza bytes and padded with spaces: a fixed-width field.
// Characters Windows-1252 cannot hold are written as '?'.
void codificacampo(const QString &testo, char *destinazione, qsizetype larghezza);

// Encodes a whole text, untrimmed, for the small text files.
QByteArray codificatesto(const QString &testo);
QString decodificatesto(const QByteArray &byte);
