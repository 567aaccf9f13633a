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

QToolButton *pulsante(QWidget *padre, const char *nome, const QRect &r, const QString &suggerimento)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(nome))));
    b->setIconSize(r.size() - QSize(16, 16));
    b->setToolTip(suggerimento);
    return b;
}

QTableWidgetItem *cella(const QString &testo, Qt::Alignment allineamento = Qt::AlignLeft)
{
    auto *c = new QTableWidgetItem(testo);
    c->setTextAlignment(allineamento | Qt::AlignVCenter);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

Formimporta::Formimporta(const Estratto &e, QWidget *parent) : QDialog(parent), estratto(e)
{
    setObjectName(QStringLiteral("Formimporta"));
    setWindowTitle(QString());
    setFixedSize(tw(14640), tw(6600));
    sfondo(this, QColor(192, 192, 192));
    costruisci();

    const Stato &s = stato();
    QList<Contatto> rubrica;
    Esito letto = leggicontatti(s.percorso, rubrica);
    const Nomicontatti nomi(rubrica);
    QList<QDate> date;
    for (const RigaEstratto &r : estratto.righe) {
        movimenti.append(movimentoestratto(r, 0, s.dittacorrente, nomi));
        controlli.append({r.data, valore(movimenti.last())});
        date.append(r.data);
    }
    if (letto)
        letto = leggiannoditta(s.percorso, s.annogestione, s.dittacorrente, anno);
    if (letto)
        letto = leggiattorno(s.percorso, s.dittacorrente, date, ultimadata(estratto), anno);
    riempi();
    // Without the year's movements no duplicate can be told: offer nothing to import.
    if (!letto) {
        pulsanteregistra->setEnabled(false);
        griglia->setEnabled(false);
        avviso(this, letto.messaggio());
    }
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
    griglia->setGeometry(area(2400, 120, 12120, 5160));
    griglia->setHorizontalHeaderLabels({QString(), QStringLiteral("Data"),
                                        QStringLiteral("Descrizione"),
                                        QStringLiteral("Descrizione 2"), QStringLiteral("ENTRATE"),
                                        QStringLiteral("USCITE"), QStringLiteral("Stato")});
    for (int c = 0; c < 7; ++c)
        griglia->horizontalHeader()->resizeSection(c, tw(larghezze[c]));
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setWordWrap(false);

    costruiscisaldi();
    auto *annulla = pulsante(this, "annulla", area(120, 5640, 855, 735), QStringLiteral("Annulla"));
    pulsanteregistra =
        pulsante(this, "registra", area(13545, 5640, 975, 735), QStringLiteral("Importa"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
    connect(pulsanteregistra, &QToolButton::clicked, this, &Formimporta::registra);
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
    const QFont grassetto = carattere(QStringLiteral("Arial"), 9.75, true);
    int y = 2280;
    for (const Voce &v : voci) {
        auto *titolo = new QLabel(QString::fromUtf8(v.titolo), this);
        titolo->setGeometry(area(120, y, 2175, 255));
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(v.nome));
        l->setGeometry(area(120, y + 255, 2175, 330));
        l->setFont(grassetto);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        this->*v.etichetta = l;
        y += 780;
    }
    avvisoquadra = new QLabel(QStringLiteral("L'estratto conto non quadra"), this);
    avvisoquadra->setObjectName(QStringLiteral("avvisoquadra"));
    avvisoquadra->setGeometry(area(2400, 5400, 6000, 375));
    avvisoquadra->setFont(grassetto);
    colora(avvisoquadra, QPalette::WindowText, QColor(192, 0, 0));
}

// The rows, the statement's balances and the accounts, the one pressed on the toolbar chosen.
void Formimporta::riempi()
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
    }
    auto mostra = [](QLabel *l, const std::optional<qint64> &saldo) {
        l->setText(saldo ? fixed(*saldo) : QString());
        colora(l, QPalette::WindowText, coloresaldo(saldo.value_or(0)));
        adatta(l);
    };
    mostra(saldoiniziale, estratto.saldoiniziale);
    mostra(saldofinale, estratto.saldofinale);
    avvisoquadra->setVisible(!quadra(estratto));

    Lista->addItems(nomiconti());
    const int premuto = stato().contocorrente - 2; // TUTTI: nothing chosen
    Lista->setCurrentRow(premuto >= 0 && premuto < Lista->count() ? premuto : -1);
    aggiornastati();
    connect(Lista, &QListWidget::itemSelectionChanged, this, &Formimporta::aggiornastati);
    connect(griglia, &QTableWidget::itemChanged, this, &Formimporta::aggiornasaldi);
}
