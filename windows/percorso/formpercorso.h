#pragma once

#include <QWidget>

class QLineEdit;

// The data-location window: switches the data root between the local disk and a folder
// chosen in the folder dialog, and remembers it in the settings file when it closes. It is
// opened without waiting and lives beside the main window, which it may outlive.
class Formpercorso : public QWidget
{
    Q_OBJECT
  public:
    explicit Formpercorso(QWidget *parent = nullptr);

  public slots:
    void selc();
    void apriseleziona();

  protected:
    void closeEvent(QCloseEvent *evento) override;

  private:
    QLineEdit *Text1 = nullptr;
};
