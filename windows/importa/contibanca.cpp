// The bank accounts of the file: the one shown, what the window says of it, and the book
// account remembered for it.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "store/banche.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

namespace {

// An IBAN in groups of four, as it is printed; any other account as the file names it.
QString leggibile(const QString &conto)
{
    if (conto.isEmpty())
        return QStringLiteral("Conto non indicato");
    const bool iban = conto.size() >= 15 && conto[0].isLetter() && conto[1].isLetter() &&
                      conto[2].isDigit() && conto[3].isDigit() && !conto.contains(u' ');
    if (!iban)
        return conto;
    QStringList gruppi;
    for (qsizetype i = 0; i < conto.size(); i += 4)
        gruppi.append(conto.mid(i, 4));
    return gruppi.join(QLatin1Char(' '));
}

QString quanti(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 movimento") : QStringLiteral("%1 movimenti").arg(n);
}

// "IT60 X054 2811 1010 0000 0123 456 · dal 01/11/2026 al 30/11/2026 · 5 movimenti"
QString descrivi(const Estratto &e)
{
    QStringList parti{leggibile(e.conto)};
    if (!e.righe.isEmpty()) {
        const auto [prima, ultima] = std::minmax_element(
            e.righe.begin(), e.righe.end(),
            [](const RigaEstratto &a, const RigaEstratto &b) { return a.data < b.data; });
        parti.append(QStringLiteral("dal %1 al %2")
                         .arg(prima->data.toString(QStringLiteral("dd/MM/yyyy")),
                              ultima->data.toString(QStringLiteral("dd/MM/yyyy"))));
    }
    parti.append(quanti(e.righe.size()));
    return parti.join(QStringLiteral(" · "));
}

} // namespace

void Formimporta::costruiscicontibanca()
{
    intestazione = new QLabel(this);
    intestazione->setObjectName(QStringLiteral("intestazione"));
    intestazione->setGeometry(area(2400, 120, 12120, 300));
    intestazione->setFont(carattere(QStringLiteral("Arial"), 9.75, true));
    contibanca = new QComboBox(this);
    contibanca->setObjectName(QStringLiteral("contibanca"));
    contibanca->setGeometry(area(2400, 450, 7800, 330));
}

void Formimporta::riempicontibanca()
{
    banche = leggibanche(stato().percorso);
    for (const Estratto &c : conti)
        contibanca->addItem(leggibile(c.conto) + QStringLiteral(" · ") + quanti(c.righe.size()),
                            c.conto);
    // Only a file of several bank accounts has a choice to offer; the grid makes room for it.
    contibanca->setVisible(conti.size() > 1);
    if (conti.size() > 1)
        griglia->setGeometry(griglia->geometry().adjusted(0, tw(420), 0, 0));
    mostracontobanca(0);
    connect(contibanca, &QComboBox::currentIndexChanged, this, &Formimporta::mostracontobanca);
}

void Formimporta::mostracontobanca(int i)
{
    estratto = conti.value(i);
    movimenti.clear();
    controlli.clear();
    descrivirighe(true);
    for (const RigaEstratto &r : estratto.righe)
        controlli.append({r.data, valore(movimenti[controlli.size()])});
    {
        const QSignalBlocker fermo(griglia);
        riempirighe();
    }
    intestazione->setText(descrivi(estratto));
    // The book account this bank account went into last time, by its number (a rename
    // changes nothing), by name as older versions kept it; else the one pressed on the toolbar
    // (TUTTI: none). One kept that is no longer in the list is no choice to make for the user.
    const int premuto = stato().contocorrente - 2;
    int riga = premuto >= 0 && premuto < Lista->count() ? premuto : -1;
    if (const auto b = banche.find(estratto.conto);
        !estratto.conto.isEmpty() && b != banche.end()) {
        const QList<QListWidgetItem *> pernome = Lista->findItems(b->nome, Qt::MatchExactly);
        riga = b->numero != 0       ? (b->numero - 2 < Lista->count() ? b->numero - 2 : -1)
               : !pernome.isEmpty() ? Lista->row(pernome[0])
                                    : -1;
    }
    {
        const QSignalBlocker fermo(Lista);
        Lista->setCurrentRow(riga);
    }
    aggiornastati();
}

void Formimporta::ricordacontobanca()
{
    if (estratto.conto.isEmpty() || conto() == 0)
        return;
    const Banca scelta{Lista->item(conto() - 2)->text(), conto()};
    const Banca tenuta = banche.value(estratto.conto);
    if (tenuta.nome == scelta.nome && tenuta.numero == scelta.numero)
        return;
    if (const Esito e = ricordabanca(stato().percorso, estratto.conto, scelta.nome, scelta.numero);
        !e)
        return avviso(this, e.messaggio());
    banche.insert(estratto.conto, scelta);
}

void Formimporta::seguente()
{
    importati.insert(contibanca->currentIndex());
    // A bank account with nothing that could be booked needs no turn.
    const auto daimportare = [this](int i) {
        return !importati.contains(i) &&
               std::any_of(conti[i].righe.begin(), conti[i].righe.end(), [](const RigaEstratto &r) {
                   return r.valuta.isEmpty() && (qAbs(r.importo) + 50) / 100 != 0;
               });
    };
    int prossimo = -1;
    for (int k = 1; k <= conti.size() && prossimo < 0; ++k)
        if (const int i = (contibanca->currentIndex() + k) % int(conti.size()); daimportare(i))
            prossimo = i;
    if (prossimo < 0)
        return accept();
    // What was just written is the ledger the next account is checked against.
    if (const Esito e = leggianno(); !e) {
        avviso(this, e.messaggio());
        return accept();
    }
    contibanca->setCurrentIndex(prossimo);
}
