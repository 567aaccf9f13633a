#include "app/formprincipale.h"
#include "registratore.h"
#include "support/finestre.h"
#include "windows/stampa/formstampante.h"
#include "windows/stampa/rapporto.h"

#include <QFileDialog>

namespace {

RigaMese riga(qint16 giorno, const QString &d0, qint16 segno, qint64 euro, qint64 saldo)
{
    return {0, giorno, 3, {d0, "seconda " + d0}, euro * 10000, segno, saldo * 10000};
}

TabellaMese tabella(const QList<RigaMese> &righe)
{
    TabellaMese t;
    for (qsizetype i = 0; i < righe.size(); ++i)
        t.righe[i + 1] = righe[i];
    t.numerorighe = qint16(righe.size());
    return t;
}

TabellaMese tabella(int n)
{
    QList<RigaMese> righe;
    for (int i = 1; i <= n; ++i)
        righe.append(riga(qint16(i), QStringLiteral("Voce %1").arg(i), 0, 10, 10 * i));
    return tabella(righe);
}

const Lavoro lavoro{-2, 1, "CONTO CASSA Marzo 2008", "08"};

// A rule across the table at y.
void orizzontale(const Operazione &o, double y)
{
    EXPECT_TRUE(o.x == 0.5 && o.x2 == 17.5 && o.y == y && o.y2 == y) << o.x << " " << o.y;
}

// The entries of a list of the print window, the selected one marked with "*".
QStringList voci(QWidget &f, const char *nome)
{
    QStringList v;
    for (const QListWidgetItem *i :
         f.findChild<QListWidget *>(nome)->findItems("*", Qt::MatchWildcard))
        v.append(i->isSelected() ? "*" + i->text() : i->text());
    return v;
}

void seleziona(QWidget &f, const char *nome, const QString &voce)
{
    auto *l = f.findChild<QListWidget *>(nome);
    l->setCurrentItem(l->findItems(voce, Qt::MatchExactly).value(0));
}

// Prints to the "File PDF" entry, answering its file question; the message shown, if any.
QString stampapdf(QWidget &f, const QString &file)
{
    quandomodale([file](QWidget *w) {
        qobject_cast<QFileDialog *>(w)->selectFile(file);
        QMetaObject::invokeMethod(w, "accept");
    });
    return messaggio([&] { clicca(&f, "Command1"); });
}

} // namespace

TEST(Rapporto, EveryPositionOfAnEighteenCentimetreWidthAndBoldOnlyForNegativeBalances)
{
    Registratore r;
    const TabellaMese t =
        tabella({riga(5, "Fattura 12", 1, 150, -50), riga(9, "Incasso", 0, 50, 0)});
    ASSERT_EQ(stampamese(r, "Ufficio", t, lavoro), Esitostampa::completata);
    EXPECT_EQ(r.scelta + QString::number(r.fini), "Ufficio1");
    const struct {
        const char *testo;
        double x, y;
        bool grassetto;
    } attesi[] = {{"CONTO CASSA Marzo 2008", (18 - 22 * 0.25) / 2, 0.5, true},
                  {"Pag. 1", 18 - 6 * 0.2 - 0.5, 1.0, false},
                  {"DATA", 1.1, 2.0, true},
                  {"DESCRIZIONE", 4.7, 2.0, true},
                  {"ENTRATE", 9.5, 2.0, true},
                  {"USCITE", 12.5, 2.0, true},
                  {"SALDO", 15.5, 2.0, true},
                  {"05/03/08", 0.8, 3.0, false},
                  {"Fattura 12", 2.5, 3.0, true},
                  {"seconda Fattura 12", 2.5, 3.5, false},
                  {"€ 150,00", 12.5, 3.5, false},
                  {"€ -50,00", 17.5 - 8 * 0.25, 3.5, true}, // ends at W - 0.5
                  {"09/03/08", 0.8, 4.0, false},
                  {"Incasso", 2.5, 4.0, true},
                  {"seconda Incasso", 2.5, 4.5, false},
                  {"€ 50,00", 9.5, 4.5, false},
                  {"€ 0,00", 17.5 - 6 * 0.2, 4.5, false}};
    const QList<Operazione> s = r.tipo(Operazione::testo);
    ASSERT_EQ(s.size(), qsizetype(std::size(attesi)));
    for (qsizetype i = 0; i < s.size(); ++i) {
        const auto &a = attesi[i];
        EXPECT_EQ(s[i].scritto, QString::fromUtf8(a.testo));
        EXPECT_TRUE(qAbs(s[i].x - a.x) < 1e-9 && qAbs(s[i].y - a.y) < 1e-9) << a.testo;
        EXPECT_EQ(s[i].grassetto, a.grassetto) << a.testo;
    }
    // Each band: a rule across, then the six column borders from the top of the band down to y.
    const QList<Operazione> l = r.tipo(Operazione::linea);
    ASSERT_EQ(l.size(), 22);
    qsizetype n = 0;
    for (const auto &[sopra, y, altezza] :
         {std::tuple{1.5, 3.0, 1.5}, {3.0, 4.0, 0.99}, {4.0, 5.0, 0.99}}) {
        orizzontale(l[n++], sopra);
        for (double x : {0.5, 2.3, 9.0, 11.7, 14.5, 17.5}) {
            const Operazione &o = l[n++];
            EXPECT_TRUE(qAbs(o.x - x) < 1e-9 && o.x2 == o.x && qAbs(o.y - (y - altezza)) < 1e-9 &&
                        o.y2 == y)
                << x << " " << y;
        }
    }
    orizzontale(l[n], 5.0); // the closing rule
}

TEST(Rapporto, PagesBreakAfterEveryRowTheLastIncludedAndAFailureEndsTheDocument)
{
    // The header ends 3 cm down and a row takes 1 cm: with H = 10 a page breaks at y >= 8,
    // after the fifth row of each page.
    for (int righe : {5, 7, 12}) {
        Registratore r;
        r.H = 10;
        ASSERT_EQ(stampamese(r, "Laser", tabella(righe), lavoro), Esitostampa::completata);
        const int pagine = righe / 5 + 1;
        EXPECT_EQ(r.tipo(Operazione::pagina).size(), pagine - 1) << righe;
        EXPECT_TRUE(r.stampato(QStringLiteral("Pag. %1").arg(pagine)));
        EXPECT_FALSE(r.stampato(QStringLiteral("Pag. %1").arg(pagine + 1)));
        for (qsizetype i = 0; i < r.fatte.size(); ++i)
            if (r.fatte[i].tipo == Operazione::pagina)
                orizzontale(r.fatte[i - 1], 8.0);
        // After a full last page the closing rule lies right under the heading frame.
        orizzontale(r.fatte.last(), righe % 5 == 0 ? 3.0 : 3.0 + righe % 5);
    }
    Registratore r;
    r.falliscidopo = 45; // inside the third row
    EXPECT_EQ(stampamese(r, "Laser", tabella(6), lavoro), Esitostampa::interrotta);
    EXPECT_EQ(r.fatte.size(), 45); // nothing after the failure, no closing rule
    EXPECT_EQ(r.fini, 1);          // the pages drawn are sent
    Registratore nessuna;
    EXPECT_EQ(stampamese(nessuna, "laser", tabella(1), lavoro), Esitostampa::nessunastampante);
    EXPECT_EQ(stampamese(nessuna, "", tabella(1), lavoro), Esitostampa::nessunastampante);
    EXPECT_TRUE(nessuna.fatte.isEmpty() && nessuna.scelta.isEmpty() && nessuna.fini == 0);
}

struct Finestra : ::testing::Test {
    Registratore r;
    void SetUp() override
    {
        nuovoarchivio();
        usastampante(&r);
        Stato &s = stato();
        s.annogestione = "08";
        s.mesecorrente = 3;
        s.tabellamese =
            tabella({riga(5, "Fattura 1", 0, 100, 100), riga(6, "Fattura 2", 0, 100, 200)});
    }
    void TearDown() override { usastampante(nullptr); }
};

TEST_F(Finestra, PrintsOnTheChosenPrinterWithQualityCopiesAndTitleAndStaysOpen)
{
    r.attuale = "Sparita"; // not among the printers: nothing preselected, nothing printed
    Formstampante nessuna;
    EXPECT_EQ(voci(nessuna, "Lista"), QStringList({"Ufficio", "Laser", "File PDF", "File CSV"}));
    clicca(&nessuna, "Command1");
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty() && r.fini == 0);

    r.attuale = "Laser";
    Formstampante f;
    f.show();
    EXPECT_EQ(voci(f, "Lista"), QStringList({"Ufficio", "*Laser", "File PDF", "File CSV"}));
    EXPECT_EQ(voci(f, "Listaqualita"), QStringList({"Alta", "Media", "*Bassa", "Bozza"}));
    EXPECT_EQ(voci(f, "Listcopie"), QStringList({"*1", "2", "3", "4"}));
    seleziona(f, "Lista", "Ufficio");
    for (auto [qualita, codice, copie] :
         {std::tuple{"Alta", -4, 3}, {"Media", -3, 1}, {"Bassa", -2, 4}, {"Bozza", -1, 2}}) {
        seleziona(f, "Listaqualita", qualita);
        seleziona(f, "Listcopie", QString::number(copie));
        clicca(&f, "Command1");
        EXPECT_EQ(r.qualitadata * 10 + r.copiedate, codice * 10 + copie);
    }
    EXPECT_EQ(r.scelta, "Ufficio");
    EXPECT_TRUE(r.stampato("CONTO CASSA Marzo 2008") && r.stampato("€ 200,00"));
    stato().contocorrente = 1;
    stato().mesecorrente = 0;
    clicca(&f, "Command1");
    EXPECT_TRUE(r.stampato("CONTO TUTTI Anno 2008"));
    EXPECT_EQ(r.fini, 5);
    Formstampante g; // the printer of the last job comes preselected
    EXPECT_EQ(voci(g, "Lista").value(0), "*Ufficio");

    // An interrupted print is reported and the window stays open.
    r.falliscidopo = int(r.fatte.size()) + 20;
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }),
              "La stampa non è stata completata.\n" + r.motivo());
    EXPECT_EQ(r.fini, 6);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(Finestra, FilePdfWritesTheReportAndLeavesTheCurrentPrinterAlone)
{
    Formstampante f;
    f.show();
    seleziona(f, "Lista", "File PDF");
    const QString casa = QDir::homePath(), chiusa = casa + "/chiusa";
    EXPECT_EQ(stampapdf(f, casa + "/marzo"), "");
    EXPECT_TRUE(leggibyte(casa + "/marzo.pdf").startsWith("%PDF"));
    // A file that cannot be written is a print that did not complete.
    ASSERT_TRUE(QDir().mkpath(chiusa));
    if (bloccacartella(chiusa)) {
        const QString m = stampapdf(f, chiusa + "/marzo.pdf");
        sbloccacartella(chiusa);
        EXPECT_TRUE(m.contains(chiusa + "/marzo.pdf")) << m.toStdString();
    }
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(r.fatte.isEmpty() && r.scelta.isEmpty());
    Formstampante g;
    EXPECT_EQ(voci(g, "Lista").value(1), "*Laser");

    // The main window opens the print window only with rows to print.
    const TabellaMese righe = stato().tabellamese;
    Formprincipale principale;
    stato().tabellamese = TabellaMese();
    principale.stampa(); // nothing to print: no window, so nothing waits for an answer
    stato().tabellamese = righe;
    QString nome;
    quandomodale([&](QWidget *w) {
        nome = w->objectName();
        clicca(w, "annulla");
    });
    principale.stampa();
    EXPECT_EQ(nome, "Formstampante");
}
