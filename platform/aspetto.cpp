#include "platform/aspetto.h"

#include "platform/soldi.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVariant>
#include <QWidget>

namespace {

class ColoreFuoco : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut) {
            const bool dentro = evento->type() == QEvent::FocusIn;
            colora(static_cast<QWidget *>(oggetto), QPalette::Base,
                   dentro ? giallochiaro : QColor(Qt::white));
        }
        return false;
    }
};

} // namespace

void colora(QWidget *w, QPalette::ColorRole ruolo, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(ruolo, colore);
    w->setPalette(p);
}

void colorasulfuoco(QWidget *w)
{
    colora(w, QPalette::Base, Qt::white);
    w->installEventFilter(new ColoreFuoco(w));
}

QFont carattere(const QString &famiglia, qreal punti, bool grassetto)
{
    QFont f(famiglia);
    f.setStyleHint(famiglia.startsWith(QLatin1String("Times")) ? QFont::Serif : QFont::SansSerif);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

void sfondo(QWidget *w, const QColor &colore)
{
    w->setAutoFillBackground(true);
    colora(w, QPalette::Window, colore);
}

QToolButton *pulsanteimmagine(QWidget *padre, const char *nome, const QRect &r,
                              const QString &suggerimento)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(nome))));
    b->setIconSize(r.size() - QSize(16, 16));
    b->setToolTip(suggerimento);
    return b;
}

QLabel *etichettaimporto(QWidget *padre, const char *nome, const QString &titolo, int x, int y,
                         int larghezza)
{
    auto *t = new QLabel(titolo, padre);
    t->setGeometry(area(x, y, larghezza, 255));
    t->setFont(adattato(t->font(), titolo, t->width())); // a long title whole, in smaller type
    auto *l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setGeometry(area(x, y + 255, larghezza, 330));
    l->setFont(carattere(QStringLiteral("Arial"), 9.75, true));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QFont adattato(const QFont &base, const QString &testo, int larghezza)
{
    constexpr int respiro = 4; // pixels between a figure and its neighbour's
    QFont f = base;
    while (QFontMetrics(f).horizontalAdvance(testo) > larghezza - respiro && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

void adatta(QLabel *l)
{
    QVariant base = l->property("fontbase");
    if (!base.isValid())
        l->setProperty("fontbase", base = l->font());
    const QFont f = adattato(base.value<QFont>(), l->text(),
                             l->contentsRect().width() - 2 * qMax(l->indent(), 0));
    if (f != l->font())
        l->setFont(f);
}

void mostrasaldo(QLabel *l, qint64 saldo)
{
    l->setText(fixed(saldo));
    colora(l, QPalette::WindowText, coloresaldo(saldo));
    adatta(l);
}

void adatta(QTableWidgetItem *cella)
{
    const QTableWidget *griglia = cella->tableWidget();
    // The margin the grid leaves on each side of a cell's text.
    const int margine = griglia->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    cella->setFont(adattato(griglia->font(), cella->text(),
                            griglia->columnWidth(cella->column()) - 2 * margine));
}

QTableWidgetItem *cellafissa(const QString &testo, Qt::Alignment allineamento)
{
    auto *c = new QTableWidgetItem(testo);
    if (allineamento != Qt::AlignLeft)
        c->setTextAlignment(allineamento | Qt::AlignVCenter);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

void grigliafissa(QTableWidget *g, std::span<const int> larghezze)
{
    for (int c = 0; c < int(larghezze.size()); ++c)
        g->horizontalHeader()->resizeSection(c, tw(larghezze[c]));
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setWordWrap(false);
}
