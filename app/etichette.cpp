#include "app/etichette.h"

#include <QMouseEvent>

// A description is shown as typed, even when it looks like markup.
CellaRiga::CellaRiga(int posizione, QWidget *parent) : QLabel(parent), k(posizione)
{
    setTextFormat(Qt::PlainText);
}

void CellaRiga::mousePressEvent(QMouseEvent *evento)
{
    emit premuta(k, evento->button(), evento->globalPosition().toPoint());
    evento->accept();
}

void PannelloStato::mousePressEvent(QMouseEvent *evento)
{
    if (evento->button() == Qt::LeftButton) {
        emit cliccato();
        evento->accept();
        return;
    }
    QLabel::mousePressEvent(evento);
}
