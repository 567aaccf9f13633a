#include "platform/caratteri.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

void caricacaratteri()
{
    static bool caricati = false;
    if (caricati)
        return;
    caricati = true;
    Q_INIT_RESOURCE(caratteri); // in a static library the linker would otherwise drop them
    const QDir cartella(QStringLiteral(":/caratteri"));
    for (const QString &nome : cartella.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(cartella.filePath(nome));
    // Where the system has no such family (a font set-up without aliases, Wine), the twin
    // stands in; where it has one, the system's own is left alone.
    const std::pair<const char *, const char *> gemelli[] = {
        {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}};
    for (auto [nome, gemello] : gemelli)
        if (!QFontDatabase::hasFamily(QLatin1String(nome)) &&
            QFontDatabase::hasFamily(QLatin1String(gemello)))
            QFont::insertSubstitution(QLatin1String(nome), QLatin1String(gemello));
}
