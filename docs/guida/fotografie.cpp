// Takes the pictures of the user guide: the program's real windows, offscreen, on a sample
// archive of its own, filled as a user would fill them, saved as PNG under the names the pages
// give. Fails, naming it, when a picture cannot be made.
// Usage: fotografie FOLDER NAME.png...
#include "esempio.h"

#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/caratteri.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/estratto.h"
#include "store/fattureditta.h"
#include "store/scadenze.h"
#include "windows/backup/formbackup.h"
#include "windows/cerca/forcerca.h"
#include "windows/ditta/formditta.h"
#include "windows/fatture/formfatture.h"
#include "windows/importa/formimporta.h"
#include "windows/percorso/formpercorso.h"
#include "windows/registra/formregistra.h"
#include "windows/riconcilia/formriconcilia.h"
#include "windows/rubrica/formproduttore.h"
#include "windows/saldi/formsaldi.h"
#include "windows/scadenze/formscadenze.h"
#include "windows/stampa/formstampante.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

// A control the picture needs; a window that lost it can no longer be pictured.
template <class T> T *trova(const QObject &finestra, const char *nome)
{
    T *figlio = finestra.findChild<T *>(QString::fromLatin1(nome));
    if (!figlio)
        throw std::runtime_error(finestra.objectName().toStdString() + " non ha " + nome);
    return figlio;
}

QImage foto(QWidget &finestra)
{
    finestra.show();
    QCoreApplication::processEvents();
    return finestra.grab().toImage();
}

QImage principale(Formprincipale &p)
{
    p.sceglieconto(2);
    p.aprimese(3);
    return foto(p);
}

QImage menu(Formprincipale &p, const char *nome)
{
    QMenu *m = trova<QMenu>(p, nome);
    m->adjustSize();
    return m->grab().toImage();
}

QImage ditta(Formprincipale &p)
{
    Formditta f(&p);
    return foto(f);
}

QImage registra(Formprincipale &p)
{
    stato().movimentocorrente = {};
    Formregistra f(&p);
    trova<QCalendarWidget>(f, "cale")->setSelectedDate(QDate(2026, 3, 12));
    trova<QLineEdit>(f, "Text1_0")->setText(QStringLiteral("Ferramenta Gialli srl"));
    trova<QLineEdit>(f, "Text1_1")->setText(QStringLiteral("Fattura 118 del 10/03/2026"));
    trova<QListWidget>(f, "List1")->setCurrentRow(1);
    trova<QLineEdit>(f, "testimporto")->setText(QStringLiteral("245,80"));
    return foto(f);
}

// A contact found by the first letters of its name and loaded with Enter.
QImage rubrica(Formprincipale &p)
{
    Formproduttore f(&p);
    trova<QAction>(f, "cerca")->trigger();
    trova<QLineEdit>(f, "Textcerca")->setText(QStringLiteral("Ferr"));
    auto *lista = trova<QListWidget>(f, "Listacerca");
    lista->setCurrentRow(0);
    QKeyEvent invio(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(lista, &invio);
    return foto(f);
}

QImage cerca(Formprincipale &p)
{
    Forcerca f(&p);
    trova<QLineEdit>(f, "Text1")->setText(QStringLiteral("affitto"));
    return foto(f);
}

QImage stampa(Formprincipale &p)
{
    Formstampante f(&p);
    auto *lista = trova<QListWidget>(f, "Lista");
    lista->setCurrentItem(lista->findItems(Formstampante::vocepdf(), Qt::MatchExactly).value(0));
    return foto(f);
}

QImage saldi(Formprincipale &p)
{
    p.sceglieconto(2);
    Formsaldi f(&p);
    return foto(f);
}

// The bank's statement of the account "Banca", read as the import reads it, the account
// pressed on the toolbar.
QList<Estratto> estrattobanca(Formprincipale &p)
{
    const QString file = QDir(discolocale()).filePath(QStringLiteral("estratto.xml"));
    QList<Estratto> e;
    if (!scriviestratto(file) || !leggiestratto(QDir::toNativeSeparators(file), e))
        throw std::runtime_error("l'estratto conto di esempio non si legge");
    p.sceglieconto(3);
    return e;
}

QImage importa(Formprincipale &p)
{
    Formimporta f(estrattobanca(p), &p);
    return foto(f);
}

// The same statement imported into "Banca", then the account reconciled with it. It writes to
// the sample archive, so it is taken after every other picture.
QImage riconcilia(Formprincipale &p)
{
    {
        Formimporta importa(estrattobanca(p), &p);
        importa.show();
        // The import says nothing when all goes well: a message would be a failure.
        QString detto;
        QTimer guardia;
        QObject::connect(&guardia, &QTimer::timeout, [&] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                detto = m->text(), m->reject();
        });
        guardia.start(50);
        importa.registra();
        if (!detto.isEmpty())
            throw std::runtime_error(detto.toStdString());
    }
    Formriconcilia f(&p);
    return foto(f);
}

QImage backup(Formprincipale &p)
{
    Formbackup f(&p);
    return foto(f);
}

QImage rete(Formprincipale &p)
{
    Formpercorso f(&p);
    return foto(f);
}

// A few payments due of the sample company: a supplier's bill past due, the rent every month,
// an estimated electricity bill every two months and a customer's invoice to collect. It
// writes to the sample archive, so it is taken after the pictures of the main window.
QImage scadenze(Formprincipale &p)
{
    const Stato &s = stato();
    const QDate g = oggi();
    const Scadenza voci[] = {
        {g.addDays(-4), 1, 1220000, "Ferramenta Bianchi", "Fattura 118", 0, 2, 0, 0, false},
        {g.addDays(6), 1, 8500000, "Immobiliare Verdi", "Affitto negozio", 0, 2, 1, 0, false},
        {g.addDays(12), 1, 1800000, "Enel Energia", "Bolletta luce", 0, 2, 2, 0, true},
        {g.addDays(20), 0, 36600000, "Rossi Srl", "Fattura 42", 0, 2, 0, 0, false},
    };
    for (const Scadenza &v : voci)
        if (!creascadenza(s.percorso, s.dittacorrente, v))
            throw std::runtime_error("scadenze non scritte");
    Formscadenze f(&p);
    f.mostraperiodo(Formscadenze::prossimi90);
    return foto(f);
}

// The electronic invoices of a day chosen for import: the company's own VAT number is known, so
// no question comes first. It writes the company's identity to the sample archive.
QImage fatture(Formprincipale &)
{
    const Stato &s = stato();
    const QStringList file = scrivifatture(discolocale());
    if (file.isEmpty() || !scriviidentita(s.percorso, s.dittacorrente, partitaivaesempio))
        throw std::runtime_error("fatture di esempio non scritte");
    Formfatture f(file);
    return foto(f);
}

struct Fotografia {
    const char *nome;
    QImage (*scatta)(Formprincipale &);
};

const Fotografia fotografie[] = {
    {"principale.png", principale},
    {"menu-movimento.png", [](Formprincipale &p) { return menu(p, "opemov"); }},
    {"menu-conti.png", [](Formprincipale &p) { return menu(p, "opetipo"); }},
    {"ditta.png", ditta},
    {"registra.png", registra},
    {"rubrica.png", rubrica},
    {"cerca.png", cerca},
    {"stampa.png", stampa},
    {"saldi.png", saldi},
    {"importa.png", importa},
    {"backup.png", backup},
    {"rete.png", rete},
    {"scadenze.png", scadenze},
    {"fatture.png", fatture},
    {"riconcilia.png", riconcilia}, // last: it imports the statement
};

// Whether the picture is among those asked for.
bool chiesta(const char *nome, char **nomi, int quanti)
{
    for (int i = 0; i < quanti; ++i)
        if (qstrcmp(nomi[i], nome) == 0)
            return true;
    return false;
}

// Every picture asked for, or none: a build that failed half-way takes them all again.
void scattatutte(const QString &cartella, char **nomi, int quanti, const char *&nome)
{
    QDir(discolocale()).mkpath(QStringLiteral("quaderoladati"));
    if (const QString errore = scriviesempio(); !errore.isEmpty())
        throw std::runtime_error(errore.toStdString());
    Formprincipale p;
    stato().annogestione = annoesempio;
    p.aggiornastato();
    for (int i = 0; i < quanti; ++i) {
        nome = nomi[i];
        if (std::none_of(std::begin(fotografie), std::end(fotografie),
                         [&](const Fotografia &f) { return qstrcmp(f.nome, nome) == 0; }))
            throw std::runtime_error("la guida nomina una fotografia che nessuno fa");
    }
    // In the table's order, whatever the pages' order: the pictures that write come last.
    QList<std::pair<const char *, QImage>> immagini;
    for (const Fotografia &f : fotografie)
        if (chiesta(f.nome, nomi, quanti))
            immagini.append({nome = f.nome, f.scatta(p)});
    for (const auto &[n, immagine] : immagini) {
        const QString file = QDir(cartella).filePath(QString::fromLocal8Bit(nome = n));
        if (!immagine.save(file, "PNG", 0))
            throw std::runtime_error("impossibile scrivere " + file.toStdString());
    }
}

} // namespace

int main(int argc, char **argv)
{
    // A home of its own before anything reads one, so no real archive is ever touched; no
    // printer of this machine shows in the pictures.
    QTemporaryDir casa;
    qputenv("HOME", QFile::encodeName(casa.path()));
    qputenv("QUADEROLA_CASA", QFile::encodeName(casa.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", QFile::encodeName(casa.filePath(QStringLiteral("nessunastampante"))));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication app(argc, argv);
    caricacaratteri();
    if (argc < 2 || !casa.isValid() || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "uso: fotografie CARTELLA NOME.png...\n");
        return 2;
    }
    const char *nome = "";
    try {
        scattatutte(QString::fromLocal8Bit(argv[1]), argv + 2, argc - 2, nome);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "fotografie: %s: %s\n", nome, e.what());
        return 1;
    }
    return 0;
}
