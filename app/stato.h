#pragma once

#include "ledger/elabora.h"

#include <QString>
#include <optional>

// The movement handed to the entry window: record number 0 means a new movement.
struct MovimentoCorrente {
    qint32 numero = 0;
    qint16 giorno = 0;
    qint16 mese = 0;
    qint64 importo = 0;
    QString descrizione1;
    QString descrizione2;
    qint16 segno = 0;
    qint16 conto = 0;
    qint16 contatto = 0;
};

// The state every window shares: one set for the whole program. A window reads what it needs
// and sets what it produces before it closes; the caller reads it afterwards.
struct Stato {
    QString percorso = QStringLiteral("c:"); // data root
    QString annogestione;                    // two-digit management year
    qint16 dittacorrente = 0;                // 0 = no company chosen
    QString nomeditta;
    qint16 contocorrente = 2; // account button index: 1 TUTTI, 2 CASSA, 3.. the account list
    qint16 mesecorrente = 0;  // 0 whole year, 1..12 a month
    QString ricerca[2];       // search texts for descrizione1 and descrizione2
    qint32 contattoricercato = 0;
    MovimentoCorrente movimentocorrente;
    QString contattoscelto;
    qint32 numerocontattoscelto = 0;
    qint16 sceltacontatto = 0; // -1 when the address book is opened to pick a contact
    TabellaMese tabellamese;
    // What tabellamese was last loaded with, none before the first load. The state may have
    // moved on since (a search cancelled, another data root chosen) while the screen still
    // shows that load: a report of the screen goes by this.
    std::optional<FiltroMese> filtrotabella;
    // Set once a backup command has ended the program: no window writes anything after that.
    bool terminato = false;

    // Clears the search: both texts and the contact filter.
    void azzeraricerca();
    // What the ledger of the main window is built from: data root, year, company, account,
    // period and search.
    FiltroMese filtro() const;
};

Stato &stato();

// The caption of a period in the management year.
QString nomeperiodo(int periodo);
