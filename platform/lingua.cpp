#include "platform/lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void linguaitaliana()
{
    QCoreApplication *app = QCoreApplication::instance();
    const QString nome = QStringLiteral("traduzioneqt");
    if (!app || app->findChild<QTranslator *>(nome))
        return;
    // qtbase holds the texts of every module the program uses (Widgets and PrintSupport too).
    auto *traduzione = new QTranslator(app);
    traduzione->setObjectName(nome);
    // Qt's own folder on Linux; beside the program where an installer put Qt's files with it.
    const QStringList cartelle{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/translations")};
    for (const QString &cartella : cartelle)
        if (traduzione->load(QStringLiteral("qtbase_it"), cartella)) {
            QCoreApplication::installTranslator(traduzione);
            return;
        }
}
