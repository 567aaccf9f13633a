#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// An address-book contact as its 306-byte record. Field order in the file is not the order of
// the boxes in the address-book window: town comes before postal code.
struct Contatto {
    QString ragionesociale;
    QString indirizzo;
    QString citta;
    QString cap;
    QString telefono;
    QString fax;
    QString partitaiva;
    QString codicefiscale;
    QString email;
    QString referente;
    QString note;

    bool operator==(const Contatto &) const = default;
};

namespace contatto {

constexpr qsizetype dimensione = 306;

struct Campo {
    QString Contatto::*membro;
    qsizetype posizione;
    qsizetype larghezza;
};

// The eleven fields in file order with their offsets and widths.
constexpr std::array<Campo, 11> campi = {{
    {&Contatto::ragionesociale, 0, 50},
    {&Contatto::indirizzo, 50, 50},
    {&Contatto::citta, 100, 20},
    {&Contatto::cap, 120, 5},
    {&Contatto::telefono, 125, 15},
    {&Contatto::fax, 140, 15},
    {&Contatto::partitaiva, 155, 11},
    {&Contatto::codicefiscale, 166, 20},
    {&Contatto::email, 186, 50},
    {&Contatto::referente, 236, 20},
    {&Contatto::note, 256, 50},
}};

QByteArray codifica(const Contatto &c);
Contatto decodifica(const char *record);
// Only the name, for the name search, which needs nothing else.
QString ragionesociale(const char *record);

} // namespace contatto
