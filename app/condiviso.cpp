// A shared archive that stays current: what other workstations write to the month files of
// the period on screen, the company list or the account list shows by itself.
#include "app/formprincipale.h"

#include "app/azioneconto.h"
#include "app/stato.h"
#include "platform/percorsi.h"
#include "platform/sentinella.h"
#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>

namespace {

// The month files a load with f reads.
QStringList filemesi(const FiltroMese &f)
{
    const auto [primo, ultimo] = mesiletti(f);
    QStringList file;
    for (int m = primo; m <= ultimo; ++m)
        file.append(percorsonativo(percorsomese(f.percorso, m, f.annogestione)));
    return file;
}

QString fileconti(const QString &percorso)
{
    return percorsonativo(percorsoconti(percorso));
}

QString fileditte(const QString &percorso)
{
    return percorsonativo(percorsoditte(percorso));
}

} // namespace

// The lists the names on screen were read from, while their root is the current one: once
// another root is chosen the names stay as read until the next start.
bool Formprincipale::nomiseguiti()
{
    nomiinvariati = nomiinvariati && stato().percorso == percorsonomi;
    return nomiinvariati;
}

// Watches the lists and, once rows were loaded, their month files. Those are measured now,
// before they are read: a write landing during the read shows at the next check instead of
// being lost.
Impronte Formprincipale::sorvegliafile()
{
    if (!sentinella) {
        sentinella = new Sentinella(this);
        connect(sentinella, &Sentinella::cambiamento, this, &Formprincipale::controllacondiviso);
        percorsonomi = stato().percorso;
        const QStringList liste{fileditte(percorsonomi), fileconti(percorsonomi)};
        sentinella->sorveglia(liste);
        sentinella->visti(Sentinella::misura(liste)); // the start-up has just read them
    }
    const std::optional<FiltroMese> &caricato = stato().filtrotabella;
    const QStringList mesi = caricato ? filemesi(*caricato) : QStringList();
    QStringList file = mesi;
    if (nomiseguiti())
        file << fileditte(percorsonomi) << fileconti(percorsonomi);
    sentinella->sorveglia(file);
    return Sentinella::misura(mesi);
}

// The files the load created empty are taken as seen as created; one another workstation
// wrote to meanwhile shows at the next check.
void Formprincipale::registroletto(Impronte prima)
{
    for (auto i = prima.begin(); i != prima.end(); ++i)
        if (!i->esiste)
            if (const Impronta ora = Sentinella::misura({i.key()}).value(i.key());
                ora.dimensione == 0)
                *i = ora;
    sentinella->visti(prima);
}

// A change is taken as seen only once what shows it was read: a read that failed (a network
// folder out of reach for a moment) is tried again at the next check.
void Formprincipale::controllacondiviso(const Impronte &ora)
{
    // Nothing changes under a window the user is working in: the next check after it closed
    // finds the same differences.
    if (QApplication::activeModalWidget())
        return;
    Impronte letti;
    Impronte mesi = ora;
    const QString conti = fileconti(percorsonomi), ditte = fileditte(percorsonomi);
    if (nomiseguiti()) {
        if (ora.contains(conti) && aggiornaconti())
            letti.insert(conti, ora.value(conti));
        if (ora.contains(ditte) && aggiornaditta())
            letti.insert(ditte, ora.value(ditte));
    } else if (ora.contains(conti) || ora.contains(ditte)) {
        const std::optional<FiltroMese> &caricato = stato().filtrotabella;
        sentinella->sorveglia(caricato ? filemesi(*caricato) : QStringList());
    }
    mesi.remove(conti);
    mesi.remove(ditte);
    // A data root chosen since: the next command loads from it.
    const std::optional<FiltroMese> &caricato = stato().filtrotabella;
    if (!mesi.isEmpty() && caricato && stato().percorso == caricato->percorso && ricaricaregistro())
        letti.insert(mesi);
    sentinella->visti(letti);
}

// Buttons for accounts other workstations appended, new captions for those they renamed. A
// list shorter than the toolbar was replaced or belongs to another root: it is left alone.
bool Formprincipale::aggiornaconti()
{
    QStringList nomi;
    if (!QFileInfo::exists(fileconti(percorsonomi)))
        return true;
    if (!leggiconti(percorsonomi, nomi))
        return false;
    const QList<QAction *> bottoni = gruppoconti->actions();
    const qint32 presenti = qint32(bottoni.size()) - 2;
    if (nomi.size() < presenti)
        return true;
    for (qint32 r = 1; r <= presenti; ++r)
        static_cast<AzioneConto *>(bottoni[r + 1])->rinomina(nomi[r - 1]); // caption too
    aggiungibottoni(nomi, presenti + 1, qint32(nomi.size()) + 1);
    return true;
}

bool Formprincipale::aggiornaditta()
{
    QStringList nomi;
    const qint16 ditta = stato().dittacorrente;
    if (!leggiditte(percorsonomi, nomi))
        return false;
    if (ditta >= 1 && ditta <= nomi.size()) {
        stato().nomeditta = nomi[ditta - 1];
        aggiornastato();
    }
    return true;
}

// The same load again, the scroll position kept; the selected movement stays selected by its
// month and record number, or nothing is selected, never another movement. A month without a
// file holds no movements and is not created here. A failure leaves the screen as it was and
// says nothing: the user did nothing, the next command reports it.
bool Formprincipale::ricaricaregistro()
{
    FiltroMese f = *stato().filtrotabella;
    f.mesimancanti = Mancante::Vuoto;
    TabellaMese nuova;
    if (!::elabora(nuova, f))
        return false;
    const RigaMese scelta = stato().tabellamese.riga(rigascelta());
    stato().tabellamese = std::move(nuova);
    mostratabella(scroll->value());

    const TabellaMese &t = stato().tabellamese;
    rigaselezionata = -1;
    for (int i = 1; scelta.numero != 0 && i <= t.numerorighe; ++i) {
        const RigaMese &r = t.riga(i);
        const int posizione = i - scroll->value();
        if (r.numero == scelta.numero && r.mese == scelta.mese && posizione >= 0 &&
            posizione < righevisibili)
            rigaselezionata = posizione;
    }
    return true;
}

// Nothing reloads behind a backup window left open after the main window closed.
void Formprincipale::closeEvent(QCloseEvent *evento)
{
    if (sentinella)
        sentinella->ferma();
    QWidget::closeEvent(evento);
}
