#include "support/aiuti.h"

#include "platform/percorsi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QQueue>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

constexpr qint64 attesamassima = 10000; // ms a modal window may wait for an answer

QQueue<std::function<void(QWidget *)>> coda;
QTimer *sorvegliante = nullptr;
QPointer<QWidget> ultimo;        // the window answered last, until it is gone
QPointer<QWidget> senzarisposta; // a modal window no answer was queued for
QElapsedTimer attesa;            // since senzarisposta showed

// With QUADEROLA_RISPOSTA_TARDI set, an answer waits until its window is active and has put
// the focus in one of its boxes: the worst moment, which every answer must survive.
bool prontaperrisposta(QWidget *w)
{
    static const bool tardi = qEnvironmentVariableIsSet("QUADEROLA_RISPOSTA_TARDI");
    if (!tardi)
        return true;
    if (!w->isActiveWindow())
        return false;
    return !w->inherits("QFileDialog") || (w->focusWidget() && w->focusWidget()->hasFocus());
}

// Closes a modal window the test left open, so it fails in seconds instead of hanging.
void chiudi(QWidget *w, const char *perche)
{
    ADD_FAILURE() << perche << ": " << w->metaObject()->className() << " \""
                  << w->windowTitle().toStdString() << "\"";
    if (auto *d = qobject_cast<QDialog *>(w))
        d->reject();
    else
        w->close();
}

// Polls for a new modal window and hands it to the first queued answer. A window still open
// after its answer, or one that waits for an answer no test queued, fails the test.
void controlla()
{
    QWidget *w = QApplication::activeModalWidget();
    if (ultimo && !ultimo->isVisible())
        ultimo = nullptr;
    if (!w || w == ultimo || !w->isVisible())
        return;
    if (coda.isEmpty()) {
        if (senzarisposta != w)
            senzarisposta = w, attesa.start();
        else if (attesa.elapsed() > attesamassima)
            chiudi(w, "finestra modale senza risposta");
        return;
    }
    if (!prontaperrisposta(w))
        return;
    ultimo = w;
    QPointer<QWidget> risposta = w;
    coda.dequeue()(w);
    if (risposta && risposta->isVisible() && QApplication::activeModalWidget() == risposta)
        chiudi(risposta, "la finestra ha rifiutato la risposta");
}

// Presses tasto on a message box, keeping its text; any other window is closed.
void premi(QWidget *w, QMessageBox::StandardButton tasto, QString *testo)
{
    auto *box = qobject_cast<QMessageBox *>(w);
    if (!box)
        return (void)w->close();
    if (testo)
        *testo = box->text();
    if (QAbstractButton *b = box->button(tasto))
        b->click();
    else
        box->done(tasto);
}

} // namespace

QString nuovacasa()
{
    static std::deque<QTemporaryDir> cartelle; // removed at program end
    const QString percorso = cartelle.emplace_back().path();
    qputenv("HOME", QFile::encodeName(percorso));
    qputenv(variabilecasaprova, QFile::encodeName(percorso));
    return percorso;
}

QString cartellalocale()
{
    const QString c = discolocale() + QStringLiteral("/quaderoladati");
    QDir().mkpath(c);
    return c;
}

QByteArray leggibyte(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void scrivibyte(const QString &file, const QByteArray &dati)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(dati);
}

void scrivivecchio(const QString &file, const QByteArray &dati)
{
    scrivibyte(file, dati);
    QFile f(file);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                      QFileDevice::FileModificationTime);
}

void sorvegliamodali()
{
    if (!sorvegliante) {
        sorvegliante = new QTimer(qApp);
        sorvegliante->setInterval(5);
        QObject::connect(sorvegliante, &QTimer::timeout, controlla);
        sorvegliante->start(); // always: it also catches a window no answer was queued for
    }
}

void quandomodale(std::function<void(QWidget *)> azione)
{
    sorvegliamodali();
    coda.enqueue(std::move(azione));
}

void accettamessaggio(QString *testo)
{
    quandomodale([testo](QWidget *w) { premi(w, QMessageBox::Ok, testo); });
}

void annullamessaggio(QString *testo)
{
    quandomodale([testo](QWidget *w) { premi(w, QMessageBox::Cancel, testo); });
}

void rispondiinput(const QString &risposta, QString *titolo)
{
    quandomodale([risposta, titolo](QWidget *w) {
        auto *box = qobject_cast<QInputDialog *>(w);
        if (!box)
            return (void)w->close();
        if (titolo)
            *titolo = box->windowTitle();
        box->setTextValue(risposta);
        risposta.isEmpty() ? box->reject() : box->accept();
    });
}

qsizetype scartarisposte()
{
    const qsizetype n = coda.size();
    coda.clear();
    return n;
}

// chattr +i stops even root; an ordinary user is stopped by the folder's permissions. Windows
// (and Wine) have neither for a folder.
bool bloccacartella(const QString &cartella)
{
#ifdef Q_OS_WIN
    Q_UNUSED(cartella);
    return false;
#else
    if (::geteuid() == 0)
        return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), cartella}) == 0;
    return QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner);
#endif
}

void sbloccacartella(const QString &cartella)
{
#ifdef Q_OS_WIN
    Q_UNUSED(cartella);
#else
    if (::geteuid() == 0)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), cartella});
    else
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
}
