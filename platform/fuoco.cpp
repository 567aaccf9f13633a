#include "platform/fuoco.h"

#include <QEvent>
#include <QWidget>

namespace {

void sfondo(QWidget *w, const QColor &colore)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colore);
    w->setPalette(p);
}

class Fuoco : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::FocusIn)
            sfondo(static_cast<QWidget *>(oggetto), QColor(255, 255, 192));
        else if (evento->type() == QEvent::FocusOut)
            sfondo(static_cast<QWidget *>(oggetto), Qt::white);
        return false;
    }
};

} // namespace

void coloraalfuoco(QWidget *casella)
{
    sfondo(casella, Qt::white);
    casella->installEventFilter(new Fuoco(casella));
}
