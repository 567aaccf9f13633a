#pragma once

#include <QWidget>

class QTextBrowser;

// The user guide: its pages, built into the program, in a window beside the others. There is
// one at a time, and it can be read and scrolled also while a modal window is open.
class Formguida : public QWidget
{
    Q_OBJECT
  public:
    explicit Formguida(QWidget *parent = nullptr);

    // Shows the page of the guide with that file name ("registro.md").
    void apri(const QString &pagina);

  protected:
    bool event(QEvent *evento) override;

  private:
    QTextBrowser *testo = nullptr;
};

// Makes F1 open the guide at the page of the window in front, in every window of the program.
void attivaguida();
// Opens the guide, or brings the open one forward, at the page of finestra; the guide.
Formguida *mostraguida(const QWidget *finestra);
// The page that tells about finestra: its own, else that of the window that opened it, else
// the index.
QString paginaguida(const QWidget *finestra);
// The pages the windows of the program name.
QStringList paginefinestre();
