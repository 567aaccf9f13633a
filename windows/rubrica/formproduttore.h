#pragma once

#include <QDialog>
#include <QList>
#include <array>

class QAction;
class QLineEdit;
class QListWidget;
struct Contatto;

// The address book: registers contacts, finds them by the beginning of their name, loads one
// into the form and modifies it. The contact loaded or written last is handed back to the
// caller in contattoscelto and numerocontattoscelto; with sceltacontatto set (a pick for the
// entry window) writing a contact also closes the window.
class Formproduttore : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int massimotrovati = 1000;

    explicit Formproduttore(QWidget *parent = nullptr);

    // Switches between the editing mode and the name search.
    void attivacerca();
    // Loads contact numero into the form and makes it the contact handed back.
    void carica(qint32 numero);
    // Writes the form as a new contact (modo 0) or over the loaded one (modo 1).
    void scrivi(int modo);

  protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

  private:
    void costruiscimenu();
    void costruiscicampi(QWidget *corpo);
    void costruiscicerca(QWidget *corpo);
    void registra();
    void modifica();
    void cancella();
    void cercanome();
    void modoricerca(bool attivo);
    void svuotacampi();
    Contatto contattodalform() const;
    // Hands contact numero back to the caller; false when a pick cannot take it.
    bool consegna(qint32 numero, const QString &nome);

    std::array<QLineEdit *, 11> Text1{};
    QLineEdit *Textcerca = nullptr;
    QListWidget *Listacerca = nullptr;
    QAction *azionecerca = nullptr;
    QAction *azioneregistra = nullptr;
    QAction *azionemodifica = nullptr;
    QAction *azionecancella = nullptr;
    qint32 contattocorrente = 0; // record number of the contact loaded last; 0 = none
    QList<qint32> numeritrovati = QList<qint32>(massimotrovati + 1); // line k is entry k + 1
};
