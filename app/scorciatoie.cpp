// The keyboard of the main window: the keys desktop programs use for the same commands.
#include "app/formprincipale.h"

#include <QAbstractButton>
#include <QAction>
#include <QShortcut>

namespace {

// A command of the window (a button or an action, by its name) and its key.
struct Scorciatoia {
    const char *comando;
    const char *tasto;
};

const Scorciatoia scorciatoie[] = {
    {"nuovo", "Ctrl+N"},          // new movement
    {"cerca", "Ctrl+F"},          // search
    {"stampa", "Ctrl+P"},         // print
    {"importa", "Ctrl+I"},        // import a bank statement
    {"scadenze", "Ctrl+D"},       // the payments due (their due dates)
    {"cancellamovimento", "Del"}, // delete the selected movement, after its question
    {"ricarica", "F5"},           // load the period again
    {"guida", "F1"},              // the guide; in the other windows F1 reaches it by itself
};

QString consuggerimento(const QString &suggerimento, const QKeySequence &tasto)
{
    return QStringLiteral("%1 (%2)").arg(suggerimento, tasto.toString(QKeySequence::NativeText));
}

} // namespace

void Formprincipale::assegnascorciatoie()
{
    auto *ricarica = new QAction(QStringLiteral("Ricarica il periodo"), this);
    ricarica->setObjectName(QStringLiteral("ricarica"));
    connect(ricarica, &QAction::triggered, this, &Formprincipale::elabora);

    for (const Scorciatoia &s : scorciatoie) {
        const QKeySequence tasto(QString::fromLatin1(s.tasto), QKeySequence::PortableText);
        QObject *o =
            findChild<QObject *>(QString::fromLatin1(s.comando), Qt::FindDirectChildrenOnly);
        if (auto *b = qobject_cast<QAbstractButton *>(o)) {
            // Clicked at once: a button's own key only animates a click, finished 100 ms later.
            connect(new QShortcut(tasto, this), &QShortcut::activated, b, &QAbstractButton::click);
            b->setToolTip(consuggerimento(b->toolTip(), tasto));
        } else if (auto *a = qobject_cast<QAction *>(o)) {
            a->setShortcut(tasto);
            a->setToolTip(consuggerimento(a->text(), tasto));
            addAction(a); // a menu item's key works also while its menu is closed
        }
    }
}
