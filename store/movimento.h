#pragma once

#include "store/esito.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

// A movement as its 118-byte record in a month file. Month and year are given by the file.
struct Movimento {
    qint16 giorno = 0;
    QString descrizione1;
    QString descrizione2;
    qint16 segno = 0;    // 0 income, 1 expense, 2 deleted
    qint64 importo = 0;  // ten-thousandths
    qint16 conto = 0;    // account button index: 2 CASSA, 3.. the account list
    qint16 ditta = 0;    // company number, 1-based position in the company list
    qint16 contatto = 0; // address-book record number, 0 = none

    bool operator==(const Movimento &) const = default;
};

namespace movimento {

constexpr qsizetype dimensione = 118;
constexpr qint16 entrata = 0;
constexpr qint16 uscita = 1;
constexpr qint16 cancellato = 2;
constexpr qsizetype larghezzadescrizione = 50;

QByteArray codifica(const Movimento &m);
Movimento decodifica(const char *record);

// Field readers over a raw record, so that a reader can filter without decoding texts.
inline qint16 giorno(const char *r)
{
    return qFromLittleEndian<qint16>(r);
}
inline const char *descrizione1(const char *r)
{
    return r + 2;
}
inline const char *descrizione2(const char *r)
{
    return r + 52;
}
inline qint16 segno(const char *r)
{
    return qFromLittleEndian<qint16>(r + 102);
}
inline void marcacancellato(char *r)
{
    qToLittleEndian<qint16>(cancellato, r + 102);
}
inline qint64 importo(const char *r)
{
    return qFromLittleEndian<qint64>(r + 104);
}
inline qint16 conto(const char *r)
{
    return qFromLittleEndian<qint16>(r + 112);
}
inline qint16 ditta(const char *r)
{
    return qFromLittleEndian<qint16>(r + 114);
}
// Account (low half) and company (high half) in one word, so that a reader tests both at once.
inline quint32 contoditta(const char *r)
{
    return qFromLittleEndian<quint32>(r + 112);
}
inline qint16 contatto(const char *r)
{
    return qFromLittleEndian<qint16>(r + 116);
}

} // namespace movimento
