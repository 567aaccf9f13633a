#pragma once

#include <QLabel>

// A label of one of the sixteen ledger rows: a press with any mouse button reports the row's
// screen position, so the row commands know which row the user means.
class CellaRiga : public QLabel
{
    Q_OBJECT
  public:
    CellaRiga(int posizione, QWidget *parent = nullptr);
    int posizione() const { return k; }

  signals:
    void premuta(int posizione, Qt::MouseButton pulsante, QPoint globale);

  protected:
    void mousePressEvent(QMouseEvent *evento) override;

  private:
    int k;
};

// A panel of the status bar that acts on a left-button click.
class PannelloStato : public QLabel
{
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void cliccato();

  protected:
    void mousePressEvent(QMouseEvent *evento) override;
};
