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

// Watches both lists and, once rows were loaded, their month files, which are taken as seen
// now because they are about to be read: a write landing during the read shows at the next
// check instead of being lost.
void Formprincipale::sorvegliafile()
{
    if (!sentinella) {
        sentinella = new Sentinella(this);
        connect(sentinella, &Sentinella::cambiamento, this, &Formprincipale::controllacondiviso);
    }
    percorsosorvegliato = stato().percorso;
    QStringList file{fileditte(percorsosorvegliato), fileconti(percorsosorvegliato)};
    const QStringList mesi = registrocaricato ? filemesi(caricato) : QStringList();
    sentinella->sorveglia(file + mesi);
    sentinella->visti(mesi);
}

void Formprincipale::controllacondiviso(const QStringList &cambiati)
{
    // Nothing changes under a window the user is working in: the next poll after it closed
    // finds the same differences.
    if (QApplication::activeModalWidget())
        return;
    // A data root chosen since: the next command loads from it.
    if (stato().percorso != percorsosorvegliato)
        return;
    sentinella->visti(cambiati);
    const QString conti = fileconti(percorsosorvegliato), ditte = fileditte(percorsosorvegliato);
    bool mesi = false;
    for (const QString &f : cambiati)
        mesi = mesi || (f != conti && f != ditte);
    if (cambiati.contains(conti))
        aggiornaconti();
    if (cambiati.contains(ditte))
        aggiornaditta();
    if (mesi && registrocaricato)
        ricaricaregistro();
}

// Buttons for accounts other workstations appended, new captions for those they renamed. A
// list shorter than the toolbar was replaced or belongs to another root: it is left alone.
void Formprincipale::aggiornaconti()
{
    QStringList nomi;
    if (!QFileInfo::exists(fileconti(percorsosorvegliato)) ||
        !leggiconti(percorsosorvegliato, nomi))
        return;
    const QList<QAction *> bottoni = gruppoconti->actions();
    const qint32 presenti = qint32(bottoni.size()) - 2;
    if (nomi.size() < presenti)
        return;
    for (qint32 r = 1; r <= presenti; ++r)
        static_cast<AzioneConto *>(bottoni[r + 1])->rinomina(nomi[r - 1]); // caption too
    aggiungibottoni(nomi, presenti + 1, qint32(nomi.size()) + 1);
}

void Formprincipale::aggiornaditta()
{
    QStringList nomi;
    const qint16 ditta = stato().dittacorrente;
    if (!leggiditte(percorsosorvegliato, nomi) || ditta < 1 || ditta > nomi.size())
        return;
    stato().nomeditta = nomi[ditta - 1];
    aggiornastato();
}

// The same load again, the scroll position kept; the selected movement stays selected by its
// month and record number, or nothing is selected, never another movement. A failure leaves
// the screen as it was and says nothing: the user did nothing, the next command reports it.
void Formprincipale::ricaricaregistro()
{
    const QStringList mesi = filemesi(caricato);
    sentinella->visti(mesi);
    // A month file gone (an archive being deleted or restored) is not created again here.
    for (const QString &f : mesi)
        if (!QFileInfo::exists(f))
            return;
    TabellaMese nuova;
    if (!::elabora(nuova, caricato))
        return;
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
}
