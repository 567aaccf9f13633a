#include "windows/ditta/formditta.h"

#include "app/stato.h"
#include "platform/dialoghi.h"
#include "store/ditte.h"

#include "platform/aspetto.h"

#include <QEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

Formditta::Formditta(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formditta"));
    setWindowTitle(QString());
    setFixedSize(area(0, 0, 7320, 4800).size());

    Lista = new QListWidget(this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setGeometry(area(120, 120, 4320, 4560));
    Lista->setSelectionMode(QAbstractItemView::SingleSelection);
    colorasulfuoco(Lista);
    // Selection, not the current item: the list makes its first entry current when it takes
    // the focus, and that must not choose a company.
    connect(Lista, &QListWidget::itemSelectionChanged, this, &Formditta::selezionaditta);

    auto *cornice = new QGroupBox(QStringLiteral("Operazioni"), this);
    cornice->setObjectName(QStringLiteral("Frame1"));
    cornice->setGeometry(area(4560, 120, 2640, 2280));
    auto *piu = new QPushButton(QStringLiteral("Aggiungi"), cornice);
    piu->setObjectName(QStringLiteral("aggiungi"));
    piu->setGeometry(area(240, 480, 2160, 615));
    connect(piu, &QPushButton::clicked, this, &Formditta::aggiungi);
    auto *rinomina = new QPushButton(QStringLiteral("Rinomina"), cornice);
    rinomina->setObjectName(QStringLiteral("modifica"));
    rinomina->setGeometry(area(240, 1320, 2160, 615));
    connect(rinomina, &QPushButton::clicked, this, &Formditta::modifica);
    for (QPushButton *b : {piu, rinomina})
        b->setAutoDefault(false); // Enter in the list must not add or rename a company

    auto *chiudi = new QToolButton(this);
    chiudi->setObjectName(QStringLiteral("annulla"));
    chiudi->setGeometry(area(5985, 3465, 1215, 1215));
    chiudi->setIcon(QIcon(QStringLiteral(":/icons/annulla.svg")));
    chiudi->setIconSize(chiudi->size() - QSize(16, 16));
    chiudi->setToolTip(QStringLiteral("Chiudi"));
    chiudi->setAutoRaise(true);
    connect(chiudi, &QToolButton::clicked, this, &Formditta::annulla);

    caricadati();
}

void Formditta::caricadati()
{
    {
        const QSignalBlocker blocco(Lista); // emptying the list chooses nothing
        Lista->clear();
    }
    numeroditte = 0;
    nomiditte.clear();
    lettura = leggiditte(stato().percorso, nomiditte);
    if (!lettura) {
        nomiditte.clear();
        avviso(this, lettura.messaggio());
        return;
    }
    numeroditte = qint16(nomiditte.size());
    Lista->addItems(nomiditte);
    // A current company past the end of the list (another data root) selects nothing and
    // leaves the shared state alone.
    const int corrente = stato().dittacorrente;
    if (corrente >= 1 && corrente <= numeroditte)
        Lista->setCurrentRow(corrente - 1);
}

bool Formditta::salvadati()
{
    if (Esito e = scrividitte(stato().percorso, nomiditte); !e) {
        avviso(this, e.messaggio());
        return false;
    }
    caricadati();
    return true;
}

void Formditta::selezionaditta()
{
    const QList<QListWidgetItem *> scelte = Lista->selectedItems();
    if (scelte.isEmpty())
        return;
    stato().dittacorrente = qint16(Lista->row(scelte.first()) + 1);
    stato().nomeditta = scelte.first()->text();
}

bool Formditta::nomeaccettato(const QString &nome)
{
    if (nomedittavalido(nome))
        return true;
    avviso(this, QStringLiteral("Il nome della ditta non può contenere le virgolette (\"): "
                                "l'elenco delle ditte non saprebbe conservarle."));
    return false;
}

bool Formditta::listaletta()
{
    if (lettura)
        return true;
    avviso(this, lettura.messaggio());
    return false;
}

void Formditta::aggiungi()
{
    if (!listaletta())
        return;
    if (numeroditte >= ditte::capacita) {
        avviso(this, QStringLiteral("Limite Raggiunto"));
        return;
    }
    const QString nome = chiedi(this, QStringLiteral("Aggiunta nuova Ditta"),
                                QStringLiteral("Scrivere la nuova ditta"))
                             .trimmed();
    if (nome.isEmpty() || !nomeaccettato(nome))
        return;

    const QStringList prima = nomiditte;
    const qint16 dittaprima = stato().dittacorrente;
    nomiditte.append(nome);
    ++numeroditte;
    stato().dittacorrente = numeroditte; // the new company becomes the current one
    if (!salvadati()) {
        nomiditte = prima;
        numeroditte = qint16(prima.size());
        stato().dittacorrente = dittaprima;
    }
}

void Formditta::modifica()
{
    if (!listaletta())
        return;
    const QList<QListWidgetItem *> scelte = Lista->selectedItems();
    if (scelte.isEmpty()) {
        avviso(this, QStringLiteral("Selezionare Ditta da Rinominare"));
        return;
    }
    const int i = Lista->row(scelte.first());
    const QString nome = chiedi(this, QStringLiteral("Modifica Ditta ") + scelte.first()->text(),
                                QStringLiteral("Scrivere la nuova Ditta"))
                             .trimmed();
    if (nome.isEmpty() || !nomeaccettato(nome))
        return;

    const QString prima = nomiditte[i];
    nomiditte[i] = nome;
    if (!salvadati())
        nomiditte[i] = prima;
}

void Formditta::annulla()
{
    if (stato().dittacorrente != 0) {
        done(QDialog::Accepted);
        return;
    }
    avviso(this, QStringLiteral("Selezionare una Ditta per continuare"));
}

void Formditta::reject()
{
    annulla();
}
