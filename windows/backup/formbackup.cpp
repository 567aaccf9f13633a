#include "windows/backup/formbackup.h"

#include "platform/aspetto.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

// The pictures live in the static UI library, whose resources the linker would drop.
static void caricaicone()
{
    Q_INIT_RESOURCE(backup);
}

namespace {

constexpr int larghezza = 4935;
constexpr int altezza = 4230;

QGroupBox *cornice(QWidget *padre, const char *nome, const QString &titolo, const QRect &r)
{
    auto *f = new QGroupBox(titolo, padre);
    f->setObjectName(QString::fromLatin1(nome));
    f->setGeometry(r);
    return f;
}

// Geometry inside a frame is relative to the frame, as the frame is the button's parent.
QPushButton *comando(QGroupBox *cornice, const char *nome, const QString &testo,
                     const QString &icona, int x, int y)
{
    auto *b = new QPushButton(QIcon(icona), testo, cornice);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(area(x, y, 2055, 615));
    b->setIconSize(QSize(24, 24));
    return b;
}

} // namespace

Formbackup::Formbackup(QWidget *parent) : QWidget(parent, Qt::Window)
{
    caricaicone();
    setObjectName(QStringLiteral("Formbackup"));
    setWindowTitle(QString());
    setFixedSize(tw(larghezza), tw(altezza));
    costruisci();
}

void Formbackup::costruisci()
{
    QGroupBox *backup =
        cornice(this, "Frame1", QStringLiteral("Backup"), area(120, 60, 4695, 1095));
    QGroupBox *archivio =
        cornice(this, "Frame2", QStringLiteral("Archivio"), area(120, 1245, 4695, 1785));
    const struct {
        QGroupBox *cornice;
        const char *nome;
        const char *testo;
        const char *icona;
        int x, y;
        void (Formbackup::*azione)();
    } comandi[] = {
        {backup, "Command1", "Avvia", ":/icons/backup.svg", 120, 330, &Formbackup::avvia},
        {backup, "Command4", "Ripristina", ":/backup/ripristina.svg", 2400, 330,
         &Formbackup::ripristina},
        {archivio, "Command3", "Carica", ":/backup/carica.svg", 120, 330, &Formbackup::carica},
        {archivio, "Command5", "Cancella", ":/backup/cancella.svg", 2400, 330,
         &Formbackup::cancella},
        {archivio, "Command2", "Salva", ":/icons/registra.svg", 120, 1050, &Formbackup::salva},
    };
    for (const auto &c : comandi) {
        QPushButton *b = comando(c.cornice, c.nome, QString::fromUtf8(c.testo),
                                 QString::fromLatin1(c.icona), c.x, c.y);
        connect(b, &QPushButton::clicked, this, c.azione);
    }

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(area(120, 3135, 4695, 330));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    Label1 = new QLabel(QStringLiteral("Pronto"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(area(120, 3615, 3855, 495));

    auto *annulla = new QToolButton(this);
    annulla->setObjectName(QStringLiteral("annulla"));
    annulla->setGeometry(area(4215, 3555, 600, 600));
    annulla->setIcon(QIcon(QStringLiteral(":/icons/annulla.svg")));
    annulla->setIconSize(QSize(28, 28));
    annulla->setAutoRaise(true);
    annulla->setToolTip(QStringLiteral("Chiudi"));
    connect(annulla, &QToolButton::clicked, this, &QWidget::close);
}
