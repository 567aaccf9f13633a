#include "ledger/importafatture.h"

#include "store/fattureditta.h"
#include "store/rubrica.h"
#include "store/scadenze.h"

Esito contattoparte(const QString &percorso, const Soggetto &s, QList<Contatto> &rubrica,
                    qint16 &numero)
{
    const Contatto nuovo = contattofattura(s);
    numero = 0;
    for (int i = 0; i < rubrica.size() && numero == 0; ++i) {
        const Contatto &c = rubrica[i];
        if ((!nuovo.partitaiva.isEmpty() && c.partitaiva.trimmed() == nuovo.partitaiva) ||
            (!nuovo.codicefiscale.isEmpty() &&
             c.codicefiscale.trimmed().toUpper() == nuovo.codicefiscale))
            numero = qint16(i + 1);
    }
    for (int i = 0; i < rubrica.size() && numero == 0; ++i)
        if (rubrica[i].ragionesociale.trimmed().compare(nuovo.ragionesociale,
                                                        Qt::CaseInsensitive) == 0)
            numero = qint16(i + 1);
    if (numero != 0)
        return Esito::riuscito();
    qint32 scritto = 0;
    if (const Esito e = aggiungicontatto(percorso, nuovo, &scritto); !e)
        return e;
    rubrica.append(nuovo);
    numero = qint16(scritto);
    return Esito::riuscito();
}

Esito importafatture(const QString &percorso, qint16 ditta, const QList<Sceltafattura> &scelte,
                     QStringList &importate)
{
    QStringList chiavi;
    for (const Sceltafattura &s : scelte)
        if (!chiavi.contains(s.chiave))
            chiavi.append(s.chiave);
    QList<Contatto> rubrica;
    // The keys are taken first, under the lock: an invoice another workstation is importing
    // now is left to it.
    for (const Esito &e :
         {leggicontatti(percorso, rubrica), prenotachiavi(percorso, ditta, chiavi, importate)})
        if (!e)
            return e;
    Esito esito = Esito::riuscito();
    QHash<qint32, QString> codici;
    for (const Sceltafattura &s : scelte) {
        if (!importate.contains(s.chiave))
            continue;
        Scadenza sc;
        sc.data = s.voce.scadenza;
        sc.segno = s.voce.importo < 0 ? 1 : 0;
        sc.importo = qAbs(s.voce.importo);
        sc.descrizione1 = s.voce.controparte;
        sc.descrizione2 = s.voce.descrizione;
        if (const Esito e = contattoparte(percorso, s.altro, rubrica, sc.contatto); !e && esito)
            esito = e;
        qint32 voce = 0;
        if (const Esito e = creascadenza(percorso, ditta, sc, &voce); !e) {
            esito = e;
            break;
        }
        if (const QString codice = s.voce.codice.simplified(); !codice.isEmpty())
            codici.insert(voce, codice);
    }
    // The codes of the items written, also when a later one failed: those items stand.
    if (const Esito e = scrivicodici(percorso, ditta, codici); !e && esito)
        esito = e;
    return esito;
}
