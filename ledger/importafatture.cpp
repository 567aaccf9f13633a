#include "ledger/importafatture.h"

#include "store/fattureditta.h"
#include "store/rubrica.h"
#include "store/scadenze.h"

namespace {

// The party's index in the address book: by VAT number or codice fiscale, else by name; -1.
qsizetype trovaparte(const Contatto &nuovo, const QList<Contatto> &rubrica)
{
    for (qsizetype i = 0; i < rubrica.size(); ++i) {
        const Contatto &c = rubrica[i];
        if ((!nuovo.partitaiva.isEmpty() && c.partitaiva.trimmed() == nuovo.partitaiva) ||
            (!nuovo.codicefiscale.isEmpty() &&
             c.codicefiscale.trimmed().toUpper() == nuovo.codicefiscale))
            return i;
    }
    for (qsizetype i = 0; i < rubrica.size(); ++i)
        if (rubrica[i].ragionesociale.trimmed().compare(nuovo.ragionesociale,
                                                        Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

Esito contattoparte(const QString &percorso, const Soggetto &s, QList<Contatto> &rubrica,
                    qint16 &numero)
{
    const Contatto nuovo = contattofattura(s);
    if (const qsizetype i = trovaparte(nuovo, rubrica); i >= 0) {
        numero = qint16(i + 1);
        return Esito::riuscito();
    }
    // Looked for again under the lock: another workstation may be adding the same party now.
    qint32 scritto = 0;
    QList<Contatto> ora;
    const Esito e = aggiungicontattoassente(
        percorso, nuovo, [&](const QList<Contatto> &c) { return trovaparte(nuovo, c); }, scritto,
        ora);
    numero = 0;
    if (e)
        numero = qint16(scritto), rubrica = ora;
    return e;
}

namespace {

Scadenza scadenzada(const Sceltafattura &s)
{
    Scadenza sc;
    sc.data = s.voce.scadenza;
    sc.segno = s.voce.importo < 0 ? 1 : 0;
    sc.importo = qAbs(s.voce.importo);
    sc.descrizione1 = s.voce.controparte;
    sc.descrizione2 = s.voce.descrizione;
    return sc;
}

// The keys of the invoices chosen whose every item the payments due can hold; of the others
// (a due date past 2099), taken as imported they would never show their items, the refusal.
QStringList chiaviregistrabili(const QList<Sceltafattura> &scelte, Esito &rifiuto)
{
    QStringList chiavi, escluse;
    for (const Sceltafattura &s : scelte)
        if (!registrabile(scadenzada(s)) && !escluse.contains(s.chiave)) {
            escluse.append(s.chiave);
            rifiuto.ok = false;
            rifiuto.avviso = QStringLiteral("%1: la scadenza del %2 non è tra gli anni 2000 e "
                                            "2099, la fattura non è stata importata.")
                                 .arg(s.voce.descrizione,
                                      s.voce.scadenza.toString(QStringLiteral("dd/MM/yyyy")));
        }
    for (const Sceltafattura &s : scelte)
        if (!chiavi.contains(s.chiave) && !escluse.contains(s.chiave))
            chiavi.append(s.chiave);
    return chiavi;
}

} // namespace

Esito importafatture(const QString &percorso, qint16 ditta, const QList<Sceltafattura> &scelte,
                     QStringList &importate)
{
    Esito esito = Esito::riuscito();
    const QStringList chiavi = chiaviregistrabili(scelte, esito);
    QList<Contatto> rubrica;
    // The keys are taken first, under the lock: an invoice another workstation is importing
    // now is left to it.
    for (const Esito &e :
         {leggicontatti(percorso, rubrica), prenotachiavi(percorso, ditta, chiavi, importate)})
        if (!e)
            return e;
    QHash<qint32, QString> codici;
    for (const Sceltafattura &s : scelte) {
        if (!importate.contains(s.chiave))
            continue;
        Scadenza sc = scadenzada(s);
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
