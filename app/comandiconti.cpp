// Accounts, search and data location.
#include "app/formprincipale.h"

#include "app/azioneconto.h"
#include "app/stato.h"
#include "platform/dialoghi.h"
#include "store/conti.h"
#include "windows/cerca/forcerca.h"
#include "windows/percorso/formpercorso.h"

#include <QAction>
#include <QActionGroup>

namespace {

const QString domandaconto = QStringLiteral("Scrivete il nome del nuovo Conto");

} // namespace

void Formprincipale::aggiungitipo()
{
    const QString nome = nomecontoregistrato(
        chiedi(this, QStringLiteral("Aggiungere un Nuovo Conto"), domandaconto));
    if (nome.isEmpty())
        return;

    // Record n belongs to button n + 2. The append takes the record after the last under the
    // file's lock, so an account another workstation added meanwhile is never overwritten;
    // a list shorter than the toolbar (replaced, or of another data root) is refused.
    const qint32 atteso = qint32(gruppoconti->actions().size()) - 1;
    qint32 numero = 0;
    if (Esito e = aggiungiconto(stato().percorso, nome, &numero, atteso); !e) {
        avviso(this, e.messaggio());
        return;
    }
    if (numero > atteso)
        aggiungicontialtrui(atteso, numero);
    aggiungibottoneconto(nome);
}

// Buttons for the records other workstations appended between the toolbar's last account and
// the record just written, so that every button keeps the index of its record.
void Formprincipale::aggiungicontialtrui(qint32 primo, qint32 ultimoscritto)
{
    QStringList nomi;
    if (Esito e = leggiconti(stato().percorso, nomi); !e)
        avviso(this, e.messaggio());
    aggiungibottoni(nomi, primo, ultimoscritto);
}

// Buttons for records primo to fine - 1 of the account list nomi.
void Formprincipale::aggiungibottoni(const QStringList &nomi, qint32 primo, qint32 fine)
{
    for (qint32 r = primo; r < fine; ++r)
        aggiungibottoneconto(nomi.value(r - 1));
}

void Formprincipale::rinominatipo()
{
    const qint16 conto = stato().contocorrente;
    const QList<QAction *> bottoni = gruppoconti->actions();
    if (conto == conti::tutti || conto == conti::cassa) {
        avviso(this, QStringLiteral("Voci non rinominabili"));
        return;
    }
    if (conto < 1 || conto > bottoni.size())
        return;
    QAction *bottone = bottoni[conto - 1];
    const QString nome = nomecontoregistrato(
        chiedi(this, QStringLiteral("Rinomina Conto ") + bottone->text(), domandaconto));
    if (nome.isEmpty())
        return;
    // The caption changes only once the record holds the new name.
    if (Esito e = scriviconto(stato().percorso, conto - 2, nome); !e) {
        avviso(this, e.messaggio());
        return;
    }
    static_cast<AzioneConto *>(bottone)->rinomina(nome); // every account button is one
}

void Formprincipale::cerca()
{
    Forcerca finestra(this);
    finestra.exec();
    const Stato &s = stato();
    if (!s.ricerca[0].isEmpty() || !s.ricerca[1].isEmpty() || s.contattoricercato != 0)
        elabora();
}

void Formprincipale::impostazioni()
{
    // One data-location window at a time: a second click brings the open one to the front.
    // It has no parent, so it can stay open after the main window has closed; a closed one
    // is only waiting to be deleted.
    if (!finestrapercorso || !finestrapercorso->isVisible())
        finestrapercorso = new Formpercorso;
    finestrapercorso->show();
    finestrapercorso->raise();
    finestrapercorso->activateWindow();
}
