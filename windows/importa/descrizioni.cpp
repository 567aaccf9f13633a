// The rows' descriptions: the bank's texts cleaned, the rules the user taught, and what the user
// writes in the grid, kept for the counterparty once the row is imported.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "platform/aspetto.h"
#include "windows/regole/formregole.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

constexpr int colonna1 = 2, colonna2 = 3;

// A description no longer than the record holds.
class Editoredescrizione : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *padre, const QStyleOptionViewItem &,
                          const QModelIndex &) const override
    {
        auto *e = new QLineEdit(padre);
        e->setMaxLength(int(movimento::larghezzadescrizione));
        e->setFrame(false);
        return e;
    }
};

// The bank's whole text, each of the file's texts on a line.
QString testobanca(const RigaEstratto &r)
{
    QStringList parti;
    for (const QString &t : {r.descrizione1, r.descrizione2, r.tipo})
        if (!t.trimmed().isEmpty() && !parti.contains(t.trimmed()))
            parti.append(t.trimmed());
    return parti.join(u'\n');
}

} // namespace

void Formimporta::costruiscidescrizioni()
{
    QList<Regola> lette;
    leggiregole(stato().percorso, stato().dittacorrente, lette); // unreadable: no rule
    regoleditta = Regole(lette);
    griglia->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    auto *delegato = new Editoredescrizione(griglia);
    griglia->setItemDelegateForColumn(colonna1, delegato);
    griglia->setItemDelegateForColumn(colonna2, delegato);
    connect(griglia, &QTableWidget::itemChanged, this, &Formimporta::descrizionecambiata);
    connect(griglia->horizontalHeader(), &QHeaderView::sectionResized, this,
            &Formimporta::larghezzacambiata);

    ricorda = new QCheckBox(QStringLiteral("Ricordare le descrizioni per le prossime importazioni"),
                            this);
    ricorda->setObjectName(QStringLiteral("ricorda"));
    ricorda->setGeometry(area(1100, 5700, 6000, 300));
    ricorda->setChecked(true);
    auto *regole = new QPushButton(QStringLiteral("Regole..."), this);
    regole->setObjectName(QStringLiteral("regole"));
    regole->setGeometry(area(11400, 5760, 1500, 420));
    regole->setToolTip(QStringLiteral("Le descrizioni ricordate per le controparti"));
    regole->setAutoDefault(false); // Enter in a description cell opens nothing
    connect(regole, &QPushButton::clicked, this, &Formimporta::mostraregole);
}

void Formimporta::descrivirighe(bool nuove)
{
    if (nuove) {
        movimenti.clear();
        provenienze.clear();
        proposti.clear();
        scritte.fill({false, false}, estratto.righe.size());
    }
    for (qsizetype i = 0; i < estratto.righe.size(); ++i) {
        Provenienza p;
        const Movimento m =
            movimentoestratto(estratto.righe[i], 0, stato().dittacorrente, nomi, regoleditta, &p);
        if (nuove) {
            movimenti.append(m), provenienze.append(p), proposti.append(m);
            continue;
        }
        provenienze[i] = p, proposti[i] = m;
        if (!scritte[i].first)
            movimenti[i].descrizione1 = m.descrizione1, movimenti[i].contatto = m.contatto;
        if (!scritte[i].second)
            movimenti[i].descrizione2 = m.descrizione2;
    }
}

void Formimporta::mostraprovenienza(int i)
{
    QString testo = testobanca(estratto.righe.value(i));
    if (provenienze.value(i).regola)
        testo = QStringLiteral("regola: ") + testo;
    for (int c = 0; c < griglia->columnCount(); ++c)
        if (QTableWidgetItem *cella = griglia->item(i, c))
            cella->setToolTip(testo);
    for (int c : {colonna1, colonna2})
        griglia->item(i, c)->setFlags(griglia->item(i, c)->flags() | Qt::ItemIsEditable);
}

void Formimporta::descrizionecambiata(QTableWidgetItem *cella)
{
    const int i = cella->row(), c = cella->column();
    if ((c != colonna1 && c != colonna2) || i >= movimenti.size())
        return;
    const bool prima = c == colonna1;
    const QString proposto = prima ? proposti[i].descrizione1 : proposti[i].descrizione2;
    QString testo = cella->text().simplified();
    // Emptied, the cell takes the bank's description back: a movement has both.
    (prima ? scritte[i].first : scritte[i].second) = !testo.isEmpty() && testo != proposto;
    if (testo.isEmpty())
        testo = proposto;
    Movimento &m = movimenti[i];
    if (prima) {
        m.contatto = testo == proposto ? proposti[i].contatto : nomi.numero(testo);
        if (m.contatto != 0)
            testo = nomi.nome(m.contatto);
        m.descrizione1 = testo;
    } else {
        m.descrizione2 = testo;
    }
    // Emptied on a row that settles a payment due, the cell takes the item's back.
    const Movimento daimporto = daimportare(i);
    testo = prima ? daimporto.descrizione1 : daimporto.descrizione2;
    if (cella->text() != testo) {
        const QSignalBlocker fermo(griglia);
        cella->setText(testo);
    }
}

Esito Formimporta::ricordadescrizioni(const QList<Abbinamento> &registrati)
{
    if (!ricorda->isChecked())
        return {};
    QList<Regola> nuove;
    for (qsizetype i = 0; i < movimenti.size(); ++i) {
        if ((!scritte[i].first && !scritte[i].second) || registrati.value(i).numero == 0)
            continue;
        // What the user wrote now over what the counterparty's rule said so far.
        const Regola *vecchia = regoleditta.regola(provenienze[i].controparte);
        Regola r = vecchia ? *vecchia : Regola();
        r.controparte = provenienze[i].controparte;
        if (scritte[i].first)
            r.descrizione1 = movimenti[i].descrizione1, r.contatto = movimenti[i].contatto;
        if (scritte[i].second)
            r.descrizione2 = movimenti[i].descrizione2;
        nuove.append(r);
    }
    if (nuove.isEmpty())
        return {};
    return ricordaregole(stato().percorso, stato().dittacorrente, nuove);
}

void Formimporta::mostraregole()
{
    Formregole f(this);
    f.exec();
    QList<Regola> lette;
    leggiregole(stato().percorso, stato().dittacorrente, lette);
    regoleditta = Regole(lette);
    // A rule dropped or kept elsewhere shows at once on the rows the user has not written.
    descrivirighe(false);
    const QSignalBlocker fermo(griglia);
    for (int i = 0; i < movimenti.size(); ++i) {
        const Movimento m = daimportare(i); // a payment due's descriptions stay
        griglia->item(i, colonna1)->setText(m.descrizione1);
        griglia->item(i, colonna2)->setText(m.descrizione2);
        mostraprovenienza(i);
    }
}

void Formimporta::larghezzacambiata(int colonna, int, int)
{
    if (colonna != colonna1 && colonna != colonna2)
        return;
    // The other description gives up what would push the amounts out of sight; when it cannot,
    // its own resize gives the rest back from this one.
    QHeaderView *h = griglia->horizontalHeader();
    const int eccesso = h->length() - griglia->viewport()->width();
    if (eccesso <= 0)
        return;
    const int altra = colonna == colonna1 ? colonna2 : colonna1, minima = tw(600);
    h->resizeSection(altra, qMax(minima, h->sectionSize(altra) - eccesso));
    if (h->length() - griglia->viewport()->width() > 0)
        h->resizeSection(colonna, qMax(minima, h->sectionSize(colonna) -
                                                   (h->length() - griglia->viewport()->width())));
}
