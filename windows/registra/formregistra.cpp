#include "windows/registra/formregistra.h"

#include "app/formprincipale.h"
#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/descrizioni.h"
#include "ledger/importo.h"
#include "ledger/periodo.h"
#include "platform/aspetto.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/conti.h"
#include "store/filemese.h"
#include "windows/rubrica/formproduttore.h"

#include <QCalendarWidget>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {

QFont timesnewroman()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSize(11);
    return f;
}

QToolButton *pulsante(QWidget *padre, const char *nome, const char *icona, const QRect &r,
                      const QString &suggerimento)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icona))));
    b->setIconSize(r.size() - QSize(16, 16));
    b->setToolTip(suggerimento);
    b->setAutoRaise(false);
    return b;
}

QGroupBox *cornice(QWidget *padre, const char *nome, const QString &titolo, const QRect &r)
{
    auto *g = new QGroupBox(titolo, padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->setGeometry(r);
    return g;
}

// A control inside a frame is placed by window coordinates, as the layout gives them.
QRect dentro(const QWidget *cornice, const QRect &r)
{
    return r.translated(-cornice->pos());
}

const QString importononvalido = QStringLiteral("Importo non valido!");

void azzerascelta()
{
    stato().contattoscelto.clear();
    stato().numerocontattoscelto = 0;
    stato().sceltacontatto = 0;
}

// The date of a modified movement; a day its month does not have (a damaged record) is moved
// to the month's last day rather than losing the month.
QDate datamovimento(const MovimentoCorrente &m)
{
    const QDate primo(annointero(stato().annogestione).toInt(), m.mese, 1);
    if (!primo.isValid())
        return oggi();
    return primo.addDays(qBound(1, int(m.giorno), primo.daysInMonth()) - 1);
}

} // namespace

Formregistra::Formregistra(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formregistra"));
    setWindowTitle(QString());
    setFixedSize(tw(8580), tw(3780));
    costruisci();
    carica();
    offridescrizioni();
    cale->setFocus();
}

void Formregistra::costruisci()
{
    cale = new QCalendarWidget(this);
    cale->setObjectName(QStringLiteral("cale"));
    cale->setGeometry(area(120, 120, 3090, 2760));
    cale->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cale->setGridVisible(true);
    cale->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    QFont piccolo = cale->font();
    piccolo.setPointSize(8); // six weeks have to fit the narrow column
    cale->setFont(piccolo);
    costruiscidescrizione();
    costruisciimporto();

    auto *annulla =
        pulsante(this, "annulla", "annulla", area(120, 3000, 855, 735), QStringLiteral("Annulla"));
    auto *registra = pulsante(this, "registra", "registra", area(7560, 3000, 975, 735),
                              QStringLiteral("Registra"));
    connect(annulla, &QToolButton::clicked, this, &Formregistra::annulla);
    connect(registra, &QToolButton::clicked, this, &Formregistra::registra);

    const QList<QWidget *> ordine = {cale,     Text1[0], Text1[1],      List1, testimporto,
                                     registra, annulla,  pulsantecerca, List2};
    for (qsizetype i = 1; i < ordine.size(); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
}

void Formregistra::costruiscidescrizione()
{
    auto *frame2 =
        cornice(this, "Frame2", QStringLiteral("Descrizione"), area(3360, 0, 5175, 1455));
    for (int i = 0; i < 2; ++i) {
        auto *t = new QLineEdit(frame2);
        t->setObjectName(QStringLiteral("Text1_%1").arg(i));
        t->setGeometry(dentro(frame2, area(3480, 360 + 480 * i, 3735, 495)));
        t->setMaxLength(50);
        t->setFont(timesnewroman());
        colorasulfuoco(t);
        Text1[i] = t;
    }
    Text1[0]->installEventFilter(this);
    pulsantecerca =
        pulsante(frame2, "cerca", "contatto", dentro(frame2, area(7320, 360, 1095, 975)),
                 QStringLiteral("Scegli dalla rubrica"));
    connect(pulsantecerca, &QToolButton::clicked, this, &Formregistra::cerca);
}

void Formregistra::costruisciimporto()
{
    auto *frame3 = cornice(this, "Frame3", QStringLiteral("Conto"), area(3360, 1560, 1815, 1335));
    List2 = new QListWidget(frame3);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(dentro(frame3, area(3480, 1920, 1575, 885)));
    List2->setFont(timesnewroman());
    // The box is narrow: long account names are elided rather than scrolled sideways, and
    // the full name shows as a tooltip.
    List2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List2->setTextElideMode(Qt::ElideRight);

    auto *frame1 =
        cornice(this, "Frame1", QStringLiteral("Importo €"), area(5280, 1560, 3255, 1335));
    List1 = new QListWidget(frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(dentro(frame1, area(5400, 2040, 1215, 600)));
    List1->setFont(timesnewroman());
    colorasulfuoco(List1);

    testimporto = new QLineEdit(frame1);
    testimporto->setObjectName(QStringLiteral("testimporto"));
    testimporto->setGeometry(dentro(frame1, area(6720, 2040, 1695, 495)));
    testimporto->setFont(timesnewroman());
    testimporto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The key filter below is the rule; these close the other ways in (paste from the menu, the
    // selection or a drop), which would bypass it.
    testimporto->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.,\\-]*")), testimporto));
    testimporto->setContextMenuPolicy(Qt::NoContextMenu);
    testimporto->setAcceptDrops(false);
    testimporto->installEventFilter(this);
    colorasulfuoco(testimporto);
}

// Fills the lists, forgets an earlier pick, then shows the movement handed in.
void Formregistra::carica()
{
    List1->addItems({QStringLiteral("ENTRATE"), QStringLiteral("USCITE")});
    List1->setCurrentRow(0);
    azzerascelta();
    List2->addItems(nomiconti());
    for (int i = 0; i < List2->count(); ++i)
        List2->item(i)->setToolTip(List2->item(i)->text());
    List2->setCurrentRow(0);

    const MovimentoCorrente &m = stato().movimentocorrente;
    if (m.numero == 0) {
        cale->setSelectedDate(oggi());
        return;
    }
    cale->setSelectedDate(datamovimento(m));
    Text1[0]->setText(m.descrizione1.trimmed());
    Text1[1]->setText(m.descrizione2.trimmed());
    List1->setCurrentRow(m.segno == movimento::uscita ? 1 : 0);
    // An account no longer on the toolbar selects nothing, and saving keeps the stored one.
    List2->setCurrentRow(m.conto - 2 < List2->count() ? m.conto - 2 : -1);
    testimporto->setText(fixedpunto(m.importo));
    if (m.contatto != 0) {
        stato().contattoscelto = m.descrizione1.trimmed();
        stato().numerocontattoscelto = m.contatto;
    }
    bloccadescrizione(m.contatto != 0);
}

// Read once per opening: the year's descriptions cost one load of the year's ledger.
void Formregistra::offridescrizioni()
{
    const Stato &s = stato();
    DescrizioniUsate usate;
    // Suggestions are a help: a year that cannot be read offers none, and saving reports it.
    if (!descrizioniusate(s.percorso, s.annogestione, s.dittacorrente, usate))
        return;
    for (int i = 0; i < 2; ++i) {
        auto *c = new QCompleter(usate.descrizione[i], this);
        c->setObjectName(QStringLiteral("suggerimenti_%1").arg(i));
        c->setCaseSensitivity(Qt::CaseInsensitive);
        c->setModelSorting(QCompleter::UnsortedModel); // the most frequent first, as counted
        suggerimenti[i] = c;
    }
    Text1[1]->setCompleter(suggerimenti[1]);
    bloccadescrizione(Text1[0]->isReadOnly());
}

// A box locked to a contact holds its name and offers nothing else.
void Formregistra::bloccadescrizione(bool bloccata)
{
    Text1[0]->setReadOnly(bloccata);
    Text1[0]->setCompleter(bloccata ? nullptr : suggerimenti[0]);
}

void Formregistra::cerca()
{
    stato().sceltacontatto = -1;
    {
        Formproduttore rubrica(this);
        rubrica.exec();
    }
    Stato &s = stato();
    if (s.numerocontattoscelto != 0) {
        s.contattoscelto = s.contattoscelto.trimmed();
        Text1[0]->setText(s.contattoscelto);
        bloccadescrizione(true);
        Text1[1]->setFocus();
    } else {
        Text1[0]->clear();
        bloccadescrizione(false);
        Text1[0]->setFocus();
    }
}

QString Formregistra::controlla(qint64 &importo) const
{
    if (Text1[0]->text().trimmed().isEmpty())
        return QStringLiteral("Manca la Prima Descrizione!");
    if (Text1[1]->text().trimmed().isEmpty())
        return QStringLiteral("Manca la Seconda Descrizione!");
    // A slip of the finger is refused, never saved as another amount.
    const std::optional<Importo> letto = importodigitato(testimporto->text());
    if (!letto)
        return importononvalido;
    if (letto->zero)
        return QStringLiteral("Importo pari a Zero!");
    if (letto->fuoriscala)
        return QStringLiteral("Importo troppo grande!");
    importo = letto->valore;

    const QDate data = cale->selectedDate();
    if (data.year() % 100 != stato().annogestione.toInt())
        return QStringLiteral("Anno errato! Puoi modificare solo il giorno.");
    const qint16 mese = stato().movimentocorrente.mese;
    if (mese != 0 && data.month() != mese)
        return QStringLiteral("Mese errato! Puoi modificare solo il giorno.");
    return {};
}

Movimento Formregistra::movimento(qint64 importo) const
{
    const Stato &s = stato();
    Movimento m;
    m.giorno = qint16(cale->selectedDate().day());
    m.descrizione1 = Text1[0]->text().trimmed();
    m.descrizione2 = Text1[1]->text().trimmed();
    m.segno = List1->currentRow() == 1 ? movimento::uscita : movimento::entrata;
    m.importo = importo;
    m.conto = List2->currentRow() >= 0 ? qint16(List2->currentRow() + 2)
                                       : qMax(s.movimentocorrente.conto, conti::cassa);
    m.ditta = s.dittacorrente;
    // The address book never hands back a contact the 16-bit field cannot hold.
    m.contatto = s.numerocontattoscelto <= 32767 ? qint16(s.numerocontattoscelto) : 0;
    return m;
}

void Formregistra::registra()
{
    qint64 importo = 0;
    if (const QString messaggio = controlla(importo); !messaggio.isEmpty()) {
        avviso(this, messaggio);
        if (messaggio == importononvalido)
            testimporto->setFocus(); // to be mended where it was typed
        return;
    }
    const Stato &s = stato();
    const qint32 numero = s.movimentocorrente.numero;
    // A movement changed is rewritten where the screen read it, even after another data root
    // was chosen; a new one goes to the current root.
    const QString radice = numero != 0 && s.filtrotabella ? s.filtrotabella->percorso : s.percorso;
    const QString file = percorsomese(radice, cale->selectedDate().month(), s.annogestione);
    const Movimento m = movimento(importo);
    const int mese = cale->selectedDate().month();
    const Esito esito = numero != 0 ? riscrivimovimento(file, numero, m)
                        : scrittura ? scrittura(file, mese, m)
                                    : aggiungimovimento(file, m);
    if (!esito) {
        // Everything typed stays in the window, so the user can try again.
        avviso(this, esito.messaggio());
        return;
    }
    azzerascelta();
    accept();
}

void Formregistra::proponi(const Movimento &m, bool importo)
{
    Text1[0]->setText(m.descrizione1);
    Text1[1]->setText(m.descrizione2);
    List1->setCurrentRow(m.segno == movimento::uscita ? 1 : 0);
    if (m.conto >= 2 && m.conto - 2 < List2->count())
        List2->setCurrentRow(m.conto - 2);
    testimporto->setText(importo ? fixedpunto(m.importo) : QString());
    stato().contattoscelto = m.contatto ? m.descrizione1 : QString();
    stato().numerocontattoscelto = m.contatto;
    bloccadescrizione(m.contatto != 0);
}

void Formregistra::annulla()
{
    azzerascelta();
    reject();
}

namespace {

// The amount box takes digits, the comma, the point, the minus and Backspace, the form being
// checked on save; every other character, control characters included (copy, cut, paste,
// Enter), is dropped before it arrives. Keys that type nothing (arrows, Home, Delete) and the
// keys that move or close pass.
bool tastoimporto(const QKeyEvent *k)
{
    for (QKeySequence::StandardKey s :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Undo,
          QKeySequence::Redo, QKeySequence::SelectAll})
        if (k->matches(s))
            return false;
    switch (k->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const QString t = k->text();
    if (t.isEmpty())
        return true;
    if (t.size() != 1 || (k->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    const QChar c = t.at(0);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
           c == QLatin1Char('.') || c == QLatin1Char('-');
}

bool invio(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

bool Formregistra::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    const auto *k = static_cast<QKeyEvent *>(evento);
    if (oggetto == testimporto)
        return !tastoimporto(k);
    // With the suggestions open, Enter goes to their list and picks one; this box never sees it.
    if (oggetto == Text1[0] && invio(k)) {
        cerca();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}
