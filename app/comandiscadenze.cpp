// The payments due: their window and the status-bar notice of those past due.
#include "app/etichette.h"
#include "app/formprincipale.h"

#include "app/stato.h"
#include "ledger/scadenzario.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "windows/scadenze/formscadenze.h"

#include <QTimer>
#include <algorithm>

void Formprincipale::costruisciavvisoscadenze()
{
    // On the right of the year's panel, which keeps its own clicks elsewhere.
    avvisoscadenze = new PannelloStato(this);
    avvisoscadenze->setObjectName(QStringLiteral("avvisoscadenze"));
    avvisoscadenze->setGeometry(tw(11040), tw(30), tw(3600), tw(315));
    avvisoscadenze->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    avvisoscadenze->setCursor(Qt::PointingHandCursor);
    avvisoscadenze->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    connect(avvisoscadenze, &PannelloStato::cliccato, this,
            [this] { apriscadenze(Formscadenze::scadute); });
    // The date changes while the program runs: the notice follows it.
    auto *orologio = new QTimer(this);
    connect(orologio, &QTimer::timeout, this, [this] {
        if (giornoavviso != oggi())
            aggiornaavvisoscadenze();
    });
    orologio->start(60 * 1000);
}

// What is past due and due today for the company, counted again from the file; nothing said
// when none is.
void Formprincipale::aggiornaavvisoscadenze()
{
    giornoavviso = oggi();
    const Stato &s = stato();
    QList<EventoScadenza> eventi;
    int scadute = 0, dioggi = 0;
    if (s.dittacorrente != 0 && leggiscadenze(s.percorso, s.dittacorrente, eventi))
        for (const Occorrenza &o :
             occorrenze(eventi, giornoavviso, Movimentisaldo(s.percorso, s.dittacorrente)))
            if (o.aperta() && o.scadenza.data <= giornoavviso)
                (o.scadenza.data < giornoavviso ? scadute : dioggi) += 1;
    QStringList parti;
    if (scadute)
        parti << QStringLiteral("%1 %2").arg(scadute).arg(scadute == 1 ? "scadenza scaduta"
                                                                       : "scadenze scadute");
    if (dioggi)
        parti << QStringLiteral("%1 oggi").arg(dioggi);
    avvisoscadenze->setText(parti.join(QStringLiteral(", ")));
    avvisoscadenze->setVisible(!parti.isEmpty()); // an empty one takes no click of the bar
    disponiavvisi();
}

void Formprincipale::disponiavvisi()
{
    // The notice of payments due as wide as its text, at the right end of the year's panel, so
    // the rest of the panel still changes the year; the import's notice ends where it begins.
    const int destra = tw(11040) + tw(3600);
    avvisoscadenze->ensurePolished();
    const int larghezza =
        std::min(tw(3600),
                 avvisoscadenze->fontMetrics().horizontalAdvance(avvisoscadenze->text()) + tw(120));
    avvisoscadenze->setGeometry(destra - larghezza, tw(30), larghezza, tw(315));
    const int fine = !avvisoscadenze->isHidden() ? avvisoscadenze->x() - tw(60)
                                                 : esitoimport->parentWidget()->width() - 4;
    QRect g = esitoimport->geometry();
    g.setRight(std::max(g.left(), fine));
    esitoimport->setGeometry(g);
}

void Formprincipale::scadenze()
{
    apriscadenze(Formscadenze::aperte);
}

void Formprincipale::apriscadenze(int periodo)
{
    if (stato().dittacorrente == 0) {
        avviso(this, QStringLiteral("Selezionare una Ditta per continuare"));
        return;
    }
    {
        Formscadenze finestra(this);
        finestra.mostraperiodo(Formscadenze::Periodo(periodo));
        finestra.exec();
    }
    aggiornaavvisoscadenze();
    elabora();
}
