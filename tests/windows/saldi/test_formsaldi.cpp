#include "app/formprincipale.h"
#include "platform/percorsi.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/saldi/formsaldi.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLineSeries>
#include <QTableWidget>

namespace {

// The texts of a row of the grid, then the colour given to its balance ("" when it keeps the
// grid's own).
QString riga(QWidget *f, int r)
{
    const auto *g = f->findChild<QTableWidget *>("griglia");
    QStringList testi;
    for (int c = 0; c < 4; ++c)
        testi.append(g->item(r, c) ? g->item(r, c)->text() : QString());
    const QVariant v = g->item(r, 3) ? g->item(r, 3)->data(Qt::ForegroundRole) : QVariant();
    testi.append(v.isValid() ? v.value<QBrush>().color().name() : QString());
    return testi.join('|');
}

// The chart beside the grid of f: the bars and the balance line of month m, with their colours.
QString grafico(QWidget &f, int m)
{
    const auto serie = f.findChild<QChartView *>("grafico")->chart()->series();
    QStringList v;
    for (QBarSet *b : qobject_cast<QBarSeries *>(serie.value(0))->barSets())
        v << b->color().name() + QString::number(b->at(m), 'f', 2);
    const QPointF p = qobject_cast<QLineSeries *>(serie.value(1))->at(m);
    return v.join('|') + QStringLiteral("|%1,%2").arg(p.x()).arg(p.y(), 0, 'f', 2);
}

} // namespace

TEST(Formsaldi, EveryMonthAndTheYearWithColouredBalancesAndAChartForOneOrEveryAccount)
{
    nuovoarchivio();
    scrivimese(3, {mov(1, 0, 1234567), mov(1, 1, 25000000), mov(1, 0, 400000, "", 3)}, "08");
    // A deleted record, one of an unknown sign and one of another company count nowhere.
    scrivimese(5,
               {mov(1, 0, 2500000), mov(1, 1, 1000000), mov(1, 2, euro), mov(1, 7, euro),
                mov(1, 0, euro, "", 2, 2)},
               "08");
    scrivimese(12, {mov(31, 1, 100 * euro)}, "08"); // the loop's last month
    Stato &s = stato();
    s.annogestione = "08", s.dittacorrente = 1,
    s.mesecorrente = 3; // neither the shown month nor a search changes anything
    s.ricerca[0] = "nulla";
    {
        Formsaldi f;
        EXPECT_EQ(testo(&f, "Label1"), "SALDI CASSA");
        EXPECT_EQ(riga(&f, 0), "Gennaio|0,00|0,00|0,00|");
        EXPECT_EQ(riga(&f, 2), "Marzo|123,46|2500,00|-2376,54|#ff0000");
        EXPECT_EQ(riga(&f, 4), "Maggio|250,00|100,00|150,00|#0000ff");
        EXPECT_EQ(riga(&f, 12), "Anno|373,46|2700,00|-2326,54|#ff0000");
        // Bars in the colours of the balances, the line's points one per month.
        EXPECT_EQ(grafico(f, 2), "#0000ff123.46|#ff00002500.00|2,-2376.54");
        EXPECT_EQ(grafico(f, 11), "#0000ff0.00|#ff0000100.00|11,-100.00");
        const QString file = cartellautente() + "/saldi.csv";
        scegli(file);
        clicca(&f, "esporta");
        const QList<QByteArray> righe = leggibyte(file).split('\n');
        EXPECT_EQ(righe.value(0) + righe.value(3) + righe.value(13),
                  "\xEF\xBB\xBFMese;Entrate;Uscite;Saldo\rMarzo;123,46;2500,00;-2376,54\r"
                  "Anno;373,46;2700,00;-2326,54\r");
    }
    // Through the main window, on "TUTTI": every account counts.
    Formprincipale principale; // which sets its own company and year
    s.annogestione = "08", s.dittacorrente = 1, s.contocorrente = 1;
    QString visto;
    quandomodale([&](QWidget *w) {
        visto = testo(w, "Label1") + "|" + riga(w, 12);
        clicca(w, "annulla");
    });
    principale.vedisaldi();
    EXPECT_EQ(visto, "SALDI TUTTI|Anno|413,46|2700,00|-2286,54|#ff0000");

    // An unreadable month is reported and no figure shown.
    QFile::remove(cartellalocale() + "/mov0708");
    ASSERT_TRUE(QDir().mkdir(cartellalocale() + "/mov0708"));
    QString m;
    accettamessaggio(&m);
    Formsaldi f;
    EXPECT_TRUE(m.contains("mov0708")) << m.toStdString();
    EXPECT_EQ(riga(&f, 2), "Marzo||||");
}

// The year's balances of two accounts become two records of 1 January of the next year after
// the question; carried again after a correction, each account keeps its one record, rewritten,
// or deleted when its balance came to zero.
TEST(Formsaldi, TheYearsBalanceIsCarriedIntoJanuaryOnceAndFollowsCorrections)
{
    const QString dati = nuovoarchivio();
    scrivibyte(dati + "/listconto", "BANCA" + QByteArray(45, ' '));
    scrivimese(3,
               {mov(1, 0, 100 * euro), mov(2, 1, 30 * euro), mov(3, 1, 50 * euro, "F", 3),
                mov(4, 0, 999 * euro, "Altra ditta", 2, 2), mov(5, 2, 7 * euro)},
               "08");
    scrivimese(11, {mov(1, 0, 5 * euro, "G", 3)}, "08");
    const Movimento altro = mov(3, 0, euro, "Altro");
    const QString gennaio = scrivimese(1, {altro}, "09");
    Stato &s = stato();
    s.annogestione = "08", s.dittacorrente = 1, s.contocorrente = 1;
    auto riporto = [](qint16 segno, qint64 importo, qint16 conto) {
        return movimento::codifica({1, "RIPORTO SALDO", "Anno 2008", segno, importo, conto, 1, 0});
    };

    // The second account's write fails: the message says what was carried; again finishes it.
    Formsaldi f;
    QString domanda, avviso;
    accettamessaggio(&domanda);
    accettamessaggio(&avviso);
    int scritture = 0;
    impostaguasto([&](Operazione o, const QString &n) {
        return o == Operazione::Scrittura && n.endsWith("mov0109") && ++scritture == 2;
    });
    clicca(&f, "riporta");
    impostaguasto({});
    EXPECT_EQ(
        domanda,
        "Riportare al 1 gennaio 2009 i saldi finali del 2008?\n\nCASSA: 70,00\nBANCA: -45,00");
    EXPECT_TRUE(avviso.contains("mov0109") &&
                avviso.endsWith("Errore del disco.\n\nConti riportati: CASSA.\nConti non "
                                "riportati: BANCA."))
        << avviso.toStdString();
    const QByteArray prima = movimento::codifica(altro) + riporto(0, 70 * euro, 2);
    EXPECT_EQ(leggibyte(gennaio), prima);
    accettamessaggio();
    clicca(&f, "riporta");
    // A second carry of BANCA, as a deletion taken back once could leave: one will stand.
    EXPECT_EQ(leggibyte(gennaio), prima + riporto(1, 45 * euro, 3));
    scrivibyte(gennaio, leggibyte(gennaio) + riporto(1, 45 * euro, 3));

    scrivimese(12, {mov(1, 1, 70 * euro), mov(2, 0, 100 * euro, "H", 3)}, "08");
    EXPECT_EQ(messaggio([&] { clicca(&f, "riporta"); }),
              "Riportare al 1 gennaio 2009 i saldi finali del 2008?\n\nCASSA: 0,00\nBANCA: 55,00");
    QByteArray cassa = riporto(0, 70 * euro, 2), doppio = riporto(1, 45 * euro, 3);
    movimento::marcacancellato(cassa.data());
    movimento::marcacancellato(doppio.data());
    EXPECT_EQ(leggibyte(gennaio),
              movimento::codifica(altro) + cassa + riporto(0, 55 * euro, 3) + doppio);
}
