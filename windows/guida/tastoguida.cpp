// F1 in any window of the program: the guide at the page of that window.
#include "app/formprincipale.h"
#include "windows/guida/formguida.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// The page of each window, by its name or, for a dialog of Qt's own, by its title.
struct Pagina {
    const char *finestra;
    const char *pagina;
};
const Pagina pagine[] = {
    {"Formprincipale", "registro.md"},
    {"Formditta", "ditte-e-conti.md"},
    {"Formregistra", "movimenti.md"},
    {"Formproduttore", "rubrica.md"},
    {"Forcerca", "ricerca.md"},
    {"Formstampante", "stampa.md"},
    {"Formsaldi", "saldi.md"},
    {"Formriconcilia", "riconciliazione.md"},
    {"Formimporta", "estratto-conto.md"},
    {"Formregole", "estratto-conto.md"},
    {"Formscadenze", "scadenze.md"},
    {"Formscadenza", "scadenze.md"},
    {"Importa estratto conto", "estratto-conto.md"}, // the choice of the statement's file
    {"Formbackup", "backup.md"},
    {"Formpercorso", "rete.md"},
    {"Formguida", "indice.md"},
};

QString paginapropria(const QWidget *finestra)
{
    for (const Pagina &p : pagine)
        if (finestra->objectName() == QLatin1String(p.finestra) ||
            finestra->windowTitle() == QLatin1String(p.finestra))
            return QString::fromLatin1(p.pagina);
    return {};
}

// Seen before any window: F1 reaches the guide whatever has the focus.
class TastoGuida : public QObject
{
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() != QEvent::KeyPress || !oggetto->isWidgetType() ||
            static_cast<QKeyEvent *>(evento)->key() != Qt::Key_F1)
            return false;
        mostraguida(static_cast<QWidget *>(oggetto));
        return true;
    }
};

QPointer<Formguida> guida;

} // namespace

void attivaguida()
{
    static QPointer<TastoGuida> tasto;
    if (tasto || !qApp)
        return;
    tasto = new TastoGuida(qApp);
    qApp->installEventFilter(tasto);
}

Formguida *mostraguida(const QWidget *finestra)
{
    const QString pagina = paginaguida(finestra);
    if (!guida)
        guida = new Formguida(Formprincipale::corrente());
    guida->apri(pagina);
    guida->show();
    guida->raise();
    guida->activateWindow();
    return guida;
}

QString paginaguida(const QWidget *finestra)
{
    for (const QWidget *w = finestra ? finestra->window() : nullptr; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (const QString pagina = paginapropria(w); !pagina.isEmpty())
            return pagina;
    return QStringLiteral("indice.md");
}

QStringList paginefinestre()
{
    QStringList nomi;
    for (const Pagina &p : pagine)
        nomi.append(QString::fromLatin1(p.pagina));
    return nomi;
}
