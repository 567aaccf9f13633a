// The ledger view and the commands that change what it shows.
#include "app/formprincipale.h"

#include <QWheelEvent>

void Formprincipale::elabora() {}

void Formprincipale::aggiornavideo() {}

void Formprincipale::premutariga(int posizione, Qt::MouseButton, QPoint)
{
    rigaselezionata = posizione;
}

void Formprincipale::wheelEvent(QWheelEvent *evento)
{
    QWidget::wheelEvent(evento);
}

void Formprincipale::keyPressEvent(QKeyEvent *evento)
{
    QWidget::keyPressEvent(evento);
}

void Formprincipale::aprimese(int) {}

void Formprincipale::sceglieconto(int) {}

void Formprincipale::cambiaditta() {}

void Formprincipale::cambiaanno() {}

void Formprincipale::cancellamovimento() {}
