#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QThread;

// What a file looked like when it was measured.
struct Impronta {
    bool esiste = false;
    qint64 dimensione = -1;
    qint64 modifica = -1;
    bool operator==(const Impronta &) const = default;
};
using Impronte = QHash<QString, Impronta>;

// Keeps the size and modification time of a few files as last seen and says which of them
// differ now. The checks run on a thread of their own, every two seconds and at once when the
// file system notifies a change, so that a network folder that does not answer never holds
// the window: at most one check is out at a time, and only its result comes back.
class Sentinella : public QObject
{
    Q_OBJECT
  public:
    static constexpr int intervallo = 2000; // ms between two checks

    explicit Sentinella(QObject *parent = nullptr);
    ~Sentinella() override;

    // The files watched from now on. A file new to the list counts as last seen missing until
    // visti says otherwise; the others keep what was last seen of them.
    void sorveglia(const QStringList &file);
    // Takes these as what was last seen of the files: their reader has used them.
    void visti(const Impronte &impronte);
    // The files as they are now, on the caller's thread. Each is opened before its size and
    // time are asked, so a network client's cached answer is renewed (close-to-open); it is
    // never read and never created.
    static Impronte misura(const QStringList &file);
    // No more checks. A check still out is waited for a moment only: it may never come back.
    void ferma();

    // For tests that play a folder that does not answer: runs on the checking thread before
    // each file is opened.
    using Sonda = std::function<void(const QString &file)>;
    static void impostasonda(Sonda sonda);

  signals:
    // Watched files that differ from what was last seen, with what they are now. Comes again
    // at every check until they are taken as seen.
    void cambiamento(const Impronte &ora);
    // The check the checking thread is asked to run.
    void richiesta(const QStringList &file);

  private:
    void chiedi();
    void risposta(const Impronte &ora);

    Impronte viste;
    QStringList elenco;
    QThread *filo = nullptr;
    QTimer giro;
    bool incorso = false;    // a check is out
    bool ancora = false;     // a notification came while it was out
    quint64 generazione = 0; // grows whenever what was seen changes
    quint64 chiestaa = 0;    // the generation the check out was asked at
    bool fermata = false;
};
