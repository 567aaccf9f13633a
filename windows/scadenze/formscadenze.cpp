#include "windows/scadenze/formscadenze.h"

#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/saldi.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/filemese.h"
#include "store/salvafile.h"
#include "windows/fatture/formfatture.h"
#include "windows/registra/formregistra.h"
#include "windows/scadenze/formscadenza.h"
#include "windows/scadenze/graficoprevisione.h"
#include "windows/scadenze/sceltaserie.h"
#include "windows/scadenze/stampascadenze.h"
#include "windows/stampa/formstampante.h"

#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>

namespace {

const int larghezze[] = {300, 1100, 2700, 2400, 1450, 1450, 1300, 2000}; // twips

QComboBox *scelta(QWidget *padre, const char *nome, const QStringList &voci, const QRect &r)
{
    auto *c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(voci);
    c->setGeometry(r);
    return c;
}

// A button of the list's commands, by its caption.
QToolButton *pulsante(QWidget *padre, const char *nome, const char *testo, int x)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setText(QString::fromUtf8(testo));
    b->setGeometry(area(x, 9300, 1100, 735));
    return b;
}

// The book's balance of the account (1 every account) today: the months of this year up to
// today's, the carried balance among January's movements.
qint64 saldooggi(qint16 conto)
{
    const Stato &s = stato();
    SaldiAnno saldi;
    if (!calcolasaldi(s.percorso, annoyy(oggi()), s.dittacorrente, conto, saldi))
        return 0;
    qint64 saldo = 0;
    for (int m = 1; m <= oggi().month(); ++m)
        saldo += saldi.saldo(m);
    return saldo;
}

} // namespace

Formscadenze::Formscadenze(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formscadenze"));
    setWindowTitle(QStringLiteral("Scadenze"));
    setFixedSize(tw(13200), tw(10200));
    sfondo(this, QColor(192, 192, 192));
    costruisci();
    carica();
}

void Formscadenze::costruisci()
{
    periodo =
        scelta(this, "periodo",
               {"Scadute", "Prossimi 30 giorni", "Prossimi 90 giorni", "Tutte le aperte", "Anno"},
               area(120, 120, 2400, 330));
    periodo->setCurrentIndex(aperte);
    tipo = scelta(this, "tipo", {"Tutte", "Da incassare", "Da pagare"}, area(2640, 120, 1800, 330));
    elenco = new QTableWidget(0, 8, this);
    elenco->setObjectName(QStringLiteral("elenco"));
    elenco->setGeometry(area(120, 540, 12960, 5400));
    elenco->setHorizontalHeaderLabels({"", "Scadenza", "Descrizione", "Descrizione 2",
                                       "DA INCASSARE", "DA PAGARE", "Conto", "Stato"});
    grigliafissa(elenco, larghezze);
    elenco->setSelectionMode(QAbstractItemView::SingleSelection);
    costruiscitotali();

    struct Pulsante {
        const char *nome, *suggerimento;
        int x;
        void (Formscadenze::*comando)();
    };
    const Pulsante pulsanti[] = {{"nuova", "Nuova", 8400, &Formscadenze::nuova},
                                 {"modifica", "Modifica", 9600, &Formscadenze::modifica},
                                 {"cancella", "Cancella", 10800, &Formscadenze::cancella},
                                 {"registra", "Registra", 12000, &Formscadenze::registra},
                                 {"esporta", "Esporta", 6000, &Formscadenze::esporta},
                                 {"fatture", "Fatture", 7200, &Formscadenze::fatture},
                                 {"stampa", "Stampa", 4800, &Formscadenze::stampa}};
    for (const Pulsante &p : pulsanti)
        connect(pulsante(this, p.nome, p.suggerimento, p.x), &QToolButton::clicked, this,
                p.comando);
    findChild<QToolButton *>(QStringLiteral("fatture"))
        ->setToolTip(QStringLiteral("Importa fatture elettroniche"));
    auto *annulla =
        pulsanteimmagine(this, "annulla", area(120, 9300, 855, 735), QStringLiteral("Chiudi"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
    connect(periodo, &QComboBox::currentIndexChanged, this, &Formscadenze::riempi);
    connect(tipo, &QComboBox::currentIndexChanged, this, &Formscadenze::riempi);
    connect(contoprevisione, &QComboBox::currentIndexChanged, this, &Formscadenze::prevedi);
}

void Formscadenze::costruiscitotali()
{
    totaleincassare = etichettaimporto(this, "totaleincassare", "Da incassare", 120, 6060, 1800);
    totalepagare = etichettaimporto(this, "totalepagare", "Da pagare", 2040, 6060, 1800);
    contoprevisione =
        scelta(this, "contoprevisione", QStringList{QStringLiteral("Tutti i conti")} + nomiconti(),
               area(4200, 6060, 2400, 330));
    saldoprevisto =
        etichettaimporto(this, "saldoprevisto", "Saldo più basso (90 giorni)", 6720, 6060, 2400);
    datasaldoprevisto = etichettaimporto(this, "datasaldoprevisto", "il giorno", 9240, 6060, 1500);
    grafico = graficoprevisione(this);
    grafico->setGeometry(area(120, 6840, 12960, 2340));
}

void Formscadenze::carica()
{
    const Stato &s = stato();
    const QDate fine(annoquattrocifre(s.annogestione.toInt()), 12, 31);
    QList<EventoScadenza> eventi;
    const Esito e = leggiscadenze(s.percorso, s.dittacorrente, eventi);
    tutte = occorrenze(eventi, std::max(fine, oggi().addYears(1)),
                       Movimentisaldo(s.percorso, s.dittacorrente));
    riempi();
    prevedi();
    if (!e)
        avviso(this, e.messaggio());
}

void Formscadenze::mostraperiodo(Periodo p)
{
    periodo->setCurrentIndex(p);
}

bool Formscadenze::mostrata(const Occorrenza &o) const
{
    const QDate &d = o.scadenza.data;
    if (tipo->currentIndex() != 0 && o.scadenza.segno != tipo->currentIndex() - 1)
        return false;
    switch (periodo->currentIndex()) {
    case scadute:
        return o.aperta() && d < oggi();
    case prossimi30:
    case prossimi90:
        return d >= oggi() && d <= oggi().addDays(periodo->currentIndex() == prossimi30 ? 30 : 90);
    case aperte:
        // A series without an end, up to a year ahead; every other item however far.
        return o.aperta() && (!o.serie || o.scadenza.volte > 0 || d <= oggi().addYears(1));
    default:
        return d.year() == annoquattrocifre(stato().annogestione.toInt());
    }
}

void Formscadenze::riempi()
{
    mostrate.clear();
    for (const Occorrenza &o : std::as_const(tutte))
        if (mostrata(o))
            mostrate.append(o);
    elenco->setRowCount(int(mostrate.size()));
    QSignalBlocker fermo(elenco->model());
    const QDate g = oggi();
    const QStringList conti = nomiconti(); // once: without a main window each name reads a file
    for (int i = 0; i < mostrate.size(); ++i) {
        const Scadenza &s = mostrate[i].scadenza;
        const QString importo = fixed(s.importo);
        auto *spunta = cellafissa(QString());
        spunta->setFlags(spunta->flags() | Qt::ItemIsUserCheckable);
        spunta->setCheckState(Qt::Unchecked);
        elenco->setItem(i, 0, spunta);
        elenco->setItem(i, 1, cellafissa(datadmy(s.data), Qt::AlignHCenter));
        elenco->setItem(i, 2, cellafissa(s.descrizione1));
        elenco->setItem(i, 3, cellafissa(s.descrizione2));
        elenco->setItem(i, 4, cellafissa(s.segno == 0 ? importo : QString(), Qt::AlignRight));
        elenco->setItem(i, 5, cellafissa(s.segno == 1 ? importo : QString(), Qt::AlignRight));
        elenco->setItem(i, 6, cellafissa(conti.value(s.conto - 2)));
        auto *stato = cellafissa(statoscadenza(mostrate[i], g));
        if (mostrate[i].aperta() && s.data < g)
            stato->setForeground(QColor(255, 0, 0));
        elenco->setItem(i, 7, stato);
    }
    fermo.unblock();
    elenco->viewport()->update();
    const Totali t = totali(mostrate);
    mostrasaldo(totaleincassare, t.incassare);
    mostrasaldo(totalepagare, t.pagare);
}

void Formscadenze::prevedi()
{
    const qint16 conto = qint16(contoprevisione->currentIndex() + 1); // 1 every account
    const Previsione p = previsione(tutte, conto == 1 ? 0 : conto, saldooggi(conto), oggi());
    mostrasaldo(saldoprevisto, p.minimo);
    datasaldoprevisto->setText(p.giornominimo.toString(QStringLiteral("dd/MM/yyyy")));
    mostraprevisione(grafico, p);
}

const Occorrenza *Formscadenze::corrente() const
{
    const int riga = elenco->currentRow();
    return riga >= 0 && riga < mostrate.size() ? &mostrate[riga] : nullptr;
}

void Formscadenze::nuova()
{
    Scadenza s;
    s.data = oggi();
    s.segno = 1;
    Formscadenza f(s, true, this);
    if (f.exec() != QDialog::Accepted)
        return;
    const Stato &st = stato();
    if (const Esito e = creascadenza(st.percorso, st.dittacorrente, f.scadenza()); !e)
        avviso(this, e.messaggio());
    carica();
}

void Formscadenze::modifica()
{
    const Occorrenza *o = corrente();
    if (!o || !o->aperta())
        return;
    const Occorrenza scelta = *o;
    Formscadenza f(scelta.scadenza, false, this);
    if (f.exec() != QDialog::Accepted)
        return;
    const Portata p = scelta.serie ? sceltaserie(this, QStringLiteral("Modificare la scadenza:"))
                                   : Portata::solaquesta;
    if (p == Portata::nessuna)
        return;
    const Stato &st = stato();
    const EventoScadenza e{EventoScadenza::modificata, scelta.voce,  scelta.indice,
                           p == Portata::successive,   f.scadenza(), {}};
    if (const Esito esito = aggiungievento(st.percorso, st.dittacorrente, e); !esito)
        avviso(this, esito.messaggio());
    carica();
}

void Formscadenze::cancella()
{
    const Occorrenza *o = corrente();
    if (!o || !o->aperta())
        return;
    const Occorrenza scelta = *o;
    const QString domanda = QStringLiteral("Annullare la scadenza?");
    const Portata p = scelta.serie              ? sceltaserie(this, domanda)
                      : conferma(this, domanda) ? Portata::solaquesta
                                                : Portata::nessuna;
    if (p == Portata::nessuna)
        return;
    const Stato &st = stato();
    const EventoScadenza e{EventoScadenza::annullata, scelta.voce, scelta.indice,
                           p == Portata::successive,  {},          {}};
    if (const Esito esito = aggiungievento(st.percorso, st.dittacorrente, e); !esito)
        avviso(this, esito.messaggio());
    carica();
}

void Formscadenze::registra()
{
    QList<Occorrenza> scelte;
    for (int i = 0; i < mostrate.size(); ++i)
        if (elenco->item(i, 0)->checkState() == Qt::Checked && mostrate[i].aperta())
            scelte.append(mostrate[i]);
    for (const Occorrenza &o : std::as_const(scelte))
        if (!salda(o))
            break;
    carica();
}

bool Formscadenze::salda(const Occorrenza &o)
{
    const Scadenza &s = o.scadenza;
    Stato &st = stato();
    st.movimentocorrente = MovimentoCorrente(); // a new movement
    Formregistra f(this);
    // An estimate's amount is the user's to type: the bill says what it really is.
    f.proponi({0, s.descrizione1, s.descrizione2, s.segno, s.importo, s.conto, st.dittacorrente,
               s.contatto},
              !s.stima);
    f.scrivicon([&](const QString &file, int mese, const Movimento &m) {
        const auto valida = [&](const Conferma &c) { // the month files read again, under the lock
            return Movimentisaldo(st.percorso, st.dittacorrente)(c).has_value();
        };
        qint32 scritto = 0; // the movement booked, taken back when the item stays open
        const auto scrivi = [&](Conferma &c) {
            c = {annoquattrocifre(st.annogestione.toInt()),
                 qint16(mese),
                 0,
                 m.giorno,
                 m.segno,
                 m.importo};
            const Esito e = aggiungimovimento(file, m, &c.numero);
            scritto = e ? c.numero : 0;
            return e;
        };
        bool gia = false;
        Esito e =
            saldascadenza(st.percorso, st.dittacorrente, o.voce, o.indice, {}, valida, gia, scrivi);
        // Booked but not settled: the window stays open, and trying again would book it twice.
        if (!e && scritto != 0 && !cancellamovimento(file, scritto))
            e.avviso = e.messaggio() + QStringLiteral("\n\nIl movimento è stato registrato ma "
                                                      "la scadenza è rimasta aperta.");
        if (e && gia) {
            e.ok = false;
            e.avviso = QStringLiteral("La scadenza è già stata registrata da un'altra postazione.");
        }
        return e;
    });
    return f.exec() == QDialog::Accepted;
}

void Formscadenze::esporta()
{
    const QString file = salvacome(this, QStringLiteral("File CSV"), QStringLiteral("scadenze"),
                                   QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    const QStringList conti = QStringList{QString(), QString()} + nomiconti();
    if (const Esito e =
            salvafile(QDir::toNativeSeparators(file), csvscadenze(mostrate, oggi(), conti));
        !e)
        avviso(this, e.messaggio());
}

void Formscadenze::stampa()
{
    Elencoscadenze e;
    for (int i = 0; i < elenco->rowCount(); ++i) {
        QStringList celle;
        for (int c = 1; c < elenco->columnCount(); ++c)
            celle << elenco->item(i, c)->text();
        e.righe << celle;
    }
    e.piede << QStringLiteral("Da incassare: € ") + totaleincassare->text()
            << QStringLiteral("Da pagare: € ") + totalepagare->text()
            << QStringLiteral("Saldo più basso nei prossimi 90 giorni (%1): € %2 il %3")
                   .arg(contoprevisione->currentText(), saldoprevisto->text(),
                        datasaldoprevisto->text());
    QString titolo = QStringLiteral("SCADENZE ") + periodo->currentText();
    if (tipo->currentIndex() != 0)
        titolo += QStringLiteral(" - ") + tipo->currentText();
    Formstampante f({titolo.toUpper(),
                     [e](Stampante &s, const Lavoro &l) { return stampascadenze(s, e, l); },
                     [this] { esporta(); }},
                    this);
    f.exec();
}

void Formscadenze::fatture()
{
    const QStringList file = QFileDialog::getOpenFileNames(
        this, QStringLiteral("Importa fatture elettroniche"), QString(),
        QStringLiteral(
            "Fatture elettroniche (*.xml *.p7m *.zip *.XML *.P7M *.ZIP);;Tutti i file (*)"));
    if (file.isEmpty())
        return;
    Formfatture f(file, this);
    if (f.exec() == QDialog::Accepted)
        carica();
}
