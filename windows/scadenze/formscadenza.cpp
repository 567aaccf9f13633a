#include "windows/scadenze/formscadenza.h"

#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/importo.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "windows/rubrica/formproduttore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

namespace {

// The repetitions offered, in months between occurrences.
const std::pair<const char *, qint16> ripetizioni[] = {{"una volta", 0},   {"ogni mese", 1},
                                                       {"ogni 2 mesi", 2}, {"ogni 3 mesi", 3},
                                                       {"ogni 6 mesi", 6}, {"ogni anno", 12}};

template <class W> W *campo(QWidget *padre, const char *nome, const char *titolo, int y)
{
    auto *t = new QLabel(QString::fromUtf8(titolo), padre);
    t->setGeometry(area(120, y, 1800, 330));
    auto *w = new W(padre);
    w->setObjectName(QString::fromLatin1(nome));
    w->setGeometry(area(1980, y, 4500, 330));
    return w;
}

} // namespace

Formscadenza::Formscadenza(const Scadenza &s, bool nuova, QWidget *parent)
    : QDialog(parent), risultato(s)
{
    setObjectName(QStringLiteral("Formscadenza"));
    setWindowTitle(QStringLiteral("Scadenza"));
    setFixedSize(tw(6720), tw(4920));
    sfondo(this, QColor(192, 192, 192));
    costruisci();
    data->setDate(s.data);
    descrizione1->setText(s.descrizione1);
    descrizione2->setText(s.descrizione2);
    testimporto->setText(s.importo ? fixed(s.importo) : QString());
    segno->setCurrentRow(s.segno == 1 ? 1 : 0);
    conto->setCurrentIndex(std::max(0, s.conto - 1));
    for (int i = 0; i < ripetizione->count(); ++i)
        if (ripetizioni[i].second == s.ripetizione)
            ripetizione->setCurrentIndex(i);
    volte->setValue(s.volte);
    descrizione1->setReadOnly(s.contatto != 0);
    stima->setChecked(s.stima);
    ripetizione->setEnabled(nuova);
    volte->setEnabled(nuova);
}

void Formscadenza::costruisci()
{
    data = campo<QDateEdit>(this, "data", "Scadenza", 120);
    data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    data->setCalendarPopup(true);
    descrizione1 = campo<QLineEdit>(this, "descrizione1", "Descrizione", 540);
    descrizione1->resize(tw(3780), descrizione1->height());
    auto *rubrica = new QToolButton(this);
    rubrica->setObjectName(QStringLiteral("cerca"));
    rubrica->setText(QStringLiteral("Rubrica"));
    rubrica->setGeometry(area(5820, 540, 660, 330));
    connect(rubrica, &QToolButton::clicked, this, &Formscadenza::cerca);
    descrizione2 = campo<QLineEdit>(this, "descrizione2", "Descrizione 2", 960);
    for (QLineEdit *d : {descrizione1, descrizione2})
        d->setMaxLength(50);
    testimporto = campo<QLineEdit>(this, "testimporto", "Importo", 1380);
    segno = campo<QListWidget>(this, "segno", "", 1800);
    segno->setGeometry(area(1980, 1800, 1500, 600));
    segno->addItems({QStringLiteral("ENTRATE"), QStringLiteral("USCITE")});
    conto = campo<QComboBox>(this, "conto", "Conto", 2520);
    conto->addItem(QString());
    conto->addItems(nomiconti());
    costruisciripetizione();

    auto *annulla =
        pulsanteimmagine(this, "annulla", area(120, 4080, 855, 735), QStringLiteral("Annulla"));
    auto *registra = pulsanteimmagine(this, "registra", area(5625, 4080, 975, 735),
                                      QStringLiteral("Registra la scadenza"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
    connect(registra, &QToolButton::clicked, this, &Formscadenza::registra);
}

void Formscadenza::costruisciripetizione()
{
    ripetizione = campo<QComboBox>(this, "ripetizione", "Ripetizione", 2940);
    for (const auto &r : ripetizioni)
        ripetizione->addItem(QString::fromUtf8(r.first));
    volte = campo<QSpinBox>(this, "volte", "Volte (0: senza fine)", 3360);
    volte->setRange(0, 999);
    stima = new QCheckBox(QStringLiteral("importo indicativo"), this);
    stima->setObjectName(QStringLiteral("stima"));
    stima->setGeometry(area(1980, 3720, 4500, 330));
}

QString Formscadenza::controlla(Scadenza &s) const
{
    if (descrizione1->text().trimmed().isEmpty())
        return QStringLiteral("Manca la Prima Descrizione!");
    if (descrizione2->text().trimmed().isEmpty())
        return QStringLiteral("Manca la Seconda Descrizione!");
    const std::optional<Importo> letto = importodigitato(testimporto->text());
    if (!letto)
        return QStringLiteral("Importo non valido!");
    if (letto->zero)
        return QStringLiteral("Importo pari a Zero!");
    if (letto->fuoriscala || letto->valore < 0)
        return QStringLiteral("Importo non valido!");
    s.importo = letto->valore;
    return {};
}

void Formscadenza::registra()
{
    Scadenza s = risultato;
    if (const QString messaggio = controlla(s); !messaggio.isEmpty())
        return avviso(this, messaggio);
    s.data = data->date();
    s.descrizione1 = descrizione1->text().trimmed();
    s.descrizione2 = descrizione2->text().trimmed();
    s.segno = qint16(segno->currentRow() == 1 ? 1 : 0);
    s.conto = qint16(conto->currentIndex() > 0 ? conto->currentIndex() + 1 : 0);
    if (ripetizione->isEnabled()) {
        s.ripetizione = ripetizioni[ripetizione->currentIndex()].second;
        s.volte = qint16(s.ripetizione ? volte->value() : 0);
    }
    s.stima = stima->isChecked();
    risultato = s;
    accept();
}

void Formscadenza::cerca()
{
    Stato &s = stato();
    s.sceltacontatto = -1;
    s.numerocontattoscelto = 0;
    {
        Formproduttore rubrica(this);
        rubrica.exec();
    }
    // The address book never hands back a contact the 16-bit field cannot hold.
    const bool scelto = s.numerocontattoscelto > 0 && s.numerocontattoscelto <= 32767;
    risultato.contatto = scelto ? qint16(s.numerocontattoscelto) : 0;
    descrizione1->setText(scelto ? s.contattoscelto.trimmed() : QString());
    descrizione1->setReadOnly(scelto);
    s.sceltacontatto = 0;
    s.numerocontattoscelto = 0;
    s.contattoscelto.clear();
}
