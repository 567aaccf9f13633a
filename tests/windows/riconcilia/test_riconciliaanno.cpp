#include "store/conti.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/importa/formimporta.h"
#include "windows/riconcilia/formriconcilia.h"

namespace {

// The statement's date and balance, the labels' own figures, the notice and the verdict.
std::string vista(const QWidget &f)
{
    QStringList t;
    for (const char *nome :
         {"databanca", "saldobanca", "saldolibro", "differenza", "spiegata", "senzasaldo", "esito"})
        t << testo(&f, nome);
    return t.join('|').toStdString();
}

} // namespace

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
    const std::string marzo = "31/03/2026|100,00|100,00|0,00|50,00|Dopo il 31/03 è stato "
                              "importato un estratto senza saldo (fino al 10/04).|Restano da "
                              "spiegare -50,00";
    EXPECT_EQ(vista(Formriconcilia()), marzo);
    s.annogestione = "25";
    EXPECT_EQ(vista(Formriconcilia()), "||||||Nessun estratto conto importato in questo conto.");
    s.annogestione = "26";
    impostaguasto([](Operazione o, const QString &n) {
        return o == Operazione::Lettura && n.endsWith("mov0326");
    });
    std::string letto;
    EXPECT_NE(messaggio([&] { letto = vista(Formriconcilia()); }), "");
    impostaguasto({});
    EXPECT_EQ(letto, "||||||Impossibile leggere l'archivio: riconciliazione non disponibile.");
}
