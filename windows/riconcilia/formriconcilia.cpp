#include "windows/riconcilia/formriconcilia.h"

#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/periodo.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/movimento.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

namespace {

const int larghezze[] = {1900, 1035, 2550, 2100, 1100, 1100}; // twips

QString datalunga(const QDate &d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

Formriconcilia::Formriconcilia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formriconcilia"));
    setWindowTitle(QString());
    setFixedSize(tw(13200), tw(6600));
    sfondo(this, QColor(192, 192, 192));
    costruisci();

    const Stato &s = stato();
    intestazione->setText(QStringLiteral("RICONCILIAZIONE ") + nomeconto(s.contocorrente));
    // TUTTI is no bank account: nothing to reconcile.
    // The year the balances window shows, never another one's statement.
    const Esito e = s.contocorrente == 1 ? Esito()
                                         : quadratura(s.percorso, s.dittacorrente, s.contocorrente,
                                                      q, annointero(s.annogestione).toInt());
    riempi();
    if (!e) {
        pulsanteregistra->setEnabled(false);
        esito->setText(
            QStringLiteral("Impossibile leggere l'archivio: riconciliazione non disponibile."));
        avviso(this, e.messaggio());
    }
}

void Formriconcilia::costruisci()
{
    const QFont grassetto = carattere(QStringLiteral("Arial"), 9.75, true);
    intestazione = new QLabel(this);
    intestazione->setGeometry(area(120, 60, 12960, 330));
    intestazione->setFont(grassetto);
    intestazione->setTextFormat(Qt::PlainText); // names as typed

    aperti = new QTableWidget(0, 6, this);
    aperti->setObjectName(QStringLiteral("aperti"));
    aperti->setGeometry(area(3000, 480, 10080, 4800));
    aperti->setHorizontalHeaderLabels(
        {QStringLiteral("confermato a mano"), QStringLiteral("Data"), QStringLiteral("Descrizione"),
         QStringLiteral("Descrizione 2"), QStringLiteral("ENTRATE"), QStringLiteral("USCITE")});
    grigliafissa(aperti, larghezze);

    costruiscisaldi();
    esito = new QLabel(this);
    esito->setObjectName(QStringLiteral("esito"));
    esito->setGeometry(area(3000, 5400, 8400, 375));
    esito->setFont(grassetto);
    senzasaldo = new QLabel(this);
    senzasaldo->setObjectName(QStringLiteral("senzasaldo"));
    senzasaldo->setGeometry(area(120, 4440, 2775, 1200));
    senzasaldo->setWordWrap(true);

    auto *annulla =
        pulsanteimmagine(this, "annulla", area(120, 5760, 855, 735), QStringLiteral("Annulla"));
    pulsanteregistra = pulsanteimmagine(this, "registra", area(12105, 5760, 975, 735),
                                        QStringLiteral("Conferma i movimenti spuntati"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
    connect(pulsanteregistra, &QToolButton::clicked, this, &Formriconcilia::registra);
}

void Formriconcilia::costruiscisaldi()
{
    struct Voce {
        const char *nome, *titolo;
        QLabel *Formriconcilia::*etichetta;
    };
    const Voce voci[] = {
        {"databanca", "Estratto conto al", &Formriconcilia::databanca},
        {"saldobanca", "Saldo della banca", &Formriconcilia::saldobanca},
        {"saldolibro", "Saldo del conto", &Formriconcilia::saldolibro},
        {"differenza", "Differenza tra banca e libro", &Formriconcilia::differenza},
        {"spiegata", "Spiegata dai movimenti non spuntati", &Formriconcilia::spiegata}};
    int y = 480;
    for (const Voce &v : voci) {
        this->*v.etichetta =
            etichettaimporto(this, v.nome, QString::fromUtf8(v.titolo), 120, y, 2775);
        y += 780;
    }
}

// The statement, the book and the open movements, none ticked.
void Formriconcilia::riempi()
{
    pulsanteregistra->setEnabled(bool(q.estratto));
    if (!q.estratto) {
        esito->setText(QStringLiteral("Nessun estratto conto importato in questo conto."));
        return;
    }
    const EstrattoTenuto &e = *q.estratto;
    // A later statement without a balance cannot be reconciled with, but is not hidden.
    if (q.senzasaldo)
        senzasaldo->setText(QStringLiteral("Dopo il %1 è stato importato un estratto senza saldo "
                                           "(fino al %2).")
                                .arg(e.data.toString(QStringLiteral("dd/MM")),
                                     q.senzasaldo->data.toString(QStringLiteral("dd/MM"))));
    if (!e.banca.isEmpty())
        intestazione->setText(intestazione->text() + QStringLiteral(" · ") + e.banca);
    databanca->setText(datalunga(e.data));
    if (e.saldo) {
        mostrasaldo(saldobanca, *e.saldo);
        mostrasaldo(differenza, *e.saldo - q.saldolibro);
    }
    mostrasaldo(saldolibro, q.saldolibro);

    aperti->setRowCount(int(q.aperti.size()));
    // Not shown yet: nothing to redraw per cell, which halves the filling of a long year.
    QSignalBlocker fermo(aperti->model());
    for (int i = 0; i < q.aperti.size(); ++i) {
        const Aperto &a = q.aperti[i];
        const bool uscita = a.segno == movimento::uscita;
        auto *spunta = cellafissa(QString());
        spunta->setFlags(spunta->flags() | Qt::ItemIsUserCheckable);
        spunta->setCheckState(Qt::Unchecked);
        aperti->setItem(i, 0, spunta);
        aperti->setItem(
            i, 1, cellafissa(datadmy(QDate(e.data.year(), a.mese, a.giorno)), Qt::AlignHCenter));
        aperti->setItem(i, 2, cellafissa(a.descrizione1));
        aperti->setItem(i, 3, cellafissa(a.descrizione2));
        aperti->setItem(i, 4, cellafissa(uscita ? QString() : fixed(a.importo), Qt::AlignRight));
        aperti->setItem(i, 5, cellafissa(uscita ? fixed(a.importo) : QString(), Qt::AlignRight));
    }
    fermo.unblock();
    aggiorna();
    connect(aperti, &QTableWidget::itemChanged, this, &Formriconcilia::aggiorna);
}

QList<bool> Formriconcilia::spuntati() const
{
    QList<bool> s;
    for (int i = 0; i < aperti->rowCount(); ++i)
        s.append(aperti->item(i, 0)->checkState() == Qt::Checked);
    return s;
}

void Formriconcilia::aggiorna()
{
    const qint64 spiegati = ::spiegata(q.aperti, spuntati());
    mostrasaldo(spiegata, spiegati);
    if (!q.estratto->saldo)
        return; // without the bank's balance there is nothing to explain
    const qint64 resto = *q.estratto->saldo - q.saldolibro - spiegati;
    esito->setText(resto == 0 ? QStringLiteral("Il conto quadra con la banca al ") +
                                    datalunga(q.estratto->data)
                              : QStringLiteral("Restano da spiegare ") + fixed(resto));
}

void Formriconcilia::registra()
{
    if (!q.estratto)
        return;
    const QList<bool> s = spuntati();
    QList<Conferma> confermate;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i])
            confermate.append(conferma(q.aperti[i], q.estratto->data.year()));
    const Stato &st = stato();
    if (Esito e = registraconferme(st.percorso, st.dittacorrente, st.contocorrente, confermate); !e)
        return avviso(this, e.messaggio());
    accept();
}
