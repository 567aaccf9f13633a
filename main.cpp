#include "app/formprincipale.h"
#include "platform/caratteri.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(guida); // the guide's pages, in a library the linker would otherwise drop
    QApplication::setApplicationName(QStringLiteral("Quaderola"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quaderola.svg")));
    caricacaratteri();
    Formprincipale finestra;
    finestra.show();

    // For the start-up benchmark only: end as soon as the window is shown, after loading the
    // whole year when asked to, so that time and peak memory can be read from outside.
    const QByteArray misura = qgetenv("QUADEROLA_MISURA_AVVIO");
    if (!misura.isEmpty())
        QTimer::singleShot(0, &finestra, [&finestra, misura] {
            if (misura == "anno")
                finestra.aprimese(0);
            QCoreApplication::quit();
        });
    const int codice = app.exec();
    // The windows closed as the program ended are only waiting to be deleted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return codice;
}
