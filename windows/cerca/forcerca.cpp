#include "windows/cerca/forcerca.h"

#include "app/stato.h"
#include "platform/aspetto.h"
#include "windows/rubrica/formproduttore.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

// The layout gives places from the window's corner; a control inside a frame is placed
// relative to the frame's corner.
QRect nellacornice(int x, int y, int l, int a, QPoint cornice)
{
    return area(x - cornice.x(), y - cornice.y(), l, a);
}

QToolButton *pulsante(QWidget *padre, const char *nome, const char *icona, const QRect &r)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(r);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icona))));
    b->setIconSize(r.size() - QSize(14, 14));
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QLineEdit *casella(QWidget *padre, const char *nome, const QRect &r)
{
    auto *t = new QLineEdit(padre);
    t->setObjectName(QString::fromLatin1(nome));
    t->setGeometry(r);
    t->setMaxLength(10);
    colorasulfuoco(t);
    return t;
}

} // namespace

Forcerca::Forcerca(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Forcerca"));
    setWindowTitle(QString());
    setFixedSize(area(0, 0, 5385, 2865).size());
    QFont times(QStringLiteral("Times New Roman"));
    times.setStyleHint(QFont::Serif);
    times.setPointSize(12);
    setFont(times);

    auto *descrizione = new QGroupBox(QStringLiteral("Descrizione da Cercare"), this);
    descrizione->setObjectName(QStringLiteral("Frame1"));
    descrizione->setGeometry(area(120, 120, 5175, 1575));
    const QPoint d(120, 120);
    Text1 = casella(descrizione, "Text1", nellacornice(240, 480, 3735, 495, d));
    Text2 = casella(descrizione, "Text2", nellacornice(240, 1080, 3735, 495, d));
    auto *Command1 = pulsante(descrizione, "Command1", "cercadescrizione",
                              nellacornice(4080, 480, 1095, 1095, d));
    Command1->setToolTip(QStringLiteral("Cerca per descrizione"));

    auto *rubrica = new QGroupBox(QStringLiteral("Contatti Rubrica"), this);
    rubrica->setObjectName(QStringLiteral("Frame2"));
    rubrica->setGeometry(area(120, 1800, 3855, 975));
    auto *contatto = pulsante(rubrica, "cercarubrica", "contatto",
                              nellacornice(2280, 2040, 1335, 615, QPoint(120, 1800)));
    contatto->setToolTip(QStringLiteral("Cerca per contatto della rubrica"));

    auto *chiudi = pulsante(this, "annulla", "annulla", area(4080, 1920, 1095, 855));
    chiudi->setToolTip(QStringLiteral("Annulla"));

    connect(Command1, &QToolButton::clicked, this, &Forcerca::cercadescrizione);
    connect(contatto, &QToolButton::clicked, this, &Forcerca::cercarubrica);
    connect(chiudi, &QToolButton::clicked, this, &Forcerca::annulla);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, chiudi);
    setTabOrder(chiudi, Text2);
    setTabOrder(Text2, contatto);
    Text1->setFocus();

    // Every opening starts from no search.
    stato().azzeraricerca();
}

void Forcerca::cercadescrizione()
{
    const QString t1 = Text1->text().trimmed();
    const QString t2 = Text2->text().trimmed();
    if (t1.isEmpty() && t2.isEmpty())
        return;
    Stato &s = stato();
    s.ricerca[0] = t1;
    s.ricerca[1] = t2;
    s.contattoricercato = 0;
    accept();
}

void Forcerca::cercarubrica()
{
    Stato &s = stato();
    s.sceltacontatto = 0;
    Formproduttore rubrica(this);
    rubrica.exec();
    s.contattoricercato = s.numerocontattoscelto;
    if (s.contattoricercato == 0)
        return;
    s.ricerca[0] = Text1->text().trimmed();
    s.ricerca[1] = Text2->text().trimmed();
    accept();
}

void Forcerca::annulla()
{
    stato().azzeraricerca();
    reject();
}
