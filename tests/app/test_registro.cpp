#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
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
    QString dati, anno;
    std::unique_ptr<Formprincipale> f;

    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
        anno = annoyy(oggi());
        ASSERT_TRUE(scrividitte("c:", {"Alfa", "Beta"}));
    }
    void TearDown() override { EXPECT_TRUE(nessunarispostainattesa()); }
    void apri()
    {
        f = std::make_unique<Formprincipale>();
        f->show();
    }
    QString file(int m) const
    {
        return dati + QStringLiteral("/mov%1").arg(m, 2, 10, QChar('0')) + anno;
    }
    void mese(int m, const QList<Movimento> &movimenti)
    {
        QByteArray b;
        for (const Movimento &x : movimenti)
            b += movimento::codifica(x);
        scrivibyte(file(m), b);
    }
    QLabel *etichetta(const QString &nome) const
    {
        auto *l = f->findChild<QLabel *>(nome);
        EXPECT_TRUE(l) << nome.toStdString();
        return l;
    }
    QString testo(const QString &nome) const { return etichetta(nome)->text(); }
    // The six cells of screen row k joined by "|", the year shown as YY.
    std::string riga(int k) const
    {
        QStringList celle;
        for (const char *c : {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"})
            celle << testo(QStringLiteral("%1_%2").arg(QLatin1String(c)).arg(k));
        return celle.join('|')
            .replace("/" + anno, "/YY")
            .replace("20" + anno, "20YY")
            .toStdString();
    }
    // Income, expense and balance below the rows.
    std::string totali() const
    {
        return (testo("Label7") + " " + testo("Label8") + " " + testo("Label9")).toStdString();
    }
    QColor colore(const QString &nome) const
    {
        return etichetta(nome)->palette().color(QPalette::WindowText);
    }
    void clicca(const char *nome) { f->findChild<QAbstractButton *>(nome)->click(); }
    void premi(const char *riga, int k, Qt::MouseButton tasto)
    {
        QTest::mousePress(etichetta(QStringLiteral("%1_%2").arg(QLatin1String(riga)).arg(k)),
                          tasto);
    }
    void azione(const char *nome) { f->findChild<QAction *>(nome)->trigger(); }
    QScrollBar *scroll() const { return f->findChild<QScrollBar *>("scroll"); }
    // Turns the mouse wheel over screen row 3 (Qt passes it up from the label to the window).
    void rotella(int gradi)
    {
        const QPointF dove = etichetta("descri1_3")->geometry().center();
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
    azione("Toolbar1_1"); // TUTTI, and the search is cleared
    EXPECT_TRUE(stato().ricerca[0].isEmpty());
    clicca("aprimese_3");
    EXPECT_FALSE(etichetta("frecciasx_0")->isVisible());
    EXPECT_TRUE(etichetta("frecciasx_3")->isVisible());
    EXPECT_EQ(riga(0), "01/03/YY|SALDO PRECEDENTE|Febbraio 20YY||100,00|-100,00");
    EXPECT_EQ(riga(1), "02/03/YY|Spesa|||12,50|-112,50");
    EXPECT_EQ(riga(2), "05/03/YY|Incasso|nota|30,00||-82,50");
    EXPECT_EQ(riga(3), "|||||");
    EXPECT_EQ(colore("saldo_0"), rosso);
    EXPECT_EQ(totali(), "30,00 112,50 -82,50");
    EXPECT_EQ(colore("Label9"), rosso);
    EXPECT_EQ(scroll()->maximum(), 3);

    // CASSA alone, January: one expense; February has nothing at all.
    azione("Toolbar1_2");
    clicca("aprimese_2");
    EXPECT_EQ(riga(0), "01/02/YY|SALDO PRECEDENTE|Gennaio 20YY||100,00|-100,00");
    mese(1, {});
    clicca("aprimese_2");
    EXPECT_EQ(riga(0), "|||||");
    EXPECT_EQ(totali(), "0,00 0,00 0,00");
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
    clicca("aprimese_1");
    ASSERT_EQ(scroll()->maximum(), 40);
    QTest::keyClick(f.get(), Qt::Key_PageDown);
    EXPECT_EQ(scroll()->value(), 17);
    EXPECT_EQ(testo("descri1_0"), "Riga 17");
    QTest::keyClick(f.get(), Qt::Key_PageUp);
    EXPECT_EQ(scroll()->value(), 1);
    rotella(-15);
    EXPECT_EQ(scroll()->value(), 1 + QApplication::wheelScrollLines());
    rotella(30);
    EXPECT_EQ(scroll()->value(), 1);

    scroll()->setValue(25);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(testo(QStringLiteral("descri1_%1").arg(k)),
                  QStringLiteral("Riga %1").arg(25 + k));
    EXPECT_EQ(riga(15), "20/01/YY|Riga 40||40,00||820,00");
    EXPECT_EQ(colore("saldo_15"), blu);

    QSignalSpy aperture(f->findChild<QMenu *>("opemov"), &QMenu::aboutToShow);
    premi("descri2", 4, Qt::LeftButton);
    EXPECT_EQ(f->rigaselezionata, 4);
    premi("ldata", 6, Qt::RightButton);
    EXPECT_EQ(f->rigaselezionata, 6);
    EXPECT_EQ(aperture.count(), 1);
    f->findChild<QMenu *>("opemov")->hide();

    // Scrolled back to 1, position 6 is row 7: that is the movement deleted.
    scroll()->setValue(1);
    EXPECT_EQ(f->rigaselezionata, 6);
    QString domanda;
    accettamessaggio(&domanda);
    azione("cancellamovimento");
    EXPECT_EQ(domanda, "Sicuro di Cancellare il movimento ?");
    Movimento m;
    ASSERT_TRUE(leggimovimento(percorsomese("c:", 1, anno), 7, m));
    EXPECT_EQ(m.segno, 2);
    EXPECT_EQ(m.descrizione1, "Riga 7");
    EXPECT_EQ(f->rigaselezionata, 0);
    EXPECT_EQ(scroll()->maximum(), 39);
    EXPECT_EQ(riga(6), "04/01/YY|Riga 8||8,00||29,00"); // 1 + ... + 6, then 8
    EXPECT_EQ(testo("Label7"), "813,00");
}

TEST_F(Registro, DeletingNeedsARealMovementAndAConfirmation)
{
    mese(1, {mov(3, 0, 50 * euro, "Gennaio")});
    mese(2, {mov(4, 1, 20 * euro, "Spesa")});
    apri();
    clicca("aprimese_2");
    const QByteArray prima = leggibyte(file(2));

    // The carried balance, then an empty row.
    for (const auto &[k, tasto] : {std::pair{0, Qt::RightButton}, {5, Qt::LeftButton}}) {
        premi("descri1", k, tasto);
        f->findChild<QMenu *>("opemov")->hide();
        QString messaggio;
        accettamessaggio(&messaggio);
        azione("cancellamovimento");
        EXPECT_EQ(messaggio, "Selezionare Movimento") << k;
    }
    premi("uscite", 1, Qt::LeftButton);
    annullamessaggio();
    azione("cancellamovimento");
    EXPECT_EQ(leggibyte(file(2)), prima);
    EXPECT_EQ(testo("descri1_1"), "Spesa");
    EXPECT_EQ(f->rigaselezionata, 1);
}

TEST_F(Registro, YearInputAcceptsOnlyADate)
{
    apri();
    QString titolo;
    rispondiinput("2010", &titolo);
    QTest::mouseClick(etichetta("StatusBar2_2"), Qt::LeftButton);
    EXPECT_EQ(titolo, "Variazione Anno di gestione");
    EXPECT_EQ(stato().annogestione, "10");
    EXPECT_EQ(testo("StatusBar2_2"), "Gestione: 2010");
    EXPECT_TRUE(QFile::exists(dati + "/mov0110")); // reloaded

    rispondiinput("9");
    QTest::mouseClick(etichetta("StatusBar2_2"), Qt::LeftButton);
    EXPECT_EQ(stato().annogestione, "09");
    for (const QString &risposta : {QStringLiteral("abc"), QString()}) {
        rispondiinput(risposta);
        QTest::mouseClick(etichetta("StatusBar2_2"), Qt::LeftButton);
        EXPECT_EQ(stato().annogestione, "09");
        EXPECT_EQ(testo("StatusBar2_2"), "Gestione: 2009");
    }
    QTest::mouseClick(etichetta("StatusBar2_2"), Qt::RightButton); // not a click that asks
}

// More rows than the table holds are announced; a data root that cannot be reached shows one
// message and no rows, and writes nothing.
TEST_F(Registro, DroppedRowsAndAnUnreachableRootAreAnnounced)
{
    QList<Movimento> tanti;
    for (int i = 0; i < 2600; ++i)
        tanti.append(mov(qint16(1 + i % 28), 0, euro, "M"));
    mese(4, tanti);
    mese(5, tanti);
    apri();
    clicca("aprimese_0");
    EXPECT_EQ(scroll()->maximum(), 5000);
    QLabel *avviso = etichetta("avvisorighe");
    EXPECT_TRUE(avviso->isVisible());
    EXPECT_TRUE(avviso->text().contains("5000"));
    EXPECT_EQ(testo("Label7"), "5000,00");
    clicca("aprimese_4");
    EXPECT_FALSE(avviso->isVisible());

    const QString rete = QDir::homePath() + "/rete";
    stato().percorso = rete;
    QString messaggio;
    accettamessaggio(&messaggio);
    clicca("aprimese_0");
    EXPECT_TRUE(messaggio.contains(QDir::toNativeSeparators(rete + "/quaderoladati")))
        << messaggio.toStdString();
    EXPECT_EQ(riga(0), "|||||");
    EXPECT_EQ(totali(), "0,00 0,00 0,00");
    EXPECT_EQ(scroll()->maximum(), 0);
    EXPECT_FALSE(QDir(rete).exists());
}
