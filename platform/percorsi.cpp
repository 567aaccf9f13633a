#include "platform/percorsi.h"

#include <QDir>

namespace {

#ifdef Q_OS_WIN
QString casaprova()
{
    return qEnvironmentVariable(variabilecasaprova);
}
// The program writes the local disk as "c:"; "C:\..." as Qt's dialogs give it is a path as it
// stands (the same place unless the tests moved "c:").
constexpr Qt::CaseSensitivity maiuscole = Qt::CaseSensitive;
#else
constexpr Qt::CaseSensitivity maiuscole = Qt::CaseInsensitive;
#endif

} // namespace

QString discolocale()
{
#ifdef Q_OS_WIN
    const QString prova = casaprova();
    return prova.isEmpty() ? QStringLiteral("C:/") : prova;
#else
    return QDir::homePath();
#endif
}

QString cartellautente()
{
#ifdef Q_OS_WIN
    const QString prova = casaprova();
    if (!prova.isEmpty())
        return prova;
#endif
    return QDir::homePath();
}

QString percorsonativo(const QString &percorso)
{
    QString p = percorso;
    if (p.startsWith(QLatin1String("c:"), maiuscole))
        p = discolocale() + QLatin1Char('/') + p.mid(2);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString piegato;
    piegato.reserve(p.size());
    for (qsizetype i = 0; i < p.size(); ++i) {
        const bool doppio = i > 0 && p[i] == QLatin1Char('/') && piegato.endsWith(QLatin1Char('/'));
        bool tieni = !doppio;
#ifdef Q_OS_WIN
        tieni = tieni || i == 1; // keep the "//" of a network share
#endif
        if (tieni)
            piegato.append(p[i]);
    }
    return QDir::toNativeSeparators(piegato);
}
