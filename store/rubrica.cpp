#include "store/rubrica.h"

#include "store/filemese.h"
#include "store/filerecord.h"

namespace {
FileRecord filerubrica(const QString &percorso)
{
    return FileRecord(percorsorubrica(percorso), contatto::dimensione);
}
} // namespace

QString percorsorubrica(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\rubrica");
}

Esito contacontatti(const QString &percorso, qint32 &numero)
{
    return filerubrica(percorso).conta(numero);
}

Esito leggicontatto(const QString &percorso, qint32 numero, Contatto &c)
{
    QByteArray r;
    Esito e = filerubrica(percorso).leggi(numero, r);
    if (e)
        c = contatto::decodifica(r.constData());
    return e;
}

Esito aggiungicontatto(const QString &percorso, const Contatto &c, qint32 *numero)
{
    return filerubrica(percorso).aggiungi(contatto::codifica(c), numero);
}

Esito aggiungicontattoassente(const QString &percorso, const Contatto &c,
                              const std::function<qsizetype(const QList<Contatto> &)> &trova,
                              qint32 &numero, QList<Contatto> &contatti)
{
    return filerubrica(percorso).aggiorna([&](const QByteArray &dati, Modifiche &m) {
        contatti.clear();
        for (qsizetype p = 0; p + contatto::dimensione <= dati.size(); p += contatto::dimensione)
            contatti.append(contatto::decodifica(dati.constData() + p));
        const qsizetype trovato = trova(contatti);
        numero = qint32(trovato < 0 ? contatti.size() + 1 : trovato + 1);
        if (trovato < 0) {
            m.aggiunti.append(contatto::codifica(c));
            contatti.append(c);
        }
    });
}

Esito riscrivicontatto(const QString &percorso, qint32 numero, const Contatto &c)
{
    return filerubrica(percorso).riscrivi(numero, contatto::codifica(c));
}

Esito leggirubricagrezza(const QString &percorso, QByteArray &dati)
{
    return filerubrica(percorso).leggitutto(dati);
}

Esito leggicontatti(const QString &percorso, QList<Contatto> &contatti)
{
    contatti.clear();
    QByteArray dati;
    Esito e = leggirubricagrezza(percorso, dati);
    for (qsizetype p = 0; p + contatto::dimensione <= dati.size(); p += contatto::dimensione)
        contatti.append(contatto::decodifica(dati.constData() + p));
    return e;
}
