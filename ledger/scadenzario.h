#pragma once

#include "store/esito.h"
#include "store/scadenze.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The occurrences of the payments due, what became of each, and the balance they leave ahead.

// A series' occurrence n (0-based) from its first date: a date past a month's end falls on
// that month's last day, always counted from the first date (31 January, 29 February, 31 March).
QDate dataoccorrenza(const QDate &prima, qint16 mesi, qint32 n);

// One occurrence, with the fields its item's latest change gives it.
struct Occorrenza {
    qint32 voce = 0;
    qint32 indice = 0;  // 0-based occurrence of its item
    bool serie = false; // its item repeats
    Scadenza scadenza;  // data is this occurrence's own
    bool annullata = false;
    std::optional<Conferma> movimento; // the movement that settled it, as it is now

    bool aperta() const { return !annullata && !movimento; }
};

// Whether a movement that settled an item still stands, and as what it stands now: nothing
// when it was deleted.
using Movimentoattuale = std::function<std::optional<Conferma>(const Conferma &)>;

// The occurrences of the items, by date (then by item and occurrence): every occurrence of a
// series with an end, those of a series without one up to fino. A settlement counts while its
// movement stands (the latest that does); a settled occurrence stays settled even when
// cancelled afterwards, since the money moved. An item cancelled from an occurrence on ends
// there, the occurrence itself shown cancelled.
QList<Occorrenza> occorrenze(const QList<EventoScadenza> &eventi, const QDate &fino,
                             const Movimentoattuale &attuale);

// What "Stato" says of an occurrence on day oggi.
QString statoscadenza(const Occorrenza &o, const QDate &oggi);

// The movements that settled items, looked up in the month files of company ditta: a record
// past the file's end, deleted, or of another company no longer stands. Each month file is read
// once. A file that cannot be read leaves its settlements standing as recorded.
class Movimentisaldo
{
  public:
    Movimentisaldo(const QString &percorso, qint16 ditta) : percorso(percorso), ditta(ditta) {}
    std::optional<Conferma> operator()(const Conferma &c);

  private:
    QString percorso;
    qint16 ditta;
    QHash<int, std::optional<QByteArray>> mesi; // year * 100 + month: the file's records
};

// What the open occurrences listed amount to.
struct Totali {
    qint64 incassare = 0;
    qint64 pagare = 0;
};
Totali totali(const QList<Occorrenza> &elenco);

// The balance projected from the book's balance saldo on day oggi over giorni days, by the open
// occurrences of account conto (0: all accounts, those of none included; past due ones count on
// oggi, still to be paid): its value at the end of each day, and its lowest point (the first
// day it is reached).
struct Previsione {
    QList<std::pair<QDate, qint64>> giorni;
    qint64 minimo = 0;
    QDate giornominimo;
};
Previsione previsione(const QList<Occorrenza> &elenco, qint16 conto, qint64 saldo,
                      const QDate &oggi, int giorni = 90);

// The occurrences listed as a spreadsheet file: Scadenza;Descrizione;Descrizione 2;
// Da incassare;Da pagare;Conto;Stato, one line each in the order given, then the "Totali" of
// the open ones; dates DD/MM/YYYY, amounts with a comma. conti: the account captions by account
// index (0 none, 2 CASSA, ...).
QByteArray csvscadenze(const QList<Occorrenza> &elenco, const QDate &oggi,
                       const QStringList &conti);
