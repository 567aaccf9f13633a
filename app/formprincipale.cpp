#include "app/formprincipale.h"

#include "app/avvio.h"
#include "app/azioneconto.h"
#include "app/etichette.h"
#include "app/stato.h"
#include "ledger/periodo.h"
#include "platform/aspetto.h"
#include "platform/lingua.h"
#include "windows/guida/formguida.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

// The pictures live in the static UI library, whose resources the linker would drop.
static void caricaicone()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr int larghezzafinestra = 15400;
constexpr int altezzafinestra = 10650;
const QColor grigioscuro(64, 64, 64);

void sfondobianco(QWidget *w)
{
    sfondo(w, Qt::white);
}

QFrame *barra(QWidget *padre, const QString &nome, const QRect &r, const QColor &colore)
{
    auto *f = new QFrame(padre);
    f->setObjectName(nome);
    f->setGeometry(r);
    sfondo(f, colore);
    return f;
}

QToolButton *pulsanteimmagine(QWidget *padre, const char *nome, const char *icona, const QRect &r)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icona))));
    b->setIconSize(QSize(tw(1335) - 28, tw(1095) - 22));
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

Formprincipale *principale = nullptr;

} // namespace

Formprincipale *Formprincipale::corrente()
{
    return principale;
}

Formprincipale::Formprincipale(QWidget *parent) : QWidget(parent)
{
    linguaitaliana();
    caricaicone();
    principale = this;
    setObjectName(QStringLiteral("Formprincipale"));
    setWindowTitle(QStringLiteral("Quaderola 1.0"));
    setFixedSize(tw(larghezzafinestra), tw(altezzafinestra));
    setFocusPolicy(Qt::StrongFocus);

    const QStringList conti = avvia(stato());

    barra(this, QStringLiteral("Shape1"), area(0, 360, 1575, 10095), QColor(214, 222, 232));
    barra(this, QStringLiteral("Shape2"), area(2280, 8400, 9375, 135), QColor(47, 93, 138));
    barra(this, QStringLiteral("Shape3"), area(11640, 480, 135, 8055), QColor(47, 93, 138));
    costruiscistato();
    costruisciavvisoscadenze();
    costruiscipulsanti();
    costruiscirighe();
    costruiscitotali();
    costruiscimesi();
    costruiscitoolbar(conti);
    costruiscimenu();
    assegnascorciatoie();
    attivaguida();
    aggiornastato();
    sorvegliafile();
}

Formprincipale::~Formprincipale()
{
    if (principale == this)
        principale = nullptr;
}

void Formprincipale::costruiscistato()
{
    auto *barrastato = new QFrame(this);
    barrastato->setObjectName(QStringLiteral("StatusBar2"));
    barrastato->setGeometry(0, 0, tw(larghezzafinestra), tw(375));
    barrastato->setFrameShape(QFrame::StyledPanel);
    barrastato->setToolTip(
        QStringLiteral("Per Selezionare - Modificare Clicca sul  Testo desiderato"));
    const int meta = tw(larghezzafinestra) / 2;
    pannelloditta = new PannelloStato(barrastato);
    pannelloditta->setObjectName(QStringLiteral("StatusBar2_1"));
    pannelloditta->setGeometry(2, 1, meta - 3, tw(375) - 2);
    pannelloanno = new PannelloStato(barrastato);
    pannelloanno->setObjectName(QStringLiteral("StatusBar2_2"));
    pannelloanno->setGeometry(meta + 1, 1, meta - 3, tw(375) - 2);
    for (PannelloStato *p : {pannelloditta, pannelloanno}) {
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Sunken);
        p->setIndent(6);
        p->setCursor(Qt::PointingHandCursor);
        // A company's name as typed, even when it looks like markup.
        p->setTextFormat(Qt::PlainText);
    }
    connect(pannelloditta, &PannelloStato::cliccato, this, &Formprincipale::cambiaditta);
    connect(pannelloanno, &PannelloStato::cliccato, this, &Formprincipale::cambiaanno);
    // What the last import booked, over the right of the year's panel, until the next command.
    esitoimport = new QLabel(barrastato);
    esitoimport->setObjectName(QStringLiteral("esitoimport"));
    esitoimport->setGeometry(meta + meta / 3, 2, meta - meta / 3 - 4, tw(375) - 4);
    esitoimport->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    esitoimport->setTextFormat(Qt::PlainText);
    esitoimport->setAttribute(Qt::WA_TransparentForMouseEvents); // the year's panel stays clickable
    esitoimport->hide();
}

void Formprincipale::costruiscipulsanti()
{
    struct Pulsante {
        const char *nome;
        const char *suggerimento;
        void (Formprincipale::*comando)();
    };
    const Pulsante pulsanti[] = {
        {"impostazioni", "Gestione di Rete", &Formprincipale::impostazioni},
        {"backup", "Backup Archivio", &Formprincipale::backup},
        {"rubrica", "Anagrafica", &Formprincipale::rubrica},
        {"nuovo", "Nuova registrazione", &Formprincipale::nuovo},
        {"cerca", "Cerca movimenti", &Formprincipale::cerca},
        {"vedisaldi", "Saldi", &Formprincipale::vedisaldi},
        {"stampa", "Stampa", &Formprincipale::stampa},
        {"importa", "Importa estratto conto", &Formprincipale::importa},
        {"scadenze", "Scadenze", &Formprincipale::scadenze},
    };
    const char *icone[] = {"impostazioni", "backup", "rubrica", "nuovo",   "cerca",
                           "saldi",        "stampa", "importa", "scadenze"};
    int i = 0;
    for (const Pulsante &p : pulsanti) {
        // nine above the toolbar
        auto *b = pulsanteimmagine(this, p.nome, icone[i], area(120, 480 + 1055 * i, 1335, 975));
        b->setToolTip(QString::fromUtf8(p.suggerimento));
        connect(b, &QToolButton::clicked, esitoimport, &QLabel::hide);
        connect(b, &QToolButton::clicked, this, p.comando);
        ++i;
    }
    // The guide stands apart, under the months.
    auto *guida = pulsanteimmagine(this, "guida", "guida", area(12840, 8760, 2055, 1095));
    guida->setToolTip(QStringLiteral("Guida"));
    connect(guida, &QToolButton::clicked, this, [this] { mostraguida(this); });
}

void Formprincipale::costruiscirighe()
{
    const QFont intestazione = carattere(QStringLiteral("Arial"), 12, true);
    const QFont importi = carattere(QStringLiteral("Arial"), 11.25, true);
    struct Titolo {
        const char *nome;
        const char *testo;
        int x, larghezza;
    };
    const Titolo titoli[] = {{"Label1", "Data", 2280, 1215},
                             {"Label2", "Descrizione", 3480, 4575},
                             {"Label3", "ENTRATE", 8040, 1215},
                             {"Label4", "USCITE", 9240, 1215},
                             {"Label5", "SALDO", 10440, 1215}};
    for (const Titolo &t : titoli) {
        auto *l = new QLabel(QString::fromLatin1(t.testo), this);
        l->setObjectName(QString::fromLatin1(t.nome));
        l->setGeometry(area(t.x, 480, t.larghezza, 255));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(t.x < 8000 ? intestazione : importi);
        sfondobianco(l);
        colora(l, QPalette::WindowText, grigioscuro);
    }

    const QFont riga = carattere(QStringLiteral("Times New Roman"), 12, true);
    const QString suggerimento = QStringLiteral("Per Modificare - Cancellare usa il tasto destro");
    auto cella = [&](const char *nome, int k, const QRect &r, Qt::Alignment allineamento) {
        auto *c = new CellaRiga(k, this);
        c->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(k));
        c->setGeometry(r);
        c->setFont(riga);
        c->setText(QStringLiteral("-"));
        c->setAlignment(allineamento | Qt::AlignVCenter);
        c->setIndent(4);
        sfondobianco(c);
        colora(c, QPalette::WindowText, Qt::black);
        connect(c, &CellaRiga::premuta, this, &Formprincipale::premutariga);
        return c;
    };
    for (int k = 0; k < righevisibili; ++k) {
        const int y = 720 + 480 * k;
        ldata[k] = cella("ldata", k, area(2280, y, 1215, 495), Qt::AlignHCenter);
        descri1[k] = cella("descri1", k, area(3480, y, 4575, 255), Qt::AlignLeft);
        descri2[k] = cella("descri2", k, area(3480, y + 240, 4575, 255), Qt::AlignLeft);
        entrate[k] = cella("entrate", k, area(8040, y, 1215, 495), Qt::AlignRight);
        uscite[k] = cella("uscite", k, area(9240, y, 1215, 495), Qt::AlignRight);
        saldo[k] = cella("saldo", k, area(10440, y, 1215, 495), Qt::AlignRight);
        colora(descri1[k], QPalette::WindowText, Qt::blue);
        descri1[k]->setToolTip(suggerimento);
        descri2[k]->setToolTip(suggerimento);
    }

    scroll = new QScrollBar(Qt::Vertical, this);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setGeometry(area(11760, 480, 495, 8055));
    scroll->setRange(0, 0);
    scroll->setSingleStep(1);
    scroll->setPageStep(righevisibili);
    connect(scroll, &QScrollBar::valueChanged, this, &Formprincipale::aggiornavideo);
}

void Formprincipale::costruiscitotali()
{
    const QFont totali = carattere(QStringLiteral("Times New Roman"), 14.25, false);
    auto etichetta = [&](const char *nome, const QString &testo, int x) {
        auto *l = new QLabel(testo, this);
        l->setObjectName(QString::fromLatin1(nome));
        l->setGeometry(area(x, 8520, 1215, 375));
        l->setFont(totali);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    etichetta("Label6", QStringLiteral("Totali"), 6720)->setAlignment(Qt::AlignCenter);
    Label7 = etichetta("Label7", QStringLiteral("-"), 8040);
    Label8 = etichetta("Label8", QStringLiteral("-"), 9240);
    Label9 = etichetta("Label9", QStringLiteral("-"), 10440);

    // Shown only when the capacity of the month table dropped matching movements.
    avvisorighe = new QLabel(this);
    avvisorighe->setObjectName(QStringLiteral("avvisorighe"));
    avvisorighe->setGeometry(area(2280, 8520, 4380, 375));
    avvisorighe->setFont(carattere(QStringLiteral("Arial"), 9, true));
    colora(avvisorighe, QPalette::WindowText, QColor(192, 0, 0));
    avvisorighe->setWordWrap(true);
    avvisorighe->hide();
}

void Formprincipale::costruiscimesi()
{
    const QFont mese = carattere(QStringLiteral("Times New Roman"), 14.25, false);
    const QFont freccia = carattere(QStringLiteral("Arial"), 14.25, false);
    for (int k = 0; k <= 12; ++k) {
        auto *b = new QPushButton(nomemese(k), this);
        b->setObjectName(QStringLiteral("aprimese_%1").arg(k));
        b->setGeometry(area(12840, 720 + 600 * k, 2055, 495));
        b->setFont(mese);
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, esitoimport, &QLabel::hide);
        connect(b, &QPushButton::clicked, this, [this, k] { aprimese(k); });
        mesi[k] = b;

        auto *f = new QLabel(QStringLiteral(">"), this);
        f->setObjectName(QStringLiteral("frecciasx_%1").arg(k));
        f->setGeometry(area(12480, 840 - 60 + 600 * k, 255, 375));
        f->setFont(freccia);
        f->setAlignment(Qt::AlignCenter);
        colora(f, QPalette::WindowText, Qt::blue);
        f->setVisible(k == stato().mesecorrente);
        frecciasx[k] = f;
    }
}

void Formprincipale::costruiscitoolbar(const QStringList &conti)
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setGeometry(0, tw(10020), tw(larghezzafinestra), tw(630));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolTip(
        QStringLiteral("Per Aggiungere - Modificare  un Conto usa il tasto Destro "));
    Toolbar1->setContextMenuPolicy(Qt::CustomContextMenu);
    Toolbar1->setFont(carattere(QStringLiteral("Arial"), 10, true));
    Toolbar1->setStyleSheet(QStringLiteral(
        "QToolBar#Toolbar1 { background: #e4e9ef; border-top: 1px solid #b8c2cc;"
        " spacing: 4px; padding: 3px; }"
        "QToolBar#Toolbar1 QToolButton { background: #f7f9fb; border: 1px solid #aab4bf;"
        " border-radius: 3px; padding: 4px 14px; }"
        "QToolBar#Toolbar1 QToolButton:hover { background: white; border-color: #2f5d8a; }"
        "QToolBar#Toolbar1 QToolButton:checked { background: #2f5d8a; color: white;"
        " border-color: #24476b; }"));
    gruppoconti = new QActionGroup(this);
    gruppoconti->setExclusive(true);

    aggiungibottoneconto(QStringLiteral("TUTTI"));
    aggiungibottoneconto(QStringLiteral("CASSA"))->setChecked(true);
    for (const QString &nome : conti)
        aggiungibottoneconto(nome);
}

QAction *Formprincipale::aggiungibottoneconto(const QString &nome)
{
    const int indice = int(gruppoconti->actions().size()) + 1;
    auto *a = new AzioneConto(nome, this);
    a->setObjectName(QStringLiteral("Toolbar1_%1").arg(indice));
    a->setCheckable(true);
    a->setToolTip(Toolbar1->toolTip()); // the hint is the toolbar's, not the name again
    gruppoconti->addAction(a);
    Toolbar1->addAction(a);
    if (QWidget *w = Toolbar1->widgetForAction(a))
        w->setObjectName(QStringLiteral("Toolbar1_%1_pulsante").arg(indice));
    connect(a, &QAction::triggered, esitoimport, &QLabel::hide);
    connect(a, &QAction::triggered, this, [this, indice] { sceglieconto(indice); });
    return a;
}

QString Formprincipale::nomeconto(int indice) const
{
    const QList<QAction *> azioni = gruppoconti->actions();
    if (indice < 1 || indice > azioni.size())
        return {};
    return azioni[indice - 1]->text();
}

QStringList Formprincipale::nomiconti() const
{
    QStringList nomi;
    const QList<QAction *> azioni = gruppoconti->actions();
    for (qsizetype i = 1; i < azioni.size(); ++i)
        nomi.append(azioni[i]->text());
    return nomi;
}

void Formprincipale::costruiscimenu()
{
    auto azione = [this](const char *nome, const char *testo, void (Formprincipale::*comando)()) {
        auto *a = new QAction(QString::fromLatin1(testo), this);
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, esitoimport, &QLabel::hide);
        connect(a, &QAction::triggered, this, comando);
        return a;
    };
    opemov = new QMenu(this);
    opemov->setObjectName(QStringLiteral("opemov"));
    opemov->addAction(
        azione("modificamovimento", "Modifica Movimento", &Formprincipale::modificamovimento));
    opemov->addAction(
        azione("cancellamovimento", "Cancella Movimento", &Formprincipale::cancellamovimento));
    ripristina = azione("ripristinamovimento", "Ripristina movimento cancellato",
                        &Formprincipale::ripristinamovimento);
    ripristina->setEnabled(false); // until a movement is deleted
    opemov->addAction(ripristina);

    opetipo = new QMenu(this);
    opetipo->setObjectName(QStringLiteral("opetipo"));
    opetipo->addAction(azione("aggiungitipo", "Aggiungi", &Formprincipale::aggiungitipo));
    opetipo->addAction(azione("rinominatipo", "Rinomina", &Formprincipale::rinominatipo));
    connect(Toolbar1, &QToolBar::customContextMenuRequested, this,
            [this](const QPoint &p) { opetipo->popup(Toolbar1->mapToGlobal(p)); });
}

void Formprincipale::aggiornastato()
{
    pannelloditta->setText(QStringLiteral("Ditta ") + stato().nomeditta);
    pannelloanno->setText(QStringLiteral("Gestione: ") + annointero(stato().annogestione));
    aggiornaavvisoscadenze();
}
