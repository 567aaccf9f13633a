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
    if (traduzione->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduzione);
}
