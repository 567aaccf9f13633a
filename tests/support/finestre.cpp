#include "support/finestre.h"

#include <QCalendarWidget>
#include <QFileDialog>
#include <QTimer>

void scegli(const QString &percorso, QString *titolo, QString *proposto)
{
    quandomodale([=](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        ASSERT_TRUE(d);
        if (titolo)
            *titolo = d->windowTitle();
        if (proposto)
            *proposto = d->selectedFiles().value(0);
        if (percorso.isEmpty())
            return d->reject();
        if (d->fileMode() == QFileDialog::Directory) {
            d->setDirectory(percorso);
        } else {
            // selectFile leaves the name box alone while it has the focus: take the focus away
            // first, so the answer holds whenever it comes.
            if (QWidget *fuoco = d->focusWidget())
                fuoco->clearFocus();
            d->selectFile(percorso);
            auto *nome = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (nome && QDir::cleanPath(d->selectedFiles().value(0)) != QDir::cleanPath(percorso))
                nome->setText(QDir::toNativeSeparators(percorso));
        }
        const QString scelto = QDir::cleanPath(d->selectedFiles().value(0));
        if (scelto != QDir::cleanPath(percorso)) {
            ADD_FAILURE() << "il dialogo ha " << scelto.toStdString() << " invece di "
                          << percorso.toStdString();
            return d->reject();
        }
        static_cast<QDialog *>(d)->accept(); // QFileDialog::accept, protected there
    });
}

void compila(QWidget *f, const QString &d1, const QString &d2, const QString &importo,
             const QDate &data)
{
    if (data.isValid())
        f->findChild<QCalendarWidget *>("cale")->setSelectedDate(data);
    QTest::keyClicks(f->findChild<QLineEdit *>("Text1_0"), d1);
    QTest::keyClicks(f->findChild<QLineEdit *>("Text1_1"), d2);
    QTest::keyClicks(f->findChild<QLineEdit *>("testimporto"), importo);
}

int finoallafine(const std::function<void()> &azione)
{
    QTimer::singleShot(0, azione);
    QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

QString messaggio(const std::function<void()> &azione)
{
    QString testo;
    accettamessaggio(&testo);
    azione();
    scartarisposte(); // the command has run to its end: an answer left means no message
    return testo;
}

void clicca(const QObject *finestra, const QString &nome)
{
    QObject *o = finestra->findChild<QObject *>(nome);
    if (auto *a = qobject_cast<QAction *>(o))
        a->trigger();
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->click();
    else if (auto *w = qobject_cast<QWidget *>(o))
        QTest::mouseClick(w, Qt::LeftButton);
    else
        ADD_FAILURE() << "manca " << nome.toStdString();
}

QString testo(const QObject *finestra, const QString &nome)
{
    if (auto *l = finestra->findChild<QLabel *>(nome))
        return l->text();
    if (auto *t = finestra->findChild<QLineEdit *>(nome))
        return t->text();
    return QStringLiteral("<manca %1>").arg(nome);
}

void clicca(QListWidget *lista, int riga)
{
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(riga)).center());
}

QStringList righe(const QListWidget *lista)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r.append(lista->item(i)->text());
    return r;
}
