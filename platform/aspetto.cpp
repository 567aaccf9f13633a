#include "platform/aspetto.h"

#include <QEvent>
#include <QPalette>
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
