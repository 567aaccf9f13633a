// The ledger view and the commands that change what it shows.
#include "app/formprincipale.h"

#include "app/etichette.h"
#include "app/stato.h"
#include "ledger/elabora.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/filemese.h"
#include "windows/ditta/formditta.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

// "DD/MM/YY" from the row's day and month and the management year.
QString datariga(const RigaMese &r, const QString &anno)
{
    return QStringLiteral("%1/%2/%3")
        .arg(r.giorno, 2, 10, QLatin1Char('0'))
        .arg(r.mese, 2, 10, QLatin1Char('0'))
        .arg(anno);
}

} // namespace

void Formprincipale::elabora()
{
    stato().filtrotabella = stato().filtro();
    rigapremuta = false;
    const Impronte prima = sorvegliafile();
    const Esito esito = ::elabora(stato().tabellamese, *stato().filtrotabella);
    if (esito)
        registroletto(prima);
    mostratabella(1);
    if (!esito)
        avviso(this, esito.messaggio());
}

// Totals, the notice of dropped rows and the scroll range of the month table, then its rows
// from valorescroll (kept within the range).
void Formprincipale::mostratabella(int valorescroll)
{
    const TabellaMese &t = stato().tabellamese;
    const qint64 finale = t.riga(t.numerorighe).saldo;
    Label7->setText(fixed(t.totali[0]));
    Label8->setText(fixed(t.totali[1]));
    Label9->setText(fixed(finale));
    colora(Label9, QPalette::WindowText, coloresaldo(finale));
    for (QLabel *l : {Label7, Label8, Label9})
        adatta(l);
    // The totals cover the rows kept; say so when the capacity dropped some.
    avvisorighe->setText(QStringLiteral("Mostrate solo le prime %1 righe: i totali non "
                                        "comprendono i movimenti successivi")
                             .arg(TabellaMese::capacita));
    avvisorighe->setVisible(t.righescartate > 0);

    {
        const QSignalBlocker blocco(scroll); // one redraw below, not one per setter
        if (t.numerorighe > 0) {
            scroll->setRange(1, t.numerorighe);
            scroll->setValue(valorescroll);
        } else {
            scroll->setRange(0, 0);
        }
    }
    aggiornavideo();
}

int Formprincipale::rigascelta() const
{
    return rigaselezionata < 0 ? 0 : scroll->value() + rigaselezionata;
}

void Formprincipale::aggiornavideo()
{
    const TabellaMese &t = stato().tabellamese;
    const int primo = qMax(scroll->value(), 1);
    for (int k = 0; k < righevisibili; ++k) {
        const int i = primo + k;
        if (i > t.numerorighe) {
            for (CellaRiga *c : {ldata[k], descri1[k], descri2[k], entrate[k], uscite[k], saldo[k]})
                c->clear();
            continue;
        }
        const RigaMese &r = t.riga(i);
        ldata[k]->setText(datariga(r, stato().annogestione));
        descri1[k]->setText(r.descrizione[0]);
        descri2[k]->setText(r.descrizione[1]);
        entrate[k]->setText(r.segno == 0 ? fixed(r.importo) : QString());
        uscite[k]->setText(r.segno == 1 ? fixed(r.importo) : QString());
        saldo[k]->setText(fixed(r.saldo));
        colora(saldo[k], QPalette::WindowText, coloresaldo(r.saldo));
        for (QLabel *l : {entrate[k], uscite[k], saldo[k]})
            adatta(l);
    }
}

void Formprincipale::premutariga(int posizione, Qt::MouseButton pulsante, QPoint globale)
{
    rigaselezionata = posizione;
    rigapremuta = true;
    if (pulsante == Qt::RightButton)
        opemov->popup(globale);
}

void Formprincipale::wheelEvent(QWheelEvent *evento)
{
    // A notch moves the rows as many lines as the desktop asks; touchpads send fractions of a
    // notch, which add up.
    rotellaaccumulata += evento->angleDelta().y();
    const int scatti = rotellaaccumulata / QWheelEvent::DefaultDeltasPerStep;
    rotellaaccumulata -= scatti * QWheelEvent::DefaultDeltasPerStep;
    if (scatti != 0)
        scroll->setValue(scroll->value() - scatti * QApplication::wheelScrollLines());
    evento->accept();
}

void Formprincipale::keyPressEvent(QKeyEvent *evento)
{
    QAbstractSlider::SliderAction azione = QAbstractSlider::SliderNoAction;
    switch (evento->key()) {
    case Qt::Key_PageUp:
        azione = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        azione = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        azione = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        azione = QAbstractSlider::SliderToMaximum;
        break;
    default:
        QWidget::keyPressEvent(evento);
        return;
    }
    scroll->triggerAction(azione);
    evento->accept();
}

void Formprincipale::aprimese(int periodo)
{
    if (periodo < 0 || periodo > 12)
        return;
    Stato &s = stato();
    if (s.mesecorrente >= 0 && s.mesecorrente <= 12)
        frecciasx[s.mesecorrente]->hide();
    s.mesecorrente = qint16(periodo);
    frecciasx[periodo]->show();
    s.azzeraricerca();
    elabora();
}

void Formprincipale::sceglieconto(int indice)
{
    const QList<QAction *> conti = gruppoconti->actions();
    if (indice < 1 || indice > conti.size())
        return;
    conti[indice - 1]->setChecked(true);
    stato().contocorrente = qint16(indice);
    stato().azzeraricerca();
    elabora();
}

void Formprincipale::cambiaditta()
{
    {
        Formditta finestra(this);
        finestra.exec();
    }
    aggiornastato();
    stato().azzeraricerca();
    elabora();
}

void Formprincipale::cambiaanno()
{
    const QString risposta = chiedi(this, QStringLiteral("Variazione Anno di gestione"),
                                    QStringLiteral("Digitare l'anno di gestione"))
                                 .trimmed();
    if (risposta.isEmpty())
        return;
    const QDate data = leggidata(QStringLiteral("01/01/") + risposta);
    if (!data.isValid())
        return;
    stato().annogestione = datadmy(data).right(2);
    aggiornastato();
    stato().azzeraricerca();
    elabora();
}

void Formprincipale::cancellamovimento()
{
    opemov->hide(); // also when the command comes from elsewhere than the menu itself
    const RigaMese riga = stato().tabellamese.riga(rigascelta());
    // The Delete key may come right after a load: the position pressed before it holds
    // another movement now, which the user never chose.
    if (riga.numero == 0 || !rigapremuta) {
        avviso(this, QStringLiteral("Selezionare Movimento"));
        return;
    }
    if (!conferma(this, QStringLiteral("Sicuro di Cancellare il movimento ?")))
        return;
    // The row's own file: the root the screen was loaded from, even if another was chosen since.
    const FiltroMese &caricato = *stato().filtrotabella; // a row was shown, so a load ran
    const QString file = percorsomese(caricato.percorso, riga.mese, caricato.annogestione);
    QByteArray prima;
    if (Esito e = ::cancellamovimento(file, riga.numero, &prima); !e) {
        avviso(this, e.messaggio());
        return;
    }
    cancellato = {file, riga.numero, prima};
    ripristina->setEnabled(true);
    rigaselezionata = 0;
    elabora();
}
