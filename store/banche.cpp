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

// What starts the line of a bank account's book account number.
const QString segno = QStringLiteral("=");

// The lines in the file's order; a file past any real size is taken as damaged. letto is false
// when the file is there but was not read whole (locked by another workstation, too large).
Coppie coppie(const QString &percorso, bool *letto = nullptr)
{
    Coppie out;
    QFile file(percorsonativo(percorsobanche(percorso)));
    const bool aperto = file.open(QIODevice::ReadOnly);
    if (letto)
        *letto = aperto ? file.size() <= 1024 * 1024 : !file.exists();
    if (!aperto || file.size() > 1024 * 1024)
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

QHash<QString, Banca> leggibanche(const QString &percorso)
{
    const Coppie righe = coppie(percorso);
    QHash<QString, Banca> banche;
    for (const auto &[conto, nome] : righe)
        if (!conto.startsWith(segno))
            banche.insert(conto, {nome, 0});
    for (const auto &[conto, testo] : righe) {
        const auto trovata = banche.find(conto.mid(1));
        const qsizetype punto = testo.indexOf(QLatin1Char(';'));
        const int numero = testo.left(punto).toInt();
        if (conto.startsWith(segno) && trovata != banche.end() && punto > 0 && numero >= 2 &&
            numero <= 32767 && testo.mid(punto + 1) == trovata->nome)
            trovata->numero = qint16(numero);
    }
    return banche;
}

Esito ricordabanca(const QString &percorso, const QString &conto, const QString &nomeconto,
                   qint16 numero)
{
    bool letto = true;
    Coppie righe = coppie(percorso, &letto);
    // Rewritten from what could not be read, the file would forget every other bank account.
    if (!letto)
        return Esito::fallito(percorsonativo(percorsobanche(percorso)),
                              QStringLiteral("Il file non si può leggere: non è stato riscritto."));
    const auto metti = [&](const QString &chiave, const QString &valore) {
        const auto stesso = std::find_if(righe.begin(), righe.end(),
                                         [&](const auto &c) { return c.first == chiave; });
        if (stesso != righe.end())
            stesso->second = valore;
        else
            righe.append({chiave, valore});
    };
    metti(conto, nomeconto);
    metti(segno + conto, QString::number(numero) + QLatin1Char(';') + nomeconto);
    QByteArray dati;
    for (const auto &[c, nome] : righe)
        dati += codificatesto(c + QLatin1Char(';') + nome) + "\r\n";
    return salvafile(percorsonativo(percorsobanche(percorso)), dati);
}
