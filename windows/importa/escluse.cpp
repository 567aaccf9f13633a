// The lines of the file that hold an amount but are no movements (balances, totals, rows the
// bank has not booked), shown below the grid so the user sees that nothing was lost, and what
// the window says when the bank's own figures do not confirm the reading.
#include "windows/importa/formimporta.h"

#include "ledger/importazione.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/soldi.h"

#include <QLabel>
#include <QTableWidget>

namespace {

const int larghezze[] = {1035, 6600, 1500, 1680}; // twips
const int altezza = 1800;                         // twips the window grows by

QTableWidgetItem *voce(const QString &testo, Qt::Alignment allineamento = Qt::AlignLeft)
{
    auto *c = new QTableWidgetItem(testo);
    c->setTextAlignment(allineamento | Qt::AlignVCenter);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

void Formimporta::costruisciescluse()
{
    // The buttons along the bottom go down to make room.
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->geometry().top() >= tw(5500))
            w->move(w->x(), w->y() + tw(altezza));
    setFixedSize(width(), height() + tw(altezza));
    // The notice may name the amount and the rows: as wide as the grid.
    avvisoquadra->resize(griglia->width(), avvisoquadra->height());

    escluse = new QTableWidget(0, 4, this);
    escluse->setObjectName(QStringLiteral("escluse"));
    escluse->setGeometry(area(2400, 5820, 12120, 1560));
    escluse->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Descrizione"),
                                        QStringLiteral("Importo"), QStringLiteral("Stato")});
    grigliafissa(escluse, larghezze);
}

void Formimporta::riempiescluse()
{
    escluse->setRowCount(int(estratto.escluse.size()));
    for (int i = 0; i < estratto.escluse.size(); ++i) {
        const RigaEsclusa &r = estratto.escluse[i];
        escluse->setItem(i, 0,
                         voce(r.data.isValid() ? datadmy(r.data) : QString(), Qt::AlignHCenter));
        escluse->setItem(i, 1, voce(r.descrizione));
        escluse->setItem(i, 2, voce(fixed(r.importo), Qt::AlignRight));
        escluse->setItem(i, 3, voce(r.stato));
    }
    // Where the reader checked the rows, those it could not confirm are marked.
    const qint64 manca = scarto(estratto);
    QString testo = QStringLiteral("L'estratto conto non quadra di %1").arg(fixed(manca));
    if (estratto.scarto)
        testo += QStringLiteral(": controllare le righe segnate");
    avvisoquadra->setText(testo);
}
