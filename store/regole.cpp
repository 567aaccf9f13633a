#include "store/regole.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/filerecord.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <functional>

namespace {

using regole::dimensione;
using regole::larghezzacontroparte;

constexpr qint16 libero = 0;
constexpr qint16 regola = 1;
constexpr qsizetype posizione1 = 6 + larghezzacontroparte, posizione2 = posizione1 + 50;

FileRecord fileregole(const QString &percorso)
{
    return FileRecord(percorsoregole(percorso), dimensione, Mancante::Vuoto);
}

qint16 campo16(const char *r, int posizione)
{
    return qFromLittleEndian<qint16>(r + posizione);
}

QByteArray codifica(qint16 tipo, qint16 ditta, const Regola &r)
{
    QByteArray b(dimensione, ' ');
    char *p = b.data();
    qToLittleEndian<qint16>(tipo, p);
    qToLittleEndian<qint16>(ditta, p + 2);
    qToLittleEndian<qint16>(r.contatto, p + 4);
    codificacampo(r.controparte, p + 6, larghezzacontroparte);
    codificacampo(r.descrizione1, p + posizione1, 50);
    codificacampo(r.descrizione2, p + posizione2, 50);
    return b;
}

// The company's rule a record holds; none for a free, foreign or damaged one.
bool decodifica(const char *r, qint16 ditta, Regola &out)
{
    if (campo16(r, 0) != regola || campo16(r, 2) != ditta || campo16(r, 4) < 0)
        return false;
    out = {decodificatesto(r + 6, larghezzacontroparte), decodificatesto(r + posizione1, 50),
           decodificatesto(r + posizione2, 50), campo16(r, 4)};
    return !chiaveregola(out.controparte).isEmpty();
}

// Rewrites under the lock: decidi gets the record number of each of the company's rules by its
// key and the free records, and says which records take new bytes and which are appended.
using Decisione =
    std::function<void(const QHash<QString, qint32> &chiavi, QList<qint32> &liberi, Modifiche &m)>;

Esito aggiorna(const QString &percorso, qint16 ditta, const Decisione &decidi)
{
    return fileregole(percorso).aggiorna([&](const QByteArray &dati, Modifiche &m) {
        QHash<QString, qint32> chiavi;
        QList<qint32> liberi;
        const qint32 n = qint32(dati.size() / dimensione);
        for (qint32 i = 0; i < n; ++i) {
            const char *r = dati.constData() + qsizetype(i) * dimensione;
            Regola letta;
            if (decodifica(r, ditta, letta))
                chiavi.insert(chiaveregola(letta.controparte), i + 1);
            else if (campo16(r, 0) == libero)
                liberi.append(i + 1);
        }
        decidi(chiavi, liberi, m);
    });
}

} // namespace

QString percorsoregole(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\regole");
}

QString chiaveregola(const QString &controparte)
{
    // Plain ASCII is its own code page: the field's bytes are its characters.
    const QString testo = controparte.simplified();
    if (std::all_of(testo.begin(), testo.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        QString chiave;
        chiave.reserve(larghezzacontroparte);
        for (QChar c : QStringView(testo).left(larghezzacontroparte))
            if (c.isLetterOrNumber())
                chiave += c.toLower();
        return chiave;
    }
    QByteArray campo(larghezzacontroparte, ' ');
    codificacampo(testo, campo.data(), larghezzacontroparte);
    QString chiave = decodificatesto(campo).toCaseFolded();
    chiave.removeIf([](QChar c) { return !c.isLetterOrNumber(); });
    return chiave;
}

Esito leggiregole(const QString &percorso, qint16 ditta, QList<Regola> &regole)
{
    regole.clear();
    const Esito e = fileregole(percorso).leggiablocchi([&](const char *r, qsizetype n) {
        for (; n > 0; --n, r += dimensione)
            if (Regola letta; decodifica(r, ditta, letta))
                regole.append(letta);
    });
    if (!e)
        regole.clear();
    return e;
}

Esito ricordaregole(const QString &percorso, qint16 ditta, const QList<Regola> &nuove)
{
    return aggiorna(percorso, ditta,
                    [&](QHash<QString, qint32> chiavi, QList<qint32> liberi, Modifiche &m) {
                        for (const Regola &r : nuove) {
                            const QString chiave = chiaveregola(r.controparte);
                            if (chiave.isEmpty())
                                continue;
                            const QByteArray record = codifica(regola, ditta, r);
                            // A counterparty given twice keeps the last; negative: the nth
                            // appended.
                            if (const qint32 numero = chiavi.value(chiave); numero > 0) {
                                m.riscritti.append({numero, record});
                            } else if (numero < 0) {
                                m.aggiunti[-numero - 1] = record;
                            } else if (!liberi.isEmpty()) {
                                chiavi.insert(chiave, liberi.first());
                                m.riscritti.append({liberi.takeFirst(), record});
                            } else {
                                m.aggiunti.append(record);
                                chiavi.insert(chiave, -qint32(m.aggiunti.size()));
                            }
                        }
                    });
}

Esito cancellaregole(const QString &percorso, qint16 ditta, const QStringList &controparti)
{
    return aggiorna(percorso, ditta,
                    [&](const QHash<QString, qint32> &chiavi, QList<qint32> &, Modifiche &m) {
                        for (const QString &c : controparti)
                            if (const qint32 numero = chiavi.value(chiaveregola(c)); numero > 0)
                                m.riscritti.append({numero, codifica(libero, 0, {})});
                    });
}
