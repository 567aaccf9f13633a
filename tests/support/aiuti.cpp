#include "support/aiuti.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QQueue>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTemporaryDir>> &cartelle()
{
    static std::vector<std::unique_ptr<QTemporaryDir>> c;
    return c;
}

QQueue<std::function<void(QWidget *)>> &coda()
{
    static QQueue<std::function<void(QWidget *)>> c;
    return c;
}

QTimer *sorvegliante = nullptr;
QPointer<QWidget> ultimo; // the window answered last, until it is gone

// Polls for a new modal window and hands it to the first queued answer.
void controlla()
{
    QWidget *w = QApplication::activeModalWidget();
    if (ultimo && !ultimo->isVisible())
        ultimo = nullptr;
    if (!w || w == ultimo || !w->isVisible() || coda().isEmpty())
        return;
    ultimo = w;
    auto azione = coda().dequeue();
    azione(w);
    if (coda().isEmpty())
        sorvegliante->stop();
}

} // namespace

QString nuovacasa()
{
    auto dir = std::make_unique<QTemporaryDir>();
    const QString percorso = dir->path();
    cartelle().push_back(std::move(dir));
    qputenv("HOME", QFile::encodeName(percorso));
    return percorso;
}

QString cartellalocale()
{
    const QString c = QDir::homePath() + QStringLiteral("/quaderoladati");
    QDir().mkpath(c);
    return c;
}

QByteArray leggibyte(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void scrivibyte(const QString &file, const QByteArray &dati)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(dati);
}

void quandomodale(std::function<void(QWidget *)> azione)
{
    if (!sorvegliante) {
        sorvegliante = new QTimer(qApp);
        sorvegliante->setInterval(5);
        QObject::connect(sorvegliante, &QTimer::timeout, controlla);
    }
    coda().enqueue(std::move(azione));
    sorvegliante->start();
}

namespace {
void premi(QWidget *w, QMessageBox::StandardButton tasto, QString *testo)
{
    auto *box = qobject_cast<QMessageBox *>(w);
    if (!box) {
        w->close();
        return;
    }
    if (testo)
        *testo = box->text();
    if (QAbstractButton *b = box->button(tasto))
        b->click();
    else
        box->done(tasto);
}
} // namespace

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
        if (!box) {
            w->close();
            return;
        }
        if (titolo)
            *titolo = box->windowTitle();
        if (risposta.isEmpty()) {
            box->reject();
            return;
        }
        box->setTextValue(risposta);
        box->accept();
    });
}

bool nessunarispostainattesa()
{
    return coda().isEmpty();
}

void scartarisposte()
{
    coda().clear();
}

#include <QProcess>
#include <unistd.h>

bool bloccacartella(const QString &cartella)
{
    if (::geteuid() == 0)
        return QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), cartella}) == 0;
    return QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner);
}

void sbloccacartella(const QString &cartella)
{
    if (::geteuid() == 0)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), cartella});
    else
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
