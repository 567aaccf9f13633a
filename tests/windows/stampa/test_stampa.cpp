#include "app/formprincipale.h"
#include "ledger/esportazione.h"
#include "platform/percorsi.h"
#include "platform/stampante.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/stampa/formstampante.h"
#include "windows/stampa/rapporto.h"

#include <QDeadlineTimer>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QThread>

namespace {

QString traccia(double x1, double y1, double x2, double y2)
{
    return QStringLiteral("%1,%2>%3,%4").arg(x1).arg(y1).arg(x2).arg(y2);
}

// A print service that records each drawing as a line: "text@x,y" ("*" after it in bold, then
// "/points" when not in 12), "x1,y1>x2,y2" for a rule, "pagina", "" for an empty write. A
// character in 12 points is 0.2 cm wide (0.25 in bold), a line 0.5 cm high, the page 18 cm wide.
class Registratore : public Stampante
{
  public:
    QStringList nomi = {"Ufficio", "Laser"}, fatte;
    QString attuale = "Laser", scelta;
    double H = 27, px = 0, py = 0, punti = 12;
    int falliscidopo = -1, qualitadata = 0, copiedate = 0, fini = 0; // -1: nothing fails
    bool neretto = false;

    QStringList stampanti() const override { return nomi; }
    QString corrente() const override { return attuale; }
    bool scegli(const QString &n) override { return (scelta = attuale = n), true; }
    bool qualita(int c) override { return (qualitadata = c), true; }
    bool copie(int n) override { return (copiedate = n), true; }
    bool carattere(const QString &, double p, bool b) override { return (punti = p), grassetto(b); }
    bool grassetto(bool b) override { return (neretto = b), true; }
    bool centimetri() override { return true; }
    double larghezza() const override { return 18; }
    double altezza() const override { return H; }
    double x() const override { return px; }
    double y() const override { return py; }
    void posizione(double x, double y) override { px = x, py = y; }
    double larghezzatesto(const QString &t) const override
    {
        return t.size() * (neretto ? 0.25 : 0.2) * punti / 12;
    }
    bool scrivi(const QString &t, bool acapo) override
    {
        const QString punto = QStringLiteral("@%1,%2").arg(px).arg(py) + (neretto ? "*" : "") +
                              (punti != 12 ? "/" + QString::number(punti) : "");
        if (!registra(t.isEmpty() ? QString() : t + punto))
            return false;
        return acapo ? posizione(0, py + 0.5) : posizione(px + larghezzatesto(t), py), true;
    }
    bool linea(double x1, double y1, double x2, double y2) override
    {
        return registra(traccia(x1, y1, x2, y2)) && (posizione(x2, y2), true);
    }
    bool nuovapagina() override { return registra("pagina") && (posizione(0, 0), true); }
    bool fine() override { return ++fini, true; }
    QString motivo() const override { return "La stampante è spenta."; }
    bool stampato(const QString &testo) const { return !fatte.filter(testo + "@").isEmpty(); }

  private:
    bool registra(const QString &o) { return falliscidopo != fatte.size() && (fatte << o, true); }
};

// n rows: day i, "Voce i", 10·i euro, in the expense column when odd, balance 10·(i - 2) euro.
TabellaMese tabella(int n)
{
    TabellaMese t;
    for (qint16 i = 1; i <= n; ++i) {
        const QString v = QStringLiteral("Voce %1").arg(i);
        t.righe[i] = {0, i, 3, {v, "seconda " + v}, i * 100000, qint16(i % 2), (i - 2) * 100000};
    }
    t.numerorighe = qint16(n);
    return t;
}

const Lavoro lavoro{-2, 1, "CONTO CASSA Marzo 2008", "08"};

void seleziona(QWidget &f, const char *nome, const QString &voce)
{
    auto *l = f.findChild<QListWidget *>(nome);
    l->setCurrentItem(l->findItems(voce, Qt::MatchExactly).value(0));
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

// Presses Command1 with voce chosen, answering the file question with file; the message shown.
QString salvasu(QWidget &f, const char *voce, const QString &file, QString *proposto = nullptr)
{
    seleziona(f, "Lista", voce);
    scegli(file, nullptr, proposto);
    return messaggio([&] { clicca(&f, "Command1"); });
}

// Runs a program: its output, or "" with its error in *errore when it fails.
QString esegui(const QString &programma, const QStringList &argomenti, QString *errore = nullptr)
{
    QProcess p;
    p.start(programma, argomenti);
    const bool ok =
        p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (errore)
        *errore = ok ? QString() : QString::fromLocal8Bit(p.readAllStandardError()) + " ";
    return ok ? QString::fromUtf8(p.readAllStandardOutput()).trimmed() : QString();
}

int contapagine(const QString &pdf)
{
#ifdef Q_OS_WIN // no poppler there; Qt writes each page as a plain "/Type /Page" object
    return int(leggibyte(pdf).count("/Type /Page\n"));
#else
    return esegui("pdfinfo", {pdf}).section("Pages:", 1).section('\n', 0, 0).toInt();
#endif
}

} // namespace

TEST(Rapporto, EveryPositionOfAnEighteenCentimetreWidthAndBoldOnlyForNegativeBalances)
{
    Registratore r;
    ASSERT_EQ(stampamese(r, "Ufficio", tabella(2), lavoro), Esitostampa::completata);
    EXPECT_EQ(r.scelta + QString::number(r.fini), "Ufficio1");
    EXPECT_EQ(
        r.fatte.filter("@"),
        QStringList({"CONTO CASSA Marzo 2008@6.25,0.5*", "Pag. 1@16.3,1", "DATA@1.1,2*",
                     "DESCRIZIONE@4.7,2*", "ENTRATE@9.5,2*", "USCITE@12.5,2*", "SALDO@15.5,2*",
                     "01/03/08@0.8,3", "Voce 1@2.5,3*", "seconda Voce 1@2.5,3.5",
                     "€ 10,00@12.5,3.5", "€ -10,00@15.5,3.5*", "02/03/08@0.8,4", "Voce 2@2.5,4*",
                     "seconda Voce 2@2.5,4.5", "€ 20,00@9.5,4.5", "€ 0,00@16.3,4.5"}));
    // Each band: a rule across, then the six column borders from the top of the band down to y.
    QStringList attese;
    for (const auto &[sopra, y, alto] :
         {std::tuple{1.5, 3.0, 1.5}, {3.0, 4.0, 0.99}, {4.0, 5.0, 0.99}}) {
        attese << traccia(0.5, sopra, 17.5, sopra);
        for (double x : {0.5, 2.3, 9.0, 11.7, 14.5, 17.5})
            attese << traccia(x, y - alto, x, y);
    }
    EXPECT_EQ(r.fatte.filter(">"), attese << traccia(0.5, 5, 17.5, 5));
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
        EXPECT_EQ(r.fatte.count("pagina"), pagine - 1) << righe;
        EXPECT_TRUE(r.stampato(QStringLiteral("Pag. %1").arg(pagine)));
        for (qsizetype i = r.fatte.indexOf("pagina"); i > 0; i = r.fatte.indexOf("pagina", i + 1))
            EXPECT_EQ(r.fatte[i - 1], traccia(0.5, 8, 17.5, 8));
        // After a full last page the closing rule lies right under the heading frame.
        const double fondo = righe % 5 == 0 ? 3.0 : 3.0 + righe % 5;
        EXPECT_EQ(r.fatte.last(), traccia(0.5, fondo, 17.5, fondo));
    }
    Registratore r;
    r.falliscidopo = 45; // inside the third row
    EXPECT_EQ(stampamese(r, "Laser", tabella(6), lavoro), Esitostampa::interrotta);
    EXPECT_EQ(r.fatte.size(), 45); // nothing after the failure, no closing rule
    EXPECT_EQ(r.fini, 1);          // the pages drawn are sent
    r = Registratore();            // an amount of a damaged sign is in neither column
    TabellaMese t = tabella(1);
    t.righe[1].segno = 7;
    ASSERT_EQ(stampamese(r, "Laser", t, lavoro), Esitostampa::completata);
    EXPECT_FALSE(r.stampato("€ 10,00"));
    r = Registratore(); // a figure too wide for its column comes smaller, within its room
    t.righe[1] = {1, 1, 3, {}, 9999999999900, 1, -9999999999900};
    ASSERT_EQ(stampamese(r, "Laser", t, lavoro), Esitostampa::completata);
    EXPECT_EQ(r.fatte.filter("€"),
              QStringList({"€ 999999999,99@12.5,3.5/8", "€ -999999999,99@14.6875,3.5*/9"}));
    EXPECT_EQ(r.fatte.last(), traccia(0.5, 4, 17.5, 4)); // the row still 1 cm high
    Registratore nessuna;                                // the name must match exactly
    for (const char *nome : {"laser", ""})
        EXPECT_EQ(stampamese(nessuna, nome, tabella(1), lavoro), Esitostampa::nessunastampante);
    EXPECT_TRUE(nessuna.fatte.isEmpty() && nessuna.scelta.isEmpty() && nessuna.fini == 0);
}

struct Finestra : ::testing::Test {
    Registratore r;
    QString casa;
    void SetUp() override
    {
        nuovoarchivio();
        casa = cartellautente();
        usastampante(&r);
        stato().annogestione = "08", stato().mesecorrente = 3, stato().tabellamese = tabella(2);
    }
    void TearDown() override { usastampante(nullptr); }
};

TEST_F(Finestra, PrintsOnTheChosenPrinterOrAPdfWithQualityCopiesAndTitleAndStaysOpen)
{
    Formstampante f;
    f.show();
    EXPECT_EQ(voci(f, "Lista") + voci(f, "Listaqualita").filter("*") +
                  voci(f, "Listcopie").mid(0, 1),
              QStringList({"Ufficio", "*Laser", "File PDF", "File CSV", "*Bassa", "*1"}));
    seleziona(f, "Lista", "Ufficio");
    for (auto [qualita, codice, copie] :
         {std::tuple{"Alta", -4, 3}, {"Media", -3, 1}, {"Bassa", -2, 4}, {"Bozza", -1, 2}}) {
        seleziona(f, "Listaqualita", qualita);
        seleziona(f, "Listcopie", QString::number(copie));
        clicca(&f, "Command1");
        EXPECT_EQ(r.qualitadata * 10 + r.copiedate, codice * 10 + copie);
    }
    EXPECT_TRUE(r.scelta == "Ufficio" && r.stampato("CONTO CASSA Marzo 2008"));
    stato().contocorrente = 1, stato().mesecorrente = 0;
    clicca(&f, "Command1");
    EXPECT_TRUE(r.stampato("CONTO TUTTI Anno 2008"));
    Formstampante g; // the printer of the last job comes preselected
    EXPECT_EQ(voci(g, "Lista").value(0), "*Ufficio");

    // An interrupted print is reported and the window stays open.
    r.falliscidopo = int(r.fatte.size()) + 20;
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }),
              "La stampa non è stata completata.\n" + r.motivo());
    EXPECT_EQ(r.fini, 6);
    EXPECT_TRUE(f.isVisible());

    // A PDF file has the pages of the preview, and the printer is left alone.
    stato().tabellamese = tabella(60);
    r.fatte.clear(), r.scelta.clear();
    int anteprima = 0;
    seleziona(f, "Lista", "File PDF");
    quandomodale([&](QWidget *w) {
        anteprima = w->findChild<QPrintPreviewWidget *>()->pageCount();
        QMetaObject::invokeMethod(w, "reject");
    });
    clicca(&f, "anteprima");
    EXPECT_EQ(salvasu(f, "File PDF", casa + "/marzo"), "");
    EXPECT_TRUE(anteprima > 1 && anteprima == contapagine(casa + "/marzo.pdf")) << anteprima;
    // A file that cannot be written is a print that did not complete.
    const QString chiusa = casa + "/chiusa";
    ASSERT_TRUE(QDir().mkpath(chiusa));
    if (bloccacartella(chiusa)) {
        const QString m = salvasu(f, "File PDF", chiusa + "/marzo.pdf");
        sbloccacartella(chiusa);
        EXPECT_TRUE(m.contains(chiusa + "/marzo.pdf")) << m.toStdString();
    }
    EXPECT_TRUE(f.isVisible() && r.fatte.isEmpty() && r.scelta.isEmpty());
    f.findChild<QListWidget *>("Lista")->clearSelection(); // a preview needs a destination
    EXPECT_TRUE(messaggio([&] { clicca(&f, "anteprima"); }).contains("File PDF"));
}

TEST_F(Finestra, FileCsvHoldsEveryRowOfTheLedgerAsASpreadsheetReadsItOrNoFileAtAll)
{
    Formprincipale principale;
    scrivimese(1, {{5, "Affitto", "", 1, 12345000, 2, 1, 0}}, "35");
    scrivimese(3,
               {{9, "=SOMMA(A1:A9)", "rata; \"mutuo\"", 0, 20000000, 3, 1, 0},
                {2, "Bollette", "-10% Caffè", 1, 505000, 2, 1, 0},
                {4, "Altra ditta", "", 0, 10000, 2, 2, 0},
                {3, "Segno guasto", "", 7, 990000, 2, 1, 0}},
               "35");
    Stato &st = stato();
    st.annogestione = "35", st.dittacorrente = 1, st.contocorrente = 1, st.mesecorrente = 3;
    ASSERT_TRUE(esportaregistro(casa + "/marzo.csv", st.filtro(), {"", "TUTTI", "CASSA", "Banca"}));
    EXPECT_EQ(leggibyte(casa + "/marzo.csv").toStdString(),
              "\xEF\xBB\xBF"
              "Data;Descrizione;Descrizione 2;Entrate;Uscite;Saldo;Conto\r\n"
              "01/03/2035;SALDO PRECEDENTE;Febbraio 2035;;1234,50;-1234,50;\r\n"
              "02/03/2035;Bollette;'-10% Caff\xC3\xA8;;50,50;-1285,00;CASSA\r\n"
              "03/03/2035;Segno guasto;;;;-1285,00;CASSA\r\n"
              "09/03/2035;'=SOMMA(A1:A9);\"rata; \"\"mutuo\"\"\";2000,00;;715,00;Banca\r\n"
              "Totali;;;2000,00;1285,00;715,00;\r\n");

    // What the screen shows, although the search was cancelled and another root chosen since.
    st.ricerca[0] = "Bollette";
    principale.elabora();
    st.azzeraricerca(), st.percorso = casa + "/altra";
    Formstampante f;
    EXPECT_EQ(salvasu(f, "File CSV", casa + "/visto.csv"), "");
    EXPECT_TRUE(leggibyte(casa + "/visto.csv").endsWith("\nTotali;;;0,00;50,50;-50,50;\r\n") &&
                !QFileInfo::exists(st.percorso));

    // A year past what the screen holds, through the print window, into a name that is also a
    // pattern: an old file of the user's that it would match keeps its bytes.
    const QList<Movimento> incassi(17000, Movimento{1, "Incasso", "", 0, 10000, 2, 1, 0});
    scrivimese(1, incassi);
    scrivimese(2, incassi);
    st.percorso = "c:", st.annogestione = "26", st.contocorrente = 2, st.mesecorrente = 0;
    principale.elabora();
    const QString file = casa + "/c[ab].csv", vicino = casa + "/ca.csv.orig01";
    scrivivecchio(vicino, "utente");
    QString proposto;
    EXPECT_EQ(salvasu(f, "File CSV", file, &proposto), "");
    EXPECT_EQ(proposto, casa + "/CASSA_Anno_2026.csv");
    EXPECT_EQ(leggibyte(vicino), "utente");
    const QList<QByteArray> righe = leggibyte(file).split('\n');
    // The heading, the rows, the totals, the end of the last line.
    ASSERT_EQ(righe.size(), 34003);
    EXPECT_EQ(righe[34000], "01/02/2026;Incasso;;1,00;;34000,00;CASSA\r");
    EXPECT_EQ(righe[34001], "Totali;;;34000,00;0,00;34000,00;\r");

    impostaguasto([](Operazione o, const QString &) { return o == Operazione::Scrittura; });
    const QString m = salvasu(f, "File CSV", casa + "/cassa.csv");
    impostaguasto(nullptr);
    EXPECT_TRUE(m.contains(QDir::toNativeSeparators(casa + "/cassa.csv"))) << m.toStdString();
    EXPECT_EQ(QDir(casa).entryList(QDir::Files | QDir::Hidden),
              QStringList({"c[ab].csv", "ca.csv.orig01", "marzo.csv", "visto.csv"}));
}

// End to end: months printed through the window to a real queue that writes PDF files.
TEST(StampaCups, AMonthComesOutOfARealQueueAsAPdfAndARemovedQueueIsAFailure)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the queue is a CUPS one, set up by a shell script: Windows has neither";
#endif
    const QString coda = "QuaderolaPDF", via = "QuaderolaVia";
    QString errore;
    esegui("bash", {SCRIPTSTAMPANTE, via});
    const QString cartella = esegui("bash", {SCRIPTSTAMPANTE, coda}, &errore);
    if (!errore.isEmpty())
        GTEST_SKIP() << "no CUPS queue to print to: " << errore.toStdString();
    nuovoarchivio();
    stato().annogestione = "08";
    stato().mesecorrente = 3;
    stato().tabellamese = tabella(60);
    const QStringList prima = QDir(cartella).entryList({"*.pdf"});
    Formstampante f;
    seleziona(f, "Lista", coda);
    EXPECT_EQ(messaggio([&] { clicca(&f, "Command1"); }), "");
    QString pdf;
    // Well inside the test's own limit, so a job that never comes out is named as such.
    for (QDeadlineTimer fine(40000); pdf.isEmpty() && !fine.hasExpired(); QThread::msleep(200))
        for (const QString &nome : QDir(cartella).entryList({"*.pdf"}))
            if (!prima.contains(nome) && esegui("lpstat", {"-o", coda}).isEmpty())
                pdf = cartella + "/" + nome;
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF came out of " << coda.toStdString() << " in 40 s";
    const QString testo = esegui("pdftotext", {"-layout", pdf, "-"});
    const int n = contapagine(pdf);
    EXPECT_TRUE(QFile::remove(pdf) && n > 1) << n;
    for (const char *atteso : {"CONTO CASSA Marzo 2008", "seconda Voce 60", "Pag. 2"})
        EXPECT_TRUE(testo.contains(atteso)) << atteso << testo.toStdString();

    Stampante &s = stampante();
    ASSERT_TRUE(s.scegli(via) && s.centimetri() && s.scrivi("Prima riga", true));
    EXPECT_GT(s.larghezza(), 15);
    esegui("lpadmin", {"-x", via});
    EXPECT_FALSE(s.fine());
    EXPECT_TRUE(s.motivo().contains(via)) << s.motivo().toStdString();
}
