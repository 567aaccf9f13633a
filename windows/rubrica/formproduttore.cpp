#include "windows/rubrica/formproduttore.h"

#include "app/stato.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "store/rubrica.h"
#include "windows/rubrica/ricercanomi.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

// The boxes by index: caption, field of the record, width of the field, and the place of the
// label and of the box. The index order is not the order of the fields in the file.
struct Casella {
    const char *etichetta;
    const char *didascalia;
    QString Contatto::*campo;
    int larghezzacampo;
    int xl, yl, xb, yb, larghezza;
};

const std::array<Casella, 11> caselle = {{
    {"Label1", "Ragione sociale", &Contatto::ragionesociale, 50, 120, 240, 2040, 120, 4095},
    {"Label2", "Indirizzo", &Contatto::indirizzo, 50, 120, 840, 1320, 720, 4815},
    {"Label3", "CAP", &Contatto::cap, 5, 120, 1440, 840, 1320, 975},
    {"Label4", "Città", &Contatto::citta, 20, 2040, 1440, 2760, 1320, 3375},
    {"Label8", "P.Iva", &Contatto::partitaiva, 11, 120, 2040, 840, 1920, 2175},
    {"Label9", "CF", &Contatto::codicefiscale, 20, 3360, 2040, 3840, 1920, 2295},
    {"Label5", "Tel.", &Contatto::telefono, 15, 120, 2640, 840, 2520, 2175},
    {"Label7", "Fax", &Contatto::fax, 15, 3240, 2640, 3840, 2520, 2295},
    {"Label10", "Email", &Contatto::email, 50, 120, 3240, 840, 3120, 5295},
    {"Label11", "Referente", &Contatto::referente, 20, 120, 3840, 1320, 3720, 4815},
    {"Label12", "Note", &Contatto::note, 50, 120, 4440, 840, 4320, 5295},
}};

// Movements keep the contact in a 16-bit field.
constexpr qint32 ultimocontattocollegabile = 32767;

QFont timesnewroman()
{
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSize(11);
    return f;
}

bool invio(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

Formproduttore::Formproduttore(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formproduttore"));
    setWindowTitle(QString());
    costruiscimenu();
    auto *corpo = new QWidget(this);
    const int altezzamenu = findChild<QMenuBar *>()->sizeHint().height();
    corpo->setGeometry(0, altezzamenu, tw(6195), tw(5610));
    setFixedSize(tw(6195), altezzamenu + tw(5610));
    costruiscicampi(corpo);
    costruiscicerca(corpo);

    auto *annulla = new QToolButton(corpo);
    annulla->setObjectName(QStringLiteral("annulla"));
    annulla->setGeometry(area(5040, 4920, 1095, 615));
    annulla->setIcon(QIcon(QStringLiteral(":/icons/annulla.svg")));
    annulla->setIconSize(annulla->size() - QSize(14, 14));
    annulla->setToolTip(QStringLiteral("Chiudi"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);

    setTabOrder(Textcerca, Listacerca);
    setTabOrder(Listacerca, Text1[0]);
    for (int i = 1; i < 11; ++i)
        setTabOrder(Text1[i - 1], Text1[i]);
    setTabOrder(Text1[10], annulla);

    stato().contattoscelto.clear();
    stato().numerocontattoscelto = 0;
    Text1[0]->setFocus();
}

void Formproduttore::costruiscimenu()
{
    auto *barra = new QMenuBar(this);
    barra->setObjectName(QStringLiteral("menu"));
    barra->setNativeMenuBar(false);
    auto azione = [&](const char *nome, const QString &testo, void (Formproduttore::*cmd)()) {
        auto *a = new QAction(testo, this);
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, this, cmd);
        barra->addAction(a);
        return a;
    };
    azionecerca = azione("cerca", QStringLiteral("Cerca"), &Formproduttore::attivacerca);
    azioneregistra = azione("registra", QStringLiteral("Registra"), &Formproduttore::registra);
    azionemodifica = azione("modifica", QStringLiteral("Modifica"), &Formproduttore::modifica);
    azionecancella =
        azione("cancella", QStringLiteral("Cancella righe"), &Formproduttore::cancella);
}

void Formproduttore::costruiscicampi(QWidget *corpo)
{
    for (int i = 0; i < 11; ++i) {
        const Casella &c = caselle[i];
        auto *l = new QLabel(QString::fromUtf8(c.didascalia), corpo);
        l->setObjectName(QString::fromLatin1(c.etichetta));
        l->setGeometry(area(c.xl, c.yl, c.xb - c.xl - 60, 255));

        auto *t = new QLineEdit(corpo);
        t->setObjectName(QStringLiteral("Text1_%1").arg(i));
        t->setGeometry(area(c.xb, c.yb, c.larghezza, 495));
        t->setMaxLength(c.larghezzacampo);
        t->setFont(timesnewroman());
        colora(t, QPalette::Text, QColor(0, 0, 192));
        colorasulfuoco(t);
        t->installEventFilter(this);
        Text1[i] = t;
    }
}

void Formproduttore::costruiscicerca(QWidget *corpo)
{
    Listacerca = new QListWidget(corpo);
    Listacerca->setObjectName(QStringLiteral("Listacerca"));
    Listacerca->setGeometry(area(2040, 120, 4095, 2235));
    Listacerca->setFont(timesnewroman());
    Listacerca->setUniformItemSizes(true); // a thousand lines lay out at once
    colora(Listacerca, QPalette::Base, giallochiaro);
    Listacerca->installEventFilter(this);
    connect(Listacerca, &QListWidget::itemClicked, this, [this](QListWidgetItem *riga) {
        carica(numeritrovati.value(Listacerca->row(riga) + 1));
    });

    Textcerca = new QLineEdit(corpo);
    Textcerca->setObjectName(QStringLiteral("Textcerca"));
    Textcerca->setGeometry(area(2040, 2400, 4095, 495));
    Textcerca->setMaxLength(10);
    Textcerca->setFont(timesnewroman());
    colora(Textcerca, QPalette::Base, giallochiaro);
    colora(Textcerca, QPalette::Text, QColor(0, 0, 255));
    Textcerca->installEventFilter(this);
    connect(Textcerca, &QLineEdit::textChanged, this, &Formproduttore::cercanome);

    Listacerca->hide();
    Textcerca->hide();
    Listacerca->raise();
    Textcerca->raise();
}

void Formproduttore::attivacerca()
{
    modoricerca(Listacerca->isHidden());
}

void Formproduttore::modoricerca(bool attivo)
{
    for (QLineEdit *t : Text1)
        t->setEnabled(!attivo);
    for (QAction *a : {azioneregistra, azionemodifica, azionecancella})
        a->setEnabled(!attivo);
    if (attivo) {
        Listacerca->show();
        Textcerca->show();
        Textcerca->setFocus();
        return;
    }
    {
        // Emptying the box is not a search: nothing needs reading on the way out.
        const QSignalBlocker blocco(Textcerca);
        Textcerca->clear();
    }
    Listacerca->clear();
    Listacerca->hide();
    Textcerca->hide();
    Text1[0]->setFocus();
}

void Formproduttore::cercanome()
{
    const NomiTrovati trovati = cercanomi(stato().percorso, Textcerca->text(), massimotrovati);
    numeritrovati.fill(0);
    std::copy(trovati.numeri.begin(), trovati.numeri.end(), numeritrovati.begin() + 1);
    Listacerca->clear();
    Listacerca->addItems(trovati.nomi);
}

void Formproduttore::carica(qint32 numero)
{
    if (numero <= 0)
        return;
    Contatto c;
    if (const Esito e = leggicontatto(stato().percorso, numero, c); !e) {
        avviso(this, e.messaggio());
        return;
    }
    contattocorrente = numero;
    for (int i = 0; i < 11; ++i)
        Text1[i]->setText(c.*caselle[i].campo);
    modoricerca(false);
    consegna(numero, c.ragionesociale);
}

bool Formproduttore::consegna(qint32 numero, const QString &nome)
{
    Stato &s = stato();
    if (s.sceltacontatto != 0 && numero > ultimocontattocollegabile) {
        s.contattoscelto.clear();
        s.numerocontattoscelto = 0;
        avviso(this, QStringLiteral("Il contatto numero %1 non può essere collegato a un "
                                    "movimento: si possono collegare solo i contatti fino "
                                    "al numero %2.")
                         .arg(numero)
                         .arg(ultimocontattocollegabile));
        return false;
    }
    s.contattoscelto = nome.trimmed();
    s.numerocontattoscelto = numero;
    return true;
}

Contatto Formproduttore::contattodalform() const
{
    Contatto c;
    for (int i = 0; i < 11; ++i)
        c.*caselle[i].campo = Text1[i]->text().trimmed();
    return c;
}

void Formproduttore::scrivi(int modo)
{
    if (Text1[0]->text().trimmed().isEmpty()) {
        avviso(this, QStringLiteral("Manca la Ragione Sociale"));
        return;
    }
    const Contatto c = contattodalform();
    qint32 numero = contattocorrente;
    const Esito e = modo == 0 ? aggiungicontatto(stato().percorso, c, &numero)
                              : riscrivicontatto(stato().percorso, numero, c);
    if (!e) {
        avviso(this, e.messaggio()); // the form keeps what was typed
        return;
    }
    svuotacampi();
    if (stato().sceltacontatto != 0 && consegna(numero, c.ragionesociale))
        accept();
}

void Formproduttore::svuotacampi()
{
    for (QLineEdit *t : Text1)
        t->clear();
    Text1[0]->setFocus();
}

void Formproduttore::registra()
{
    if (contattocorrente != 0)
        avviso(this, QStringLiteral("Contatto già presente"));
    else
        scrivi(0);
}

void Formproduttore::modifica()
{
    if (contattocorrente != 0)
        scrivi(1);
    else
        avviso(this, QStringLiteral("Selezionare Contatto"));
}

void Formproduttore::cancella()
{
    stato().contattoscelto.clear();
    stato().numerocontattoscelto = 0;
    contattocorrente = 0;
    svuotacampi();
}

bool Formproduttore::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    const auto *k = static_cast<QKeyEvent *>(evento);
    if (oggetto == Textcerca && k->key() == Qt::Key_Escape) {
        attivacerca();
        return true;
    }
    if (oggetto == Listacerca && invio(k)) {
        if (Listacerca->currentRow() >= 0)
            carica(numeritrovati.value(Listacerca->currentRow() + 1));
        return true;
    }
    if (oggetto == Text1[0] && invio(k)) {
        attivacerca();
        return true;
    }
    if (std::find(Text1.begin(), Text1.end(), oggetto) != Text1.end() &&
        k->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}
