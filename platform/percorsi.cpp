#include "platform/percorsi.h"

#include <QDir>

QString percorsonativo(const QString &percorso)
{
    QString p = percorso;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
#ifndef Q_OS_WIN
    if (p.startsWith(QLatin1String("c:"), Qt::CaseInsensitive))
        p = QDir::homePath() + QLatin1Char('/') + p.mid(2);
#endif
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
