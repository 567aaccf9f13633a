#include "windows/guida/formguida.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The pictures are the windows at their real size: in a narrower guide they are drawn smaller,
// so that a page never scrolls sideways.
class Pagine : public QTextBrowser
{
  public:
    using QTextBrowser::QTextBrowser;

  protected:
    QVariant loadResource(int tipo, const QUrl &nome) override
    {
        const QVariant dato = QTextBrowser::loadResource(tipo, nome);
        QImage immagine;
        if (tipo != QTextDocument::ImageResource || !immagine.loadFromData(dato.toByteArray()))
            return dato;
        const int spazio = window()->width() - 64; // margins and the scroll bar
        if (immagine.width() > spazio && spazio > 200)
            immagine = immagine.scaledToWidth(spazio, Qt::SmoothTransformation);
        return immagine;
    }
};

QToolButton *pulsante(QWidget *padre, const char *nome, QStyle::StandardPixmap icona,
                      const QString &suggerimento)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setIcon(padre->style()->standardIcon(icona));
    b->setToolTip(suggerimento);
    b->setAutoRaise(true);
    return b;
}

} // namespace

Formguida::Formguida(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Formguida"));
    setWindowTitle(QStringLiteral("Guida di Quaderola"));
    // The program ends with its own windows; an open guide does not keep it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(840, 680);

    testo = new Pagine(this);
    testo->setObjectName(QStringLiteral("testo"));
    auto *indietro = pulsante(this, "indietro", QStyle::SP_ArrowBack, QStringLiteral("Indietro"));
    auto *avanti = pulsante(this, "avanti", QStyle::SP_ArrowForward, QStringLiteral("Avanti"));
    auto *indice = pulsante(this, "indice", QStyle::SP_DirHomeIcon, QStringLiteral("Indice"));
    indietro->setEnabled(false);
    avanti->setEnabled(false);
    connect(indietro, &QToolButton::clicked, testo, &QTextBrowser::backward);
    connect(avanti, &QToolButton::clicked, testo, &QTextBrowser::forward);
    connect(testo, &QTextBrowser::backwardAvailable, indietro, &QWidget::setEnabled);
    connect(testo, &QTextBrowser::forwardAvailable, avanti, &QWidget::setEnabled);
    connect(indice, &QToolButton::clicked, this, [this] { apri(QStringLiteral("indice.md")); });

    auto *barra = new QHBoxLayout;
    for (QToolButton *b : {indietro, avanti, indice})
        barra->addWidget(b);
    barra->addStretch();
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(4, 4, 4, 4);
    colonna->addLayout(barra);
    colonna->addWidget(testo);
}

void Formguida::apri(const QString &pagina)
{
    testo->setSource(QUrl(QStringLiteral("qrc:/guida/") + pagina), QTextDocument::MarkdownResource);
}

// A modal window blocks every window but its own: the guide becomes one of its own, so that it
// can still be read and scrolled while the modal window waits.
bool Formguida::event(QEvent *evento)
{
    if (evento->type() == QEvent::WindowBlocked) {
        QWidget *modale = QApplication::activeModalWidget();
        if (modale && windowHandle())
            windowHandle()->setTransientParent(modale->windowHandle());
    }
    return QWidget::event(evento);
}
