#include "store/banche.h"

#include "platform/percorsi.h"
#include "store/codepage.h"
#include "store/filemese.h"
#include "store/salvafile.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <algorithm>

namespace {

using Coppie = QList<QPair<QString, QString>>;

// The lines in the file's order; a file past any real size is taken as damaged.
Coppie coppie(const QString &percorso)
{
    Coppie out;
    QFile file(percorsonativo(percorsobanche(percorso)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return out;
    for (const QByteArray &riga : file.readAll().split('\n')) {
        const QString testo = decodificatesto(riga);
        const qsizetype punto = testo.indexOf(QLatin1Char(';'));
        const QString conto = testo.left(punto).trimmed(), nome = testo.mid(punto + 1).trimmed();
        if (punto > 0 && !conto.isEmpty() && !nome.isEmpty())
            out.append({conto, nome});
    }
    return out;
}

} // namespace

QString percorsobanche(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\banche.txt");
}

QHash<QString, QString> leggibanche(const QString &percorso)
{
    QHash<QString, QString> banche;
    for (const auto &[conto, nome] : coppie(percorso))
        banche.insert(conto, nome);
    return banche;
}

Esito ricordabanca(const QString &percorso, const QString &conto, const QString &nomeconto)
{
    Coppie righe = coppie(percorso);
    const auto stesso =
        std::find_if(righe.begin(), righe.end(), [&](const auto &c) { return c.first == conto; });
    if (stesso != righe.end())
        stesso->second = nomeconto;
    else
        righe.append({conto, nomeconto});
    QByteArray dati;
    for (const auto &[c, nome] : righe)
        dati += codificatesto(c + QLatin1Char(';') + nome) + "\r\n";
    return salvafile(percorsonativo(percorsobanche(percorso)), dati);
}
