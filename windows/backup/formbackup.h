#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
struct Esito;

// The backup window: a dated backup of the data folder, a copy saved into a folder of the
// user's choice, a copy loaded back, a dated backup restored, or the whole archive deleted.
// It is shown beside the main window, which stays usable.
class Formbackup : public QWidget
{
    Q_OBJECT
  public:
    explicit Formbackup(QWidget *parent = nullptr);

  public slots:
    void avvia();      // Command1: dated backup
    void salva();      // Command2: save a copy
    void carica();     // Command3: load a copy
    void ripristina(); // Command4: restore a dated backup
    void cancella();   // Command5: delete the archive

  private:
    // What a command leaves in the status line; the texts differ between commands.
    struct Testi {
        QString successo;
        QString errore;
    };
    using Azione = std::function<Esito(const QString &nome)>;

    void costruisci();
    bool apri(const QString &cartella, const Testi &testi);
    bool crea(const QString &cartella, const Testi &testi);
    bool ciclofile(const QString &sorgente, const Azione &azione, const Testi &testi);
    void fallisce(const Testi &testi, const Esito &esito);
    void terminaprogramma();

    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
};
