// The main window: start-up, the ledger on screen and the commands on it, the accounts.
#include "app/formprincipale.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/saldi/formsaldi.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBar>
#include <QWheelEvent>

namespace {

const QColor rosso(255, 0, 0), blu(0, 0, 255);
const char *const colonne[] = {"ldata", "descri1", "descri2", "entrate", "uscite", "saldo"};

const auto record = [](const QByteArray &nome) { return nome.leftJustified(50, ' '); };

// The captions of the account buttons from the first, each shown as typed on its button.
QStringList bottoni(const Formprincipale &f, int primo = 3)
{
    QStringList nomi;
    for (int i = primo; auto *a = f.findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(i));
         ++i) {
        const QWidget *b = f.findChild<QToolBar *>("Toolbar1")->widgetForAction(a);
        EXPECT_EQ(a->iconText() + b->property("text").toString(), a->text() + a->text());
        nomi.append(a->text());
    }
    return nomi;
}

struct Registro : ::testing::Test {
    QString dati = nuovoarchivio({"Alfa", "Beta"}), anno = annoyy(oggi());
    std::unique_ptr<Formprincipale> f;

    void TearDown() override { EXPECT_EQ(scartarisposte(), 0); }
    void apri() { (f = std::make_unique<Formprincipale>())->show(); }
    QString mese(int m, const QList<Movimento> &l) const { return scrivimese(m, l, anno); }
    QString t(const QString &nome) const { return testo(f.get(), nome); }
    // Runs the named command of the window: the message it showed, or "".
    QString comando(const char *nome)
    {
        return messaggio([&] { clicca(f.get(), nome); });
    }
    // The six cells of screen row k joined by "|", the year shown as YY.
    std::string riga(int k) const
    {
        QStringList celle;
        for (const char *c : colonne)
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
        for (int k = 0; k < Formprincipale::righevisibili; ++k)
            v.append(t(QStringLiteral("descri1_%1").arg(k)));
        v.removeAll(QString());
        return (v.join(", ") + " = " + t("Label7") + " " + t("Label8") + " " + t("Label9"))
            .toStdString();
    }
    QColor colore(const QString &nome) const
    {
        return f->findChild<QLabel *>(nome)->palette().color(QPalette::WindowText);
    }
    void premi(const QString &cella, Qt::MouseButton tasto = Qt::LeftButton)
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
    // Runs the account command answering its input box (empty = Cancel): the box's title,
    // then the message shown after it, if any.
    QString conto(const char *comando, const QString &risposta)
    {
        QString titolo;
        rispondiinput(risposta, &titolo);
        return titolo + messaggio([&] { clicca(f.get(), comando); });
    }
};

} // namespace

TEST(Avvio, NewMachineCreatesTheLocalFolderAndShowsAnEmptyLedgerOnWhite)
{
    const QString casa = nuovacasa();
    Formprincipale f;
    EXPECT_TRUE(QDir(casa + "/quaderoladati").exists());
    EXPECT_EQ(testo(&f, "StatusBar2_1") + "|" + testo(&f, "StatusBar2_2"),
              "Ditta |Gestione: 20" + annoyy(oggi()));
    EXPECT_EQ(bottoni(f, 1), QStringList({"TUTTI", "CASSA"}));
    EXPECT_TRUE(f.findChild<QAction *>("Toolbar1_2")->isChecked());
    auto *l = f.findChild<QLabel *>("saldo_15"); // every cell is made alike
    EXPECT_TRUE(l->text() == "-" && l->autoFillBackground() &&
                l->palette().color(QPalette::Window) == Qt::white);
}

TEST_F(Registro, MarchOfEveryAccountIsDrawnWithItsCarriedBalance)
{
    mese(1, {mov(9, 1, 100 * euro, "Affitto")});
    mese(3, {mov(5, 0, 30 * euro, "Incasso", 3, 1, "nota"), mov(2, 1, 12.5 * euro, "Spesa")});
    apri();
    clicca(f.get(), "Toolbar1_1"); // TUTTI
    clicca(f.get(), "aprimese_3");
    EXPECT_EQ(riga(0), "01/03/YY|SALDO PRECEDENTE|Febbraio 20YY||100,00|-100,00");
    EXPECT_EQ(riga(1), "02/03/YY|Spesa|||12,50|-112,50");
    EXPECT_EQ(riga(2), "05/03/YY|Incasso|nota|30,00||-82,50");
    EXPECT_EQ(colore("saldo_0"), rosso);
    EXPECT_EQ(video(), "SALDO PRECEDENTE, Spesa, Incasso = 30,00 112,50 -82,50");
    EXPECT_EQ(colore("Label9"), rosso);

    // CASSA alone, February with January emptied: nothing at all.
    clicca(f.get(), "Toolbar1_2");
    mese(1, {});
    clicca(f.get(), "aprimese_2");
    EXPECT_EQ(video(), " = 0,00 0,00 0,00");
    EXPECT_EQ(colore("Label9"), blu);
    EXPECT_EQ(scroll()->maximum(), 0);

    // The year: a date's last two digits, anything else changes nothing.
    rispondiinput("2010");
    clicca(f.get(), "StatusBar2_2");
    EXPECT_EQ(t("StatusBar2_2"), "Gestione: 2010");
    EXPECT_TRUE(QFile::exists(dati + "/mov0210")); // reloaded
    for (const QString &risposta : {QStringLiteral("9"), QStringLiteral("abc"), QString()}) {
        rispondiinput(risposta);
        clicca(f.get(), "StatusBar2_2");
        EXPECT_EQ(stato().annogestione, "09");
    }
}

TEST_F(Registro, RowsScrollTheSelectionIsAScreenPositionAndDroppedRowsAreAnnounced)
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
    rotella(-15);
    EXPECT_EQ(scroll()->value(), 1 + QApplication::wheelScrollLines());
    rotella(30);
    EXPECT_EQ(scroll()->value(), 1);
    scroll()->setValue(25);
    EXPECT_EQ(riga(15), "20/01/YY|Riga 40||40,00||820,00");

    premi("descri2_4");
    premi("ldata_6", Qt::RightButton);
    // Scrolled back to 1, position 6 is row 7: that is the movement deleted.
    scroll()->setValue(1);
    EXPECT_EQ(comando("cancellamovimento"), "Sicuro di Cancellare il movimento ?");
    EXPECT_EQ(f->rigaselezionata, 0);
    EXPECT_EQ(riga(6), "04/01/YY|Riga 8||8,00||29,00"); // 1 + ... + 6, then 8

    // The carried balance, an empty row, then a Cancel: nothing is deleted.
    const QString febbraio = mese(2, {mov(4, 1, 20 * euro, "Spesa")});
    clicca(f.get(), "aprimese_2");
    const QByteArray prima = leggibyte(febbraio);
    for (const char *cella : {"descri1_0", "descri1_5"}) {
        premi(cella);
        EXPECT_EQ(comando("cancellamovimento"), "Selezionare Movimento");
    }
    premi("uscite_1");
    QString annulla; // Qt's own button, in Italian too
    quandomodale([&](QWidget *w) {
        annulla =
            w->windowTitle() + qobject_cast<QMessageBox *>(w)->button(QMessageBox::Cancel)->text();
        w->close();
    });
    clicca(f.get(), "cancellamovimento");
    EXPECT_EQ(annulla, "ConfermaAnnulla");
    EXPECT_EQ(leggibyte(febbraio), prima);

    // More rows than the table holds are announced, the totals of those shown.
    const QList<Movimento> tanti(2600, mov(1, 0, euro, "M"));
    mese(4, tanti);
    mese(5, tanti);
    clicca(f.get(), "aprimese_0");
    EXPECT_EQ(scroll()->maximum(), 5000);
    QLabel *avviso = f->findChild<QLabel *>("avvisorighe");
    EXPECT_TRUE(avviso->isVisible() && avviso->text().contains("5000"));
    EXPECT_EQ(t("Label7"), "5773,00"); // January's 813 and 4960 of the 5200
    clicca(f.get(), "aprimese_4");
    EXPECT_FALSE(avviso->isVisible());
}

// A search shows only the matches with their own totals and no carried balance; cancelling
// clears it without reloading. A renamed account keeps its movements.
TEST_F(Registro, SearchShowsOnlyTheMatchesAndRenamedAccountsKeepTheirMovements)
{
    scrivibyte(dati + "/listconto", record("Banca"));
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
    clicca(f.get(), "Toolbar1_3");
    rispondiinput("Carta");
    clicca(f.get(), "rinominatipo");
    clicca(f.get(), "Toolbar1_3");
    EXPECT_EQ(video(), "Rossi in banca = 7,00 0,00 7,00");
}

// The archive's first company and its accounts, names as typed; an added account becomes a
// button and a record, a rename rewrites only the pressed account's record and never the
// two built-in buttons. The accounts' menu opens on the toolbar.
TEST_F(Registro, AccountsAreButtonsAndRecordsRenamedInPlace)
{
    const QString lista = dati + "/listconto";
    scrivibyte(lista, record("B&B Riviera") + "  Varie..." + QByteArray(42, ' '));
    apri();
    EXPECT_EQ(t("StatusBar2_1"), "Ditta Alfa");
    EXPECT_EQ(bottoni(*f), QStringList({"B&B Riviera", "Varie..."}));
    EXPECT_EQ(conto("aggiungitipo", "  R&S "), "Aggiungere un Nuovo Conto");
    clicca(f.get(), "Toolbar1_3");
    for (const QString &vuoto : {QStringLiteral("     "), QString()})
        conto("aggiungitipo", vuoto);
    clicca(f.get(), "Toolbar1_2");
    EXPECT_EQ(comando("rinominatipo"), "Voci non rinominabili");
    clicca(f.get(), "Toolbar1_4");
    EXPECT_EQ(conto("rinominatipo", " Carta "), "Rinomina Conto Varie...");
    EXPECT_FALSE(f->findChild<QAction *>("Toolbar1_3")->isChecked()); // one exclusive group
    EXPECT_EQ(leggibyte(lista), record("B&B Riviera") + record("Carta") + record("R&S"));
    EXPECT_EQ(bottoni(*f), QStringList({"B&B Riviera", "Carta", "R&S"}));

    // Through the window, as the platform delivers it, so Qt makes the context-menu event.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    auto *barra = f->findChild<QToolBar *>("Toolbar1");
    auto *menu = f->findChild<QMenu *>("opetipo");
    const QPoint punto = barra->mapTo(f.get(), QPoint(barra->width() - 5, 5));
    QTest::mouseClick(f->windowHandle(), Qt::RightButton, {}, punto);
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    EXPECT_EQ(menu->actions().value(0)->text() + menu->actions().value(1)->text(),
              "AggiungiRinomina");
    menu->close();
}

// Another workstation appends first: its account gets the next button, ours the one after. A
// list that cannot be written, or shorter than the toolbar, changes nothing; nor does a
// remembered data root that cannot be reached.
TEST_F(Registro, ToolbarAndListNeverDisagree)
{
    const QString lista = dati + "/listconto";
    scrivibyte(lista, record("Banca"));
    apri();
    ASSERT_TRUE(aggiungiconto("c:", "Altrui"));
    conto("aggiungitipo", "Posta");
    EXPECT_EQ(leggibyte(lista), record("Banca") + record("Altrui") + record("Posta"));
    EXPECT_EQ(bottoni(*f), QStringList({"Banca", "Altrui", "Posta"}));

    clicca(f.get(), "Toolbar1_3");
    impostaguasto([](Operazione o, const QString &n) {
        return o == Operazione::Scrittura && n.endsWith("listconto");
    });
    const QString errori[] = {conto("aggiungitipo", "Nuovo"), conto("rinominatipo", "Carta")};
    impostaguasto({});
    scrivibyte(lista, record("Banca"));
    for (const QString &m : {errori[0], errori[1], conto("aggiungitipo", "Nuovo")})
        EXPECT_TRUE(m.contains("listconto")) << m.toStdString();
    EXPECT_EQ(leggibyte(lista), record("Banca"));
    EXPECT_EQ(bottoni(*f), QStringList({"Banca", "Altrui", "Posta"}));

    const QString rete = cartellautente() + "/rete/";
    scrivibyte(dati + "/impoqx.txt", "\"" + rete.toUtf8() + "\"\r\n");
    f.reset();
    apri();
    EXPECT_EQ(stato().percorso + QString::number(stato().dittacorrente), rete + "0");
    EXPECT_EQ(bottoni(*f), QStringList());
    EXPECT_FALSE(QDir(rete).exists());
}

// The last deletion is taken back byte for byte, once; a record another workstation changed in
// between is left as it is, with the message.
TEST_F(Registro, DeletionIsTakenBackUnlessTheRecordChangedMeanwhile)
{
    const QString marzo = mese(3, {mov(5, 1, 30 * euro, "  Affitto", 3), mov(6, 0, euro, "Bar")});
    const QByteArray originale = leggibyte(marzo);
    apri();
    clicca(f.get(), "Toolbar1_1");
    clicca(f.get(), "aprimese_3");
    QAction *ripristina = f->findChild<QAction *>("ripristinamovimento");
    EXPECT_FALSE(ripristina->isEnabled());
    auto cancella = [&] {
        premi("descri1_0");
        accettamessaggio();
        clicca(f.get(), "cancellamovimento");
    };
    // Another root chosen since the load: the row is deleted where the screen read it.
    const QString altro = QDir::homePath() + "/rete/quaderoladati/mov03" + anno;
    QDir().mkpath(QFileInfo(altro).path());
    scrivibyte(altro, originale);
    stato().percorso = QDir::homePath() + "/rete/";
    cancella();
    EXPECT_EQ(leggibyte(altro), originale);
    stato().percorso = "c:";
    clicca(f.get(), "aprimese_3");
    EXPECT_TRUE(ripristina->isEnabled());
    EXPECT_EQ(video(), "Bar = 1,00 0,00 1,00");
    EXPECT_EQ(comando("ripristinamovimento"), "");
    EXPECT_EQ(leggibyte(marzo), originale);
    EXPECT_EQ(video(), "Affitto, Bar = 1,00 30,00 -29,00");
    EXPECT_FALSE(ripristina->isEnabled());

    cancella();
    QByteArray altrui = leggibyte(marzo);
    altrui[2 + 10] = 'X'; // another workstation rewrote the description meanwhile
    scrivibyte(marzo, altrui);
    EXPECT_TRUE(comando("ripristinamovimento").contains("modificato nel frattempo"));
    EXPECT_EQ(leggibyte(marzo), altrui);
    EXPECT_FALSE(ripristina->isEnabled());

    altrui[118 + 102] = 2; // another workstation deleted Bar before this one did
    scrivibyte(marzo, altrui);
    cancella();
    EXPECT_TRUE(comando("ripristinamovimento").contains("modificato nel frattempo"));

    // A carried balance deleted by mistake and carried again: taking the deletion back would
    // make January count it twice.
    const QString prima = annoyy(oggi().addYears(-1));
    scrivimese(5, {mov(5, 0, 100 * euro)}, prima);
    const auto riporta = [&] {
        stato().annogestione = prima;
        Formsaldi s;
        accettamessaggio();
        clicca(&s, "riporta");
        stato().annogestione = anno;
    };
    riporta();
    clicca(f.get(), "aprimese_1");
    cancella();
    riporta();
    EXPECT_EQ(comando("ripristinamovimento"), "Il saldo dell'anno è già stato riportato.");
    clicca(f.get(), "aprimese_1");
    EXPECT_EQ(video(), "RIPORTO SALDO = 100,00 0,00 100,00");
}

// Figures up to 999999999,99 are drawn smaller where they would not fit: each whole, none
// touching the next, on the screen and in the balances grid.
TEST_F(Registro, LargeFiguresStayWholeAndApart)
{
    const qint64 g = 9999999999900;
    mese(3, {mov(1, 0, g), mov(2, 1, g), mov(3, 1, g)});
    apri();
    clicca(f.get(), "aprimese_3");
    // Pixels from the end of label a (right-aligned) to the start of the figure in b, beside it.
    const auto spazio = [&](const char *a, const char *b) {
        const QLabel *s = f->findChild<QLabel *>(a), *d = f->findChild<QLabel *>(b);
        return d->geometry().right() - qMax(d->indent(), 0) -
               QFontMetrics(d->font()).horizontalAdvance(d->text()) - s->geometry().right() +
               qMax(s->indent(), 0);
    };
    for (auto [a, b] : {std::pair{"Label6", "Label7"},
                        {"Label7", "Label8"},
                        {"Label8", "Label9"},
                        {"entrate_2", "uscite_2"},
                        {"uscite_2", "saldo_2"}})
        EXPECT_GE(spazio(a, b), 2) << a << " " << b;
    EXPECT_EQ(t("Label8") + t("saldo_2"), "1999999999,98-999999999,99");

    Formsaldi s;
    const auto *griglia = s.findChild<QTableWidget *>("griglia");
    for (int c = 1; c < 4; ++c) {
        const QTableWidgetItem *marzo = griglia->item(2, c);
        EXPECT_LE(QFontMetrics(marzo->font()).horizontalAdvance(marzo->text()),
                  griglia->columnWidth(c) - 4)
            << c;
    }
}

// Every key runs its command.
TEST_F(Registro, KeysRunTheirCommands)
{
    mese(3, {mov(5, 1, 30 * euro, "Affitto")});
    apri();
    clicca(f.get(), "aprimese_3");
    auto premitasto = [&](Qt::Key tasto, Qt::KeyboardModifiers modificatori = {}) {
        f->activateWindow(); // again after each window the key opened and closed
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), tasto, modificatori);
    };
    const std::pair<QKeyCombination, const char *> casi[] = {
        {Qt::CTRL | Qt::Key_N, "Formregistra"},
        {Qt::CTRL | Qt::Key_F, "Forcerca"},
        {Qt::CTRL | Qt::Key_P, "Formstampante"},
        {Qt::CTRL | Qt::Key_I, "Importa estratto conto"},
        {QKeyCombination(Qt::Key_Delete), "Sicuro di Cancellare il movimento ?"},
    };
    for (const auto &[tasto, attesa] : casi) {
        premi("descri1_0");
        QString aperta;
        quandomodale([&](QWidget *w) {
            auto *m = qobject_cast<QMessageBox *>(w);
            aperta = m                                ? m->text()
                     : qobject_cast<QFileDialog *>(w) ? w->windowTitle()
                                                      : w->objectName();
            qobject_cast<QDialog *>(w)->reject();
        });
        premitasto(tasto.key(), tasto.keyboardModifiers());
        EXPECT_EQ(aperta, attesa);
    }
    mese(3, {mov(5, 1, 30 * euro, "Affitto"), mov(7, 1, euro, "Nuovo")});
    premitasto(Qt::Key_F5);
    EXPECT_EQ(video(), "Affitto, Nuovo = 0,00 31,00 -31,00");
    // After a load no row is chosen until one is pressed.
    EXPECT_EQ(messaggio([&] { premitasto(Qt::Key_Delete); }), "Selezionare Movimento");
}
