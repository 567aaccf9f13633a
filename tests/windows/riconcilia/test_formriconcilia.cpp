#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/filemese.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/backup/formbackup.h"
#include "windows/importa/formimporta.h"
#include "windows/riconcilia/formriconcilia.h"
#include "windows/saldi/formsaldi.h"

#include <QTableWidget>

namespace {

// The balances, the notice of a later statement without one, the open rows (tick, then the texts)
// and the verdict, as the user reads them.
std::string vista(const QWidget &f)
{
    QStringList t{testo(&f, "databanca")};
    for (const char *nome : {"saldobanca", "saldolibro", "differenza", "spiegata"}) {
        const auto *l = f.findChild<QLabel *>(nome);
        t << l->text() +
                 (l->text().isEmpty() ? "" : l->palette().color(QPalette::WindowText).name());
    }
    if (const QString senzasaldo = testo(&f, "senzasaldo"); !senzasaldo.isEmpty())
        t << senzasaldo;
    const auto *g = f.findChild<QTableWidget *>("aperti");
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList riga{g->item(r, 0)->checkState() == Qt::Checked ? "x" : "-"};
        for (int c = 1; c < 6; ++c)
            riga << g->item(r, c)->text();
        t << riga.join(',');
    }
    return (t.join('|') + "|" + testo(&f, "esito")).toStdString();
}

// An archive of company Alfa whose account BANCA (3) carries 1000,00 from 2025, holds a cheque
// written on 10/3, a transfer typed by hand that the statement holds too ("già presente", so
// confirmed) and a movement after the statement, and a March statement imported into it.
QString importamarzo()
{
    nuovoarchivio({"Alfa"});
    EXPECT_TRUE(aggiungiconto("c:", "BANCA"));
    scrivimese(1, {mov(1, 0, 1000 * euro, "RIPORTO SALDO", 3, 1, "Anno 2025"), mov(2, 0, euro)});
    const QString marzo = scrivimese(3, {mov(10, 1, 200 * euro, "Assegno 123", 3),
                                         mov(4, 0, 999 * euro, "Altra ditta", 3, 2),
                                         mov(20, 1, 50 * euro, "Dopo l'estratto", 3),
                                         mov(8, 0, 300 * euro, "Bonifico Bianchi", 3)});
    Stato &s = stato();
    s.annogestione = "26", s.dittacorrente = 1, s.contocorrente = 3;
    const Estratto e{{{QDate(2026, 3, 5), 500 * euro, "Bonifico Rossi", ""},
                      {QDate(2026, 3, 8), 300 * euro, "Bianchi", ""},
                      {QDate(2026, 3, 12), -30 * euro, "Commissioni", ""}},
                     1000 * euro,
                     1770 * euro,
                     QDate(2026, 3, 15)};
    Formimporta f(e);
    f.show();
    EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
    return marzo;
}

const std::string saldimarzo = "15/03/2026|1770,00#0000ff|1570,00#0000ff|200,00#0000ff|";

} // namespace

// Opened from the balances window: the rows the statement wrote are confirmed, the carried
// balance is no movement of the bank, and the cheque not yet cashed explains the difference.
// A tick is kept; TUTTI and an account without a statement have nothing to reconcile.
TEST(Formriconcilia, AfterAnImportOnlyWhatTheBankDidNotConfirmIsOpenAndTicksAreKept)
{
    importamarzo();
    Formsaldi saldi;
    quandomodale([](QWidget *f) {
        EXPECT_EQ(vista(*f), saldimarzo + "200,00#0000ff|-,10/03/26,Assegno 123,,,200,00|"
                                          "Il conto quadra con la banca al 15/03/2026");
        f->findChild<QTableWidget *>("aperti")->item(0, 0)->setCheckState(Qt::Checked);
        EXPECT_EQ(vista(*f), saldimarzo + "0,00#0000ff|x,10/03/26,Assegno 123,,,200,00|"
                                          "Restano da spiegare 200,00");
        clicca(f, "registra");
    });
    clicca(&saldi, "riconcilia");
    Formriconcilia f;
    EXPECT_EQ(vista(f), saldimarzo + "0,00#0000ff|Restano da spiegare 200,00");

    stato().contocorrente = 2;
    Formriconcilia cassa;
    EXPECT_EQ(vista(cassa), "|||||Nessun estratto conto importato in questo conto.");
    EXPECT_FALSE(cassa.findChild<QAbstractButton *>("registra")->isEnabled());
    stato().contocorrente = 1;
    EXPECT_FALSE(Formsaldi().findChild<QAbstractButton *>("riconcilia")->isEnabled());
}

// A tick goes into a backup and comes back with a restore, and lasts while its record holds the
// day, sign and amount confirmed: modified or deleted, a movement is open again or gone.
TEST(Formriconcilia, ConfirmationsSurviveARestoreAndLapseWhenTheirMovementChanges)
{
    const QString marzo = importamarzo();
    {
        Formriconcilia f;
        f.findChild<QTableWidget *>("aperti")->item(0, 0)->setCheckState(Qt::Checked);
        clicca(&f, "registra");
    }
    Formbackup b;
    accettamessaggio();
    clicca(&b, "Command1");
    ASSERT_TRUE(QFile::remove(cartellalocale() + "/quadrature"));
    accettamessaggio();
    scegli(cartellautente() + "/backupquaderoladati" + dataddmmyy(oggi()));
    accettamessaggio(); // "Riavviare il programma"
    b.show();
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_EQ(finoallafine([&] { clicca(&b, "Command4"); }), 0);
    QApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(vista(Formriconcilia()), saldimarzo + "0,00#0000ff|Restano da spiegare 200,00");

    ASSERT_TRUE(riscrivimovimento(marzo, 5, mov(6, 0, 500 * euro, "Bonifico Rossi", 3)) &&
                riscrivimovimento(marzo, 6, mov(12, 1, 35 * euro, "Commissioni", 3)) &&
                cancellamovimento(marzo, 1));
    EXPECT_EQ(vista(Formriconcilia()),
              "15/03/2026|1770,00#0000ff|1765,00#0000ff|5,00#0000ff|-465,00#ff0000|"
              "-,06/03/26,Bonifico Rossi,,500,00,|-,12/03/26,Commissioni,,,35,00|"
              "Restano da spiegare 470,00");
}

// The last statement with a balance of the year the balances window shows: a later one without
// a balance is named, the year before's close opens a year not carried into, another year's
// statement is never taken, and a file that cannot be read leaves no figure and no false word.
TEST(Riconciliaanno, TheYearShownItsLastBalanceAndWhatCannotBeRead)
{
    nuovoarchivio({"Alfa"});
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    scrivimese(3, {mov(28, 1, 50 * euro, "Assegno", 3)});
    scrivimese(12, {mov(20, 0, 50 * euro, "Dicembre", 3)}, "25"); // not carried: 2026 opens with it
    Stato &s = stato();
    s.annogestione = "26", s.dittacorrente = 1, s.contocorrente = 3;
    for (const Estratto &e :
         {Estratto{
              {{QDate(2026, 3, 5), 100 * euro, "Bonifico", ""}}, 0, 100 * euro, QDate(2026, 3, 31)},
          Estratto{{{QDate(2026, 4, 10), -20 * euro, "Bar", ""}}, {}, {}, {}}}) {
        Formimporta f(e);
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "");
    }
    EXPECT_EQ(vista(Formriconcilia()),
              "31/03/2026|100,00#0000ff|100,00#0000ff|0,00#0000ff|50,00#0000ff|Dopo il 31/03 è "
              "stato importato un estratto senza saldo (fino al 10/04).|-,28/03/26,Assegno,,,50,00|"
              "Restano da spiegare -50,00");
    s.annogestione = "25";
    EXPECT_EQ(vista(Formriconcilia()), "|||||Nessun estratto conto importato in questo conto.");
    s.annogestione = "26";
    impostaguasto([](Operazione o, const QString &n) {
        return o == Operazione::Lettura && n.endsWith("mov0326");
    });
    std::string letto;
    EXPECT_NE(messaggio([&] { letto = vista(Formriconcilia()); }), "");
    impostaguasto({});
    EXPECT_EQ(letto, "|||||Impossibile leggere l'archivio: riconciliazione non disponibile.");
}
