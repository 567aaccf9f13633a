#include "app/formprincipale.h"
#include "platform/date.h"
#include "store/filemese.h"
#include "support/finestre.h"

#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <memory>

namespace {

constexpr qint64 euro = 10000;
const QColor rosso(255, 0, 0), blu(0, 0, 255);

Movimento mov(qint16 giorno, qint16 segno, qint64 importo, const QString &d1, qint16 conto = 2,
              const QString &d2 = "")
{
    return Movimento{giorno, d1, d2, segno, importo, conto, 1, 0};
}

struct Registro : ::testing::Test {
    QString dati = nuovoarchivio({"Alfa", "Beta"}), anno = annoyy(oggi());
    std::unique_ptr<Formprincipale> f;

    void TearDown() override { EXPECT_TRUE(nessunarispostainattesa()); }
    void apri() { (f = std::make_unique<Formprincipale>())->show(); }
    QString file(int m) const
    {
        return dati + QStringLiteral("/mov%1").arg(m, 2, 10, QChar('0')) + anno;
    }
    void mese(int m, const QList<Movimento> &movimenti) const
    {
        QByteArray b;
        for (const Movimento &x : movimenti)
            b += movimento::codifica(x);
        scrivibyte(file(m), b);
    }
    QString t(const QString &nome) const { return testo(f.get(), nome); }
    // The six cells of screen row k joined by "|", the year shown as YY.
    std::string riga(int k) const
    {
        QStringList celle;
        for (const char *c : {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"})
            celle << t(QStringLiteral("%1_%2").arg(QLatin1String(c)).arg(k));
        return celle.join('|')
            .replace("/" + anno, "/YY")
            .replace("20" + anno, "20YY")
            .toStdString();
    }
    // The first descriptions shown, then income, expense and balance.
    std::string video() const
    {
        QStringList v;
        for (int k = 0; k < 16; ++k)
            v.append(t(QStringLiteral("descri1_%1").arg(k)));
        v.removeAll(QString());
        return (v.join(", ") + " = " + t("Label7") + " " + t("Label8") + " " + t("Label9"))
            .toStdString();
    }
    QColor colore(const QString &nome) const
    {
        return f->findChild<QLabel *>(nome)->palette().color(QPalette::WindowText);
    }
    void premi(const QString &cella, Qt::MouseButton tasto)
    {
        QTest::mousePress(f->findChild<QLabel *>(cella), tasto);
        f->findChild<QMenu *>("opemov")->hide();
    }
    QScrollBar *scroll() const { return f->findChild<QScrollBar *>("scroll"); }
    // Turns the mouse wheel over screen row 3 (Qt passes it up from the label to the window).
    void rotella(int gradi)
    {
        const QPointF dove = f->findChild<QLabel *>("descri1_3")->geometry().center();
        QWheelEvent e(dove, f->mapToGlobal(dove), QPoint(), QPoint(0, gradi * 8), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.get(), &e);
    }
};

} // namespace

TEST_F(Registro, MarchOfEveryAccountIsDrawnWithItsCarriedBalance)
{
    mese(1, {mov(9, 1, 100 * euro, "Affitto")});
    mese(3, {mov(5, 0, 30 * euro, "Incasso", 3, "nota"), mov(2, 1, 12.5 * euro, "Spesa")});
    apri();
    stato().ricerca[0] = "zzz";
    clicca(f.get(), "Toolbar1_1"); // TUTTI, and the search is cleared
    EXPECT_TRUE(stato().ricerca[0].isEmpty());
    clicca(f.get(), "aprimese_3");
    EXPECT_FALSE(f->findChild<QLabel *>("frecciasx_0")->isVisible());
    EXPECT_TRUE(f->findChild<QLabel *>("frecciasx_3")->isVisible());
    EXPECT_EQ(riga(0), "01/03/YY|SALDO PRECEDENTE|Febbraio 20YY||100,00|-100,00");
    EXPECT_EQ(riga(1), "02/03/YY|Spesa|||12,50|-112,50");
    EXPECT_EQ(riga(2), "05/03/YY|Incasso|nota|30,00||-82,50");
    EXPECT_EQ(riga(3), "|||||");
    EXPECT_EQ(colore("saldo_0"), rosso);
    EXPECT_EQ(video(), "SALDO PRECEDENTE, Spesa, Incasso = 30,00 112,50 -82,50");
    EXPECT_EQ(colore("Label9"), rosso);
    EXPECT_EQ(scroll()->maximum(), 3);

    // CASSA alone, February: nothing but January carried; then January emptied.
    clicca(f.get(), "Toolbar1_2");
    clicca(f.get(), "aprimese_2");
    EXPECT_EQ(riga(0), "01/02/YY|SALDO PRECEDENTE|Gennaio 20YY||100,00|-100,00");
    mese(1, {});
    clicca(f.get(), "aprimese_2");
    EXPECT_EQ(video(), " = 0,00 0,00 0,00");
    EXPECT_EQ(colore("Label9"), blu);
    EXPECT_EQ(scroll()->maximum(), 0);
}

TEST_F(Registro, FortyRowsScrollAndTheSelectionIsAScreenPosition)
{
    QList<Movimento> righe;
    for (int i = 1; i <= 40; ++i)
        righe.append(mov(qint16((i + 1) / 2), 0, i * euro, QStringLiteral("Riga %1").arg(i)));
    mese(1, righe);
    apri();
    clicca(f.get(), "aprimese_1");
    ASSERT_EQ(scroll()->maximum(), 40);
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(t("descri1_0"), "Riga 17");
    QTest::keyClick(f.get(), Qt::Key_PageUp);
    EXPECT_EQ(scroll()->value(), 1);
    rotella(-15);
    EXPECT_EQ(scroll()->value(), 1 + QApplication::wheelScrollLines());
    rotella(30);
    EXPECT_EQ(scroll()->value(), 1);
    scroll()->setValue(25);
    EXPECT_EQ(riga(15), "20/01/YY|Riga 40||40,00||820,00");
    EXPECT_EQ(colore("saldo_15"), blu);

    QSignalSpy aperture(f->findChild<QMenu *>("opemov"), &QMenu::aboutToShow);
    premi("descri2_4", Qt::LeftButton);
    premi("ldata_6", Qt::RightButton);
    EXPECT_EQ(aperture.count(), 1);
    // Scrolled back to 1, position 6 is row 7: that is the movement deleted.
    scroll()->setValue(1);
    EXPECT_EQ(messaggio([&] { clicca(f.get(), "cancellamovimento"); }),
              "Sicuro di Cancellare il movimento ?");
    Movimento m;
    ASSERT_TRUE(leggimovimento(percorsomese("c:", 1, anno), 7, m));
    EXPECT_EQ(m.segno, 2);
    EXPECT_EQ(m.descrizione1, "Riga 7");
    EXPECT_EQ(f->rigaselezionata, 0);
    EXPECT_EQ(scroll()->maximum(), 39);
    EXPECT_EQ(riga(6), "04/01/YY|Riga 8||8,00||29,00"); // 1 + ... + 6, then 8

    // The carried balance, an empty row, then a Cancel: nothing is deleted.
    mese(2, {mov(4, 1, 20 * euro, "Spesa")});
    clicca(f.get(), "aprimese_2");
    const QByteArray prima = leggibyte(file(2));
    for (const char *cella : {"descri1_0", "descri1_5"}) {
        premi(cella, Qt::LeftButton);
        EXPECT_EQ(messaggio([&] { clicca(f.get(), "cancellamovimento"); }),
                  "Selezionare Movimento");
    }
    premi("uscite_1", Qt::LeftButton);
    annullamessaggio();
    clicca(f.get(), "cancellamovimento");
    EXPECT_EQ(leggibyte(file(2)), prima);
    EXPECT_EQ(f->rigaselezionata, 1);
}

TEST_F(Registro, YearInputAcceptsOnlyADate)
{
    apri();
    QString titolo;
    rispondiinput("2010", &titolo);
    clicca(f.get(), "StatusBar2_2");
    EXPECT_EQ(titolo, "Variazione Anno di gestione");
    EXPECT_EQ(t("StatusBar2_2"), "Gestione: 2010");
    EXPECT_TRUE(QFile::exists(dati + "/mov0110")); // reloaded
    for (const QString &risposta : {QStringLiteral("9"), QStringLiteral("abc"), QString()}) {
        rispondiinput(risposta);
        clicca(f.get(), "StatusBar2_2");
        EXPECT_EQ(stato().annogestione, "09");
    }
    QTest::mouseClick(f->findChild<QLabel *>("StatusBar2_2"), Qt::RightButton); // asks nothing
}

// More rows than the table holds are announced; a data root that cannot be reached shows one
// message and no rows, and writes nothing.
TEST_F(Registro, DroppedRowsAndAnUnreachableRootAreAnnounced)
{
    QList<Movimento> tanti(2600, mov(1, 0, euro, "M"));
    mese(4, tanti);
    mese(5, tanti);
    apri();
    clicca(f.get(), "aprimese_0");
    EXPECT_EQ(scroll()->maximum(), 5000);
    QLabel *avviso = f->findChild<QLabel *>("avvisorighe");
    EXPECT_TRUE(avviso->isVisible() && avviso->text().contains("5000"));
    EXPECT_EQ(t("Label7"), "5000,00");
    clicca(f.get(), "aprimese_4");
    EXPECT_FALSE(avviso->isVisible());

    const QString rete = QDir::homePath() + "/rete";
    stato().percorso = rete;
    const QString m = messaggio([&] { clicca(f.get(), "aprimese_0"); });
    EXPECT_TRUE(m.contains(QDir::toNativeSeparators(rete + "/quaderoladati"))) << m.toStdString();
    EXPECT_EQ(video(), " = 0,00 0,00 0,00");
    EXPECT_EQ(scroll()->maximum(), 0);
    EXPECT_FALSE(QDir(rete).exists());
}

// A search shows only the matches with their own totals and no carried balance; cancelling
// clears it without reloading. A renamed account keeps its movements.
TEST_F(Registro, SearchShowsOnlyTheMatchesAndRenamedAccountsKeepTheirMovements)
{
    scrivibyte(dati + "/listconto", QByteArray("Banca").leftJustified(50));
    mese(1, {mov(10, 0, 100 * euro, "Incasso")});
    mese(3, {mov(3, 0, 50 * euro, "Fattura ROSSI srl"), mov(4, 1, 20 * euro, "Affitto"),
             mov(8, 1, 5 * euro, "Rossi anticipo"), mov(9, 0, 7 * euro, "Rossi in banca", 3)});
    apri();
    clicca(f.get(), "aprimese_3");
    for (const char *cercato : {"rossi", ""}) {
        quandomodale([cercato](QWidget *w) {
            w->findChild<QLineEdit *>("Text1")->setText(cercato);
            clicca(w, *cercato ? "Command1" : "annulla");
        });
        clicca(f.get(), "cerca");
        EXPECT_EQ(video(), "Fattura ROSSI srl, Rossi anticipo = 50,00 5,00 45,00");
    }
    EXPECT_EQ(stato().ricerca[0], "");
    clicca(f.get(), "Toolbar1_3");
    rispondiinput("Carta");
    clicca(f.get(), "rinominatipo");
    clicca(f.get(), "Toolbar1_3");
    EXPECT_EQ(video(), "Rossi in banca = 7,00 0,00 7,00");
}
