#include "windows/importa/formimporta.h"

#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/importazione.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/rubrica.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QToolButton>

namespace {

const int larghezze[] = {330, 1035, 3600, 3000, 1200, 1200, 1320}; // twips

QTableWidgetItem *cella(const QString &testo, Qt::Alignment allineamento = Qt::AlignLeft)
{
    auto *c = new QTableWidgetItem(testo);
    c->setTextAlignment(allineamento | Qt::AlignVCenter);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

Formimporta::Formimporta(const Estratto &e, QWidget *parent)
    : Formimporta(QList<Estratto>{e}, parent)
{
}

Formimporta::Formimporta(const QList<Estratto> &c, QWidget *parent)
    : QDialog(parent), conti(c.isEmpty() ? QList<Estratto>{Estratto{}} : c)
{
    setObjectName(QStringLiteral("Formimporta"));
    setWindowTitle(QString());
    setFixedSize(tw(14640), tw(6600));
    sfondo(this, QColor(192, 192, 192));
    costruisci();

    const Stato &s = stato();
    QList<Contatto> rubrica;
    Esito letto = leggicontatti(s.percorso, rubrica);
    nomi = Nomicontatti(rubrica);
    if (letto)
        letto = leggianno();
    if (letto)
        leggiscadenzeaperte();
    riempi();
    // Without the year's movements no duplicate can be told: offer nothing to import.
    if (!letto) {
        pulsanteregistra->setEnabled(false);
        griglia->setEnabled(false);
        avviso(this, letto.messaggio());
    }
}

Esito Formimporta::leggianno()
{
    const Stato &s = stato();
    Esito letto = leggiannoditta(s.percorso, s.annogestione, s.dittacorrente, anno);
    // Each bank account's rows may reach into the years around it.
    for (qsizetype i = 0; letto && i < conti.size(); ++i) {
        QList<QDate> date;
        for (const RigaEstratto &r : conti[i].righe)
            date.append(r.data);
        letto = leggiattorno(s.percorso, s.dittacorrente, date, ultimadata(conti[i]), anno);
    }
    return letto;
}

void Formimporta::costruisci()
{
    auto *cornice = new QGroupBox(QStringLiteral("Conto"), this);
    cornice->setObjectName(QStringLiteral("Frame1"));
    cornice->setGeometry(area(120, 0, 2175, 2175));
    Lista = new QListWidget(cornice);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setGeometry(area(120, 300, 1935, 1755));
    colorasulfuoco(Lista);

    griglia = new QTableWidget(0, 7, this);
    griglia->setObjectName(QStringLiteral("griglia"));
    griglia->setGeometry(area(2400, 480, 12120, 4800));
    griglia->setHorizontalHeaderLabels({QString(), QStringLiteral("Data"),
                                        QStringLiteral("Descrizione"),
                                        QStringLiteral("Descrizione 2"), QStringLiteral("ENTRATE"),
                                        QStringLiteral("USCITE"), QStringLiteral("Stato")});
    grigliafissa(griglia, larghezze);

    costruiscisaldi();
    costruiscicontibanca();
    costruiscidescrizioni();
    costruisciapertura();
    auto *annulla =
        pulsanteimmagine(this, "annulla", area(120, 5640, 855, 735), QStringLiteral("Annulla"));
    pulsanteregistra =
        pulsanteimmagine(this, "registra", area(13545, 5640, 975, 735), QStringLiteral("Importa"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
    connect(pulsanteregistra, &QToolButton::clicked, this, &Formimporta::registra);
    costruisciescluse();
}

void Formimporta::costruiscisaldi()
{
    struct Voce {
        const char *nome, *titolo;
        QLabel *Formimporta::*etichetta;
    };
    const Voce voci[] = {{"saldoiniziale", "Saldo iniziale", &Formimporta::saldoiniziale},
                         {"saldofinale", "Saldo finale", &Formimporta::saldofinale},
                         {"saldoconto", "Saldo del conto", &Formimporta::saldoconto},
                         {"differenza", "Differenza", &Formimporta::differenza}};
    int y = 2280;
    for (const Voce &v : voci) {
        this->*v.etichetta =
            etichettaimporto(this, v.nome, QString::fromUtf8(v.titolo), 120, y, 2175);
        y += 780;
    }
    const QFont grassetto = carattere(QStringLiteral("Arial"), 9.75, true);
    avvisoquadra = new QLabel(QStringLiteral("L'estratto conto non quadra"), this);
    avvisoquadra->setObjectName(QStringLiteral("avvisoquadra"));
    avvisoquadra->setGeometry(area(2400, 5400, 6000, 375));
    avvisoquadra->setFont(grassetto);
    colora(avvisoquadra, QPalette::WindowText, QColor(192, 0, 0));
}

// The accounts, then the first bank account's rows and balances.
void Formimporta::riempi()
{
    Lista->addItems(nomiconti());
    riempicontibanca();
    connect(Lista, &QListWidget::itemSelectionChanged, this, &Formimporta::aggiornastati);
    connect(griglia, &QTableWidget::itemChanged, this, &Formimporta::aggiornasaldi);
}

void Formimporta::riempirighe()
{
    griglia->setRowCount(int(movimenti.size()));
    for (int i = 0; i < movimenti.size(); ++i) {
        const Movimento &m = movimenti[i];
        const bool uscita = m.segno == movimento::uscita;
        griglia->setItem(i, 0, cella(QString()));
        griglia->setItem(i, 1, cella(datadmy(controlli[i].data), Qt::AlignHCenter));
        griglia->setItem(i, 2, cella(m.descrizione1));
        griglia->setItem(i, 3, cella(m.descrizione2));
        griglia->setItem(i, 4, cella(uscita ? QString() : fixed(m.importo), Qt::AlignRight));
        griglia->setItem(i, 5, cella(uscita ? fixed(m.importo) : QString(), Qt::AlignRight));
        adatta(griglia->item(i, uscita ? 5 : 4));
        griglia->setItem(i, 6, cella(QString()));
        mostraprovenienza(i);
    }
    auto mostra = [](QLabel *l, const std::optional<qint64> &saldo) {
        l->setText(saldo ? fixed(*saldo) : QString());
        colora(l, QPalette::WindowText, coloresaldo(saldo.value_or(0)));
        adatta(l);
    };
    mostra(saldoiniziale, estratto.saldoiniziale);
    mostra(saldofinale, estratto.saldofinale);
    avvisoquadra->setVisible(!quadra(estratto));
    riempiescluse();
}
