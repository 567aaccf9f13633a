#pragma once

#include "store/esito.h"
#include "store/quadrature.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

// The payments due percorso & "\quaderoladati\scadenze": what each company must collect and
// pay, one-off items and recurring series. 144-byte records, only ever appended under the
// file's lock (an item created, changed, settled, cancelled), so several workstations share it
// like a month file and what two of them do at once is never lost; a damaged record is skipped.

// An item as created, or an occurrence as changed.
struct Scadenza {
    QDate data;         // the due date; of a series, its first occurrence's
    qint16 segno = 0;   // 0 to collect, 1 to pay
    qint64 importo = 0; // ten-thousandths
    QString descrizione1;
    QString descrizione2;
    qint16 contatto = 0;    // address-book record number, 0 none
    qint16 conto = 0;       // the book account it is expected in (2 CASSA, 3..), 0 none
    qint16 ripetizione = 0; // months between occurrences: 0 once, 1, 2, 3, 6 or 12
    qint16 volte = 0;       // a series' number of occurrences, 0 no end
    bool stima = false;     // the amount is only an estimate

    bool operator==(const Scadenza &) const = default;
};

// One record of the file, as read.
struct EventoScadenza {
    enum Tipo : qint16 { creata = 1, modificata, pagata, annullata };
    Tipo tipo = creata;
    qint32 voce = 0;         // the item: its creating record's number (that record's own)
    qint32 occorrenza = 0;   // 0-based occurrence of a series; 0 for a one-off item
    bool successive = false; // changed or cancelled from this occurrence on, not it alone
    Scadenza scadenza;       // created or changed: the fields
    Conferma movimento;      // settled: the movement, as its record was then
};

namespace scadenze {
constexpr qsizetype dimensione = 144;
constexpr qsizetype larghezzadescrizione = 50;
} // namespace scadenze

QString percorsoscadenze(const QString &percorso);

// The records of the company in the order written. A missing file holds nothing and is not
// created.
Esito leggiscadenze(const QString &percorso, qint16 ditta, QList<EventoScadenza> &eventi);

// Whether creascadenza can write the item: its reader would not skip it as damaged.
bool registrabile(const Scadenza &s);

// Appends an item; voce receives its number. These two write nothing and fail (avviso set) for a
// record the reader would skip as damaged: a date outside 2000-2099, a negative amount.
Esito creascadenza(const QString &percorso, qint16 ditta, const Scadenza &s,
                   qint32 *voce = nullptr);
// Appends a change or a cancellation (e.tipo modificata or annullata) of an item.
Esito aggiungievento(const QString &percorso, qint16 ditta, const EventoScadenza &e);

// Settles occurrence occorrenza of item voce by the movement c, deciding under the file's lock:
// when a settlement of it already stands (valida says whether its movement still does) nothing
// is written and giasaldata is set. Before the record is appended prima runs, still under the
// lock, and may book the movement (c, which it may fill in); when it fails nothing is appended.
Esito saldascadenza(const QString &percorso, qint16 ditta, qint32 voce, qint32 occorrenza,
                    Conferma c, const std::function<bool(const Conferma &)> &valida,
                    bool &giasaldata, const std::function<Esito(Conferma &)> &prima = {});
