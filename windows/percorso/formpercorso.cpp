#include "windows/percorso/formpercorso.h"

#include "app/etichette.h"
#include "app/stato.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "store/impostazioni.h"
#include "windows/percorso/radicedati.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Formpercorso::Formpercorso(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Formpercorso"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose);
    stato().terminato = false; // a window that opens belongs to a running program
    setFixedSize(area(0, 0, 6015, 1875).size());

    auto *etichetta = new QLabel(QStringLiteral("Percorso Attuale"), this);
    etichetta->setObjectName(QStringLiteral("Label1"));
    etichetta->setGeometry(area(120, 165, 1860, 345));
    QFont grassetto = etichetta->font();
    grassetto.setBold(true);
    etichetta->setFont(grassetto);

    // Only shows the root: a path typed here would never be used, so it takes no typing.
    Text1 = new QLineEdit(stato().percorso, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(area(2040, 120, 3855, 435));
    Text1->setReadOnly(true);

    auto *locale = new QPushButton(QStringLiteral("Disco Locale C"), this);
    locale->setObjectName(QStringLiteral("selc"));
    locale->setGeometry(area(120, 720, 2535, 555));
    connect(locale, &QPushButton::clicked, this, &Formpercorso::selc);

    auto *rete = new QPushButton(QStringLiteral("Seleziona"), this);
    rete->setObjectName(QStringLiteral("apriseleziona"));
    rete->setGeometry(area(3360, 720, 2535, 555));
    connect(rete, &QPushButton::clicked, this, &Formpercorso::apriseleziona);

    auto *cornice = new QFrame(this);
    cornice->setObjectName(QStringLiteral("Shape1"));
    cornice->setGeometry(area(5520, 1395, 375, 375));
    cornice->setFrameShape(QFrame::Box);

    auto *chiudi = new PannelloStato(QStringLiteral("X"), this);
    chiudi->setObjectName(QStringLiteral("Label2"));
    chiudi->setGeometry(cornice->geometry().adjusted(2, 2, -2, -2));
    chiudi->setAlignment(Qt::AlignCenter);
    chiudi->setFont(grassetto);
    chiudi->setCursor(Qt::PointingHandCursor);
    connect(chiudi, &PannelloStato::cliccato, this, &QWidget::close);
}

void Formpercorso::selc()
{
    stato().percorso = QStringLiteral("c:");
    Text1->setText(stato().percorso);
}

void Formpercorso::apriseleziona()
{
    const QString radice =
        radicedati(sceglicartella(this, QStringLiteral("Seleziona il percorso di Rete:")));
    if (radice.isEmpty())
        return;
    stato().percorso = radice;
    Text1->setText(radice);
}

void Formpercorso::closeEvent(QCloseEvent *evento)
{
    // Written on every close, changed or not; the running program keeps the root either way.
    // Not when a backup command ended the program: the data folder now is what it left.
    if (stato().terminato) {
        evento->accept();
        return;
    }
    if (Esito e = scrivipercorso(stato().percorso); !e)
        avviso(this,
               e.messaggio() + QStringLiteral("\n\nIl percorso scelto vale fino alla chiusura del "
                                              "programma e non sarà ricordato al prossimo avvio."));
    evento->accept();
}
