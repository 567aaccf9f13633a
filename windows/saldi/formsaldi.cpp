#include "windows/saldi/formsaldi.h"

#include "app/formprincipale.h"
#include "app/nomiconti.h"
#include "app/stato.h"
#include "ledger/esportazione.h"
#include "ledger/periodo.h"
#include "ledger/riporto.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/salvafile.h"
#include "windows/riconcilia/formriconcilia.h"
#include "windows/saldi/graficoanno.h"

#include <QChartView>
#include <QDir>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr int righe = 13;              // twelve months and the year
constexpr int larghezzagrafico = 7260; // twips beside the grid
constexpr int altezza = 5940;          // twips: the grid, then two rows of buttons
const int larghezze[] = {1500, 1200, 1200, 1200};
constexpr Qt::Alignment allineamento = Qt::AlignHCenter | Qt::AlignTop;

QFont arialgrassetto()
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

QTableWidgetItem *cella(const QString &testo)
{
    auto *c = new QTableWidgetItem(testo);
    c->setTextAlignment(allineamento);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

Formsaldi::Formsaldi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formsaldi"));
    setWindowTitle(QString());
    setFixedSize(tw(5280 + larghezzagrafico), tw(altezza));
    sfondo(this, QColor(192, 192, 192));
    costruisci();

    preparagriglia();
    const Stato &st = stato();
    Label1->setText(QStringLiteral("SALDI ") + nomeconto(st.contocorrente));
    const Esito e =
        calcolasaldi(st.percorso, st.annogestione, st.dittacorrente, st.contocorrente, saldi);
    grafico = graficoanno(this, e ? &saldi : nullptr);
    grafico->setGeometry(area(5340, 0, larghezzagrafico - 60, altezza));
    esporta->setEnabled(bool(e));
    // Sums cut short by an unreadable month would look complete: show none, say why.
    if (e) {
        riempi(saldi);
    } else {
        avviso(this, e.messaggio());
    }
}

void Formsaldi::costruisci()
{
    Label1 = new QLabel(QStringLiteral("SALDI"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(area(0, 0, 5295, 330));
    Label1->setFont(arialgrassetto());
    Label1->setTextFormat(Qt::PlainText); // the account's name as typed
    Label1->setAutoFillBackground(true);
    Label1->setBackgroundRole(QPalette::Base);
    Label1->setIndent(4);

    griglia = new QTableWidget(righe, 4, this);
    griglia->setObjectName(QStringLiteral("griglia"));
    griglia->setGeometry(area(0, 360, 5265, 4170));
    griglia->setFont(arialgrassetto());
    griglia->horizontalHeader()->setFont(arialgrassetto());
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    annulla = new QToolButton(this);
    annulla->setObjectName(QStringLiteral("annulla"));
    annulla->setGeometry(area(4200, 4560, 1095, 615));
    annulla->setIcon(QIcon(QStringLiteral(":/icons/annulla.svg")));
    annulla->setIconSize(QSize(28, 28));
    annulla->setToolTip(QStringLiteral("Chiudi"));
    connect(annulla, &QAbstractButton::clicked, this, &QDialog::reject);

    auto *b = new QToolButton(this);
    esporta = b;
    b->setObjectName(QStringLiteral("esporta"));
    b->setGeometry(area(3000, 4560, 1095, 615));
    b->setText(QStringLiteral("Esporta"));
    b->setToolTip(QStringLiteral("Esporta in un file CSV"));
    connect(b, &QAbstractButton::clicked, this, &Formsaldi::esportacsv);

    b = new QToolButton(this);
    b->setObjectName(QStringLiteral("riporta"));
    b->setGeometry(area(120, 4560, 2760, 615));
    b->setText(QStringLiteral("Riporta al nuovo anno"));
    b->setToolTip(QStringLiteral("Riporta il saldo finale al 1 gennaio dell'anno successivo"));
    connect(b, &QAbstractButton::clicked, this, &Formsaldi::riporta);

    b = new QToolButton(this);
    b->setObjectName(QStringLiteral("riconcilia"));
    b->setGeometry(area(120, 5250, 2760, 615));
    b->setText(QStringLiteral("Riconcilia"));
    b->setToolTip(QStringLiteral("Riconciliazione con la banca"));
    b->setEnabled(stato().contocorrente != 1); // TUTTI is no bank account
    connect(b, &QAbstractButton::clicked, this, &Formsaldi::riconcilia);
}

namespace {

QString nomeriportato(const Riporto &r)
{
    const QString nome = nomeconto(r.conto);
    return nome.isEmpty() ? QStringLiteral("Conto %1").arg(r.conto) : nome;
}

// The question before a carry: the accounts and the amounts each January will start from.
QString domandariporto(const QList<Riporto> &riporti, const QString &anno)
{
    QString testo = QStringLiteral("Riportare al 1 gennaio 20%1 i saldi finali del 20%2?\n")
                        .arg(annosuccessivo(anno), anno);
    for (const Riporto &r : riporti)
        testo += QStringLiteral("\n%1: %2").arg(nomeriportato(r), fixed(r.saldo));
    return testo;
}

// A carry stopped by a failure: which accounts it carried and which it did not, so the user
// knows that carrying again finishes the job.
QString riportoparziale(const Esito &e, const QList<Riporto> &riporti, qsizetype fatti)
{
    const auto nomi = [&](qsizetype da, qsizetype a) {
        QStringList n;
        for (qsizetype i = da; i < a; ++i)
            n.append(nomeriportato(riporti[i]));
        return n.isEmpty() ? QStringLiteral("nessuno") : n.join(QStringLiteral(", "));
    };
    return e.messaggio() + QStringLiteral("\n\nConti riportati: %1.\nConti non riportati: %2.")
                               .arg(nomi(0, fatti), nomi(fatti, riporti.size()));
}

} // namespace

void Formsaldi::riporta()
{
    const Stato &st = stato();
    QList<Riporto> riporti;
    if (Esito e = preparariporti(st.percorso, st.annogestione, st.dittacorrente, st.contocorrente,
                                 riporti);
        !e)
        return avviso(this, e.messaggio());
    if (riporti.isEmpty())
        return avviso(this, QStringLiteral("Nessun saldo da riportare."));
    if (!conferma(this, domandariporto(riporti, st.annogestione)))
        return;
    for (qsizetype i = 0; i < riporti.size(); ++i)
        if (Esito e = scriviriporto(st.percorso, st.annogestione, st.dittacorrente, riporti[i]); !e)
            return avviso(this, riportoparziale(e, riporti, i));
}

void Formsaldi::riconcilia()
{
    Formriconcilia finestra(this);
    finestra.exec();
}

void Formsaldi::esportacsv()
{
    const QString nome = QStringLiteral("Saldi ") + nomeconto(stato().contocorrente) +
                         QLatin1Char(' ') + nomeperiodo(0);
    const QString file = salvacome(this, QStringLiteral("File CSV"), nome, QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    if (Esito e = salvafile(QDir::toNativeSeparators(file), csvsaldi(saldi)); !e)
        avviso(this, e.messaggio());
}

// Widths, alignment, headings and the month names; the amounts come with riempi.
void Formsaldi::preparagriglia()
{
    const char *titoli[] = {"MESE", "ENTRATE", "USCITE", "SALDO"};
    QHeaderView *testata = griglia->horizontalHeader();
    for (int c = 0; c < 4; ++c) {
        auto *t = new QTableWidgetItem(QLatin1String(titoli[c]));
        t->setTextAlignment(allineamento);
        griglia->setHorizontalHeaderItem(c, t);
        testata->resizeSection(c, tw(larghezze[c]));
    }
    // The fixed heading row and the 13 rows share the grid's height.
    const int altezza = (griglia->height() - 2 * griglia->frameWidth()) / (righe + 1);
    testata->setFixedHeight(altezza);
    griglia->verticalHeader()->setMinimumSectionSize(1);
    griglia->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 1; r <= righe; ++r) {
        const int k = r == righe ? 0 : r;
        griglia->setItem(r - 1, 0, cella(nomemese(k)));
    }
}

void Formsaldi::riempi(const SaldiAnno &saldi)
{
    for (int r = 1; r <= righe; ++r) {
        const int k = r == righe ? 0 : r;
        const qint64 saldo = saldi.saldo(k);
        QTableWidgetItem *c = cella(fixed(saldo));
        if (saldo != 0) // exactly 0 keeps the grid's own colour
            c->setForeground(coloresaldo(saldo));
        QTableWidgetItem *celle[] = {cella(fixed(saldi.entratemese[k])),
                                     cella(fixed(saldi.uscitemese[k])), c};
        for (int colonna = 1; colonna <= 3; ++colonna) {
            griglia->setItem(r - 1, colonna, celle[colonna - 1]);
            adatta(celle[colonna - 1]);
        }
    }
}
