#include "windows/stampa/formstampante.h"

#include "app/formprincipale.h"
#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/esportazione.h"
#include "ledger/periodo.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/stampante.h"
#include "windows/stampa/rapporto.h"

#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QToolButton>

namespace {

// What an entry after the printers writes: a PDF or a CSV file.
constexpr int ruolofile = Qt::UserRole + 1;
enum File { nessuno, pdf, csv };

QFont times()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSize(12);
    return f;
}

QGroupBox *cornice(QWidget *padre, const char *nome, const QString &titolo, const QRect &r)
{
    auto *g = new QGroupBox(titolo, padre);
    g->setObjectName(QLatin1String(nome));
    g->setGeometry(r);
    g->setFont(times());
    return g;
}

// A list placed by its position in the window, inside its frame.
QListWidget *lista(QGroupBox *cornice, const char *nome, const QRect &r)
{
    auto *l = new QListWidget(cornice);
    l->setObjectName(QLatin1String(nome));
    l->setGeometry(r.translated(-cornice->pos()));
    l->setFont(times());
    l->setStyleSheet(QStringLiteral("QListWidget { background: white; }"
                                    "QListWidget:focus { background: rgb(255, 255, 192); }"));
    return l;
}

QAbstractButton *pulsante(QWidget *padre, const char *nome, const char *icona,
                          const QString &suggerimento, const QRect &r)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QLatin1String(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icona))));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(suggerimento);
    b->setAutoFillBackground(true);
    QPalette p = b->palette();
    p.setColor(QPalette::Button, Qt::white);
    b->setPalette(p);
    return b;
}

int rigascelta(const QListWidget *l, int predefinita)
{
    const QList<QListWidgetItem *> scelte = l->selectedItems();
    return scelte.isEmpty() ? predefinita : l->row(scelte.first());
}

} // namespace

Formstampante::Formstampante(QWidget *parent) : Formstampante(Documento(), parent) {}

Formstampante::Formstampante(Documento documento, QWidget *parent)
    : QDialog(parent), documento(std::move(documento))
{
    setObjectName(QStringLiteral("Formstampante"));
    setWindowTitle(QString());
    setFixedSize(tw(5115), tw(4275));
    sfondo(this, QColor(192, 192, 192));
    costruisci();
    caricaliste();
}

void Formstampante::costruisci()
{
    QGroupBox *frame1 =
        cornice(this, "Frame1", QStringLiteral("Stampante"), area(120, 120, 3735, 3255));
    Lista = lista(frame1, "Lista", area(240, 480, 3495, 2880));
    QGroupBox *frame2 =
        cornice(this, "Frame2", QStringLiteral("Qualità"), area(3960, 120, 1095, 1695));
    Listaqualita = lista(frame2, "Listaqualita", area(4080, 480, 855, 1170));
    QGroupBox *frame3 =
        cornice(this, "Frame3", QStringLiteral("Copie"), area(3960, 1920, 1095, 1455));
    Listcopie = lista(frame3, "Listcopie", area(4080, 2280, 855, 885));
    annulla =
        pulsante(this, "annulla", "annulla", QStringLiteral("Chiudi"), area(120, 3480, 1095, 735));
    Command1 =
        pulsante(this, "Command1", "stampa", QStringLiteral("Stampa"), area(3960, 3480, 1095, 735));
    // Long printer names scroll sideways instead of being cut.
    Lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Lista->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabOrder(Lista, Listcopie);
    setTabOrder(Listcopie, Listaqualita);
    setTabOrder(Listaqualita, Command1);
    setTabOrder(Command1, annulla);
    bottoneanteprima = pulsante(this, "anteprima", "cerca", QStringLiteral("Anteprima"),
                                area(2040, 3480, 1095, 735));
    bottoneanteprima->setText(QStringLiteral("Anteprima"));
    bottoneanteprima->setIconSize(QSize(20, 20));
    qobject_cast<QToolButton *>(bottoneanteprima)->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setTabOrder(Command1, bottoneanteprima);
    setTabOrder(bottoneanteprima, annulla);
    connect(Command1, &QAbstractButton::clicked, this, &Formstampante::stampa);
    connect(bottoneanteprima, &QAbstractButton::clicked, this, &Formstampante::anteprima);
    connect(annulla, &QAbstractButton::clicked, this, &QDialog::reject);
}

void Formstampante::caricaliste()
{
    Stampante &s = stampante();
    const QString corrente = s.corrente();
    for (const QString &nome : s.stampanti()) {
        Lista->addItem(nome);
        if (nome == corrente)
            Lista->setCurrentRow(Lista->count() - 1);
    }
    (new QListWidgetItem(vocepdf(), Lista))->setData(ruolofile, File::pdf);
    (new QListWidgetItem(vocecsv(), Lista))->setData(ruolofile, File::csv);
    Listaqualita->addItems({QStringLiteral("Alta"), QStringLiteral("Media"),
                            QStringLiteral("Bassa"), QStringLiteral("Bozza")});
    Listaqualita->setCurrentRow(2);
    Listcopie->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    Listcopie->setCurrentRow(0);
}

Lavoro Formstampante::lavoro() const
{
    const Stato &st = stato();
    Lavoro l;
    l.qualita = rigascelta(Listaqualita, 2) - 4;
    l.copie = rigascelta(Listcopie, 0) + 1;
    l.titolo = QStringLiteral("CONTO ") + nomeconto(st.contocorrente) + QLatin1Char(' ') +
               nomeperiodo(st.mesecorrente);
    l.anno = st.annogestione;
    if (documento.pagine)
        l.titolo = documento.titolo;
    return l;
}

std::function<bool(Stampante &)> Formstampante::disegno() const
{
    const Lavoro l = lavoro();
    if (documento.pagine)
        return [l, pagine = documento.pagine](Stampante &s) { return pagine(s, l); };
    return [l](Stampante &s) { return stampapagine(s, stato().tabellamese, l); };
}

void Formstampante::stampa()
{
    const QList<QListWidgetItem *> scelte = Lista->selectedItems();
    if (scelte.isEmpty())
        return;
    switch (scelte.first()->data(ruolofile).toInt()) {
    case File::pdf:
        return stampapdf();
    case File::csv:
        return esportacsv();
    }
    Stampante &s = stampante();
    if (stampasu(s, scelte.first()->text(), disegno()) == Esitostampa::interrotta)
        interrotta(s.motivo());
}

void Formstampante::stampapdf()
{
    const QString file =
        salvacome(this, vocepdf(), QStringLiteral("stampa"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    std::unique_ptr<Stampante> s = stampantepdf(file);
    if (!disegno()(*s))
        interrotta(s->motivo());
}

// The ledger the main window shows, every matching movement also past what the screen holds.
// It is read again with what the screen was loaded with, not with the state of the moment.
void Formstampante::esportacsv()
{
    if (documento.foglio)
        return documento.foglio();
    const Stato &st = stato();
    const FiltroMese f = st.filtrotabella.value_or(st.filtro());
    const QString nome =
        nomeconto(f.contocorrente) + QLatin1Char('_') + nomeperiodo(f.mesecorrente, f.annogestione);
    const QString file = salvacome(this, vocecsv(), nome, QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    QStringList conti = {QString(), nomeconto(1)};
    conti += nomiconti();
    // Before the first load the screen holds no rows: neither does the file.
    const Esito e = st.filtrotabella ? esportaregistro(file, f, conti)
                                     : esportatabella(file, st.tabellamese, f.annogestione, conti);
    if (!e)
        avviso(this, e.messaggio());
}

// The same pages the printer would get.
void Formstampante::anteprima()
{
    const QList<QListWidgetItem *> scelte = Lista->selectedItems();
    const int voce = scelte.isEmpty() ? File::nessuno : scelte.first()->data(ruolofile).toInt();
    if (scelte.isEmpty() || voce == File::csv)
        return avviso(this, QStringLiteral("Scegliere una stampante o \"%1\" per vedere "
                                           "l'anteprima di stampa.")
                                .arg(vocepdf()));
    QString motivo;
    if (!::anteprima(this, voce == File::pdf ? QString() : scelte.first()->text(), disegno(),
                     motivo))
        avviso(this, QStringLiteral("L'anteprima non è stata completata.\n") + motivo);
}

// The pages drawn have gone out; a half print must not pass for a whole one.
void Formstampante::interrotta(const QString &motivo)
{
    QString testo = QStringLiteral("La stampa non è stata completata.");
    if (!motivo.isEmpty())
        testo += QStringLiteral("\n") + motivo;
    avviso(this, testo);
}
