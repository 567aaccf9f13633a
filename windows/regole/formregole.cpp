#include "windows/regole/formregole.h"

#include "app/stato.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "store/rubrica.h"

#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QToolButton>

namespace {

const int larghezze[] = {3600, 2700, 2700, 2100}; // twips

QTableWidgetItem *cella(const QString &testo)
{
    auto *c = new QTableWidgetItem(testo);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    c->setToolTip(testo);
    return c;
}

} // namespace

Formregole::Formregole(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formregole"));
    setWindowTitle(QStringLiteral("Regole delle importazioni"));
    setFixedSize(tw(11640), tw(6000));
    sfondo(this, QColor(192, 192, 192));

    elenco = new QTableWidget(0, 4, this);
    elenco->setObjectName(QStringLiteral("elenco"));
    elenco->setGeometry(area(120, 120, 11400, 4800));
    elenco->setHorizontalHeaderLabels(
        {QStringLiteral("Controparte nell'estratto"), QStringLiteral("Descrizione"),
         QStringLiteral("Descrizione 2"), QStringLiteral("Contatto")});
    grigliafissa(elenco, larghezze);

    auto *pulsantecancella = new QPushButton(QStringLiteral("Cancella"), this);
    pulsantecancella->setObjectName(QStringLiteral("cancella"));
    pulsantecancella->setGeometry(area(120, 5100, 1500, 450));
    pulsantecancella->setToolTip(QStringLiteral("Cancella le regole selezionate"));
    pulsantecancella->setAutoDefault(false); // Enter drops nothing
    auto *chiudi =
        pulsanteimmagine(this, "annulla", area(10665, 5040, 855, 735), QStringLiteral("Chiudi"));
    connect(pulsantecancella, &QPushButton::clicked, this, &Formregole::cancella);
    connect(chiudi, &QToolButton::clicked, this, &QDialog::accept);
    riempi();
}

void Formregole::riempi()
{
    const Stato &s = stato();
    QList<Contatto> rubrica;
    leggicontatti(s.percorso, rubrica); // without the address book the numbers stay unnamed
    if (const Esito e = leggiregole(s.percorso, s.dittacorrente, regole); !e)
        avviso(this, e.messaggio());
    elenco->setRowCount(int(regole.size()));
    for (int i = 0; i < regole.size(); ++i) {
        const Regola &r = regole[i];
        const QString contatto = r.contatto > 0 && r.contatto <= rubrica.size()
                                     ? rubrica[r.contatto - 1].ragionesociale.trimmed()
                                     : QString();
        elenco->setItem(i, 0, cella(r.controparte));
        elenco->setItem(i, 1, cella(r.descrizione1));
        elenco->setItem(i, 2, cella(r.descrizione2));
        elenco->setItem(i, 3, cella(contatto));
    }
}

void Formregole::cancella()
{
    QSet<int> scelte;
    for (const QModelIndex &i : elenco->selectionModel()->selectedIndexes())
        scelte.insert(i.row());
    QStringList controparti;
    for (int r : scelte)
        controparti.append(regole.value(r).controparte);
    if (controparti.isEmpty())
        return;
    const Stato &s = stato();
    if (const Esito e = cancellaregole(s.percorso, s.dittacorrente, controparti); !e)
        avviso(this, e.messaggio());
    riempi();
}
