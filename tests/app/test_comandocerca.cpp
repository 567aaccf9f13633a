#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/date.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "support/aiuti.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Company Alfa: January +100 and February -30 carried into March, and four
// March movements.
void archivio()
{
    nuovacasa();
    scrivibyte(cartellalocale() + "/listconto", QByteArray("Banca").leftJustified(50));
    ASSERT_TRUE(scrividitte("c:", {"Alfa"}));
    stato().annogestione = annoyy(oggi());
    const struct {
        int mese, giorno;
        const char *d1;
        qint16 segno, euro, conto;
    } righe[] = {{1, 10, "Incasso", 0, 100, 2},         {2, 5, "Spesa", 1, 30, 2},
                 {3, 3, "Fattura ROSSI srl", 0, 50, 2}, {3, 4, "Affitto", 1, 20, 2},
                 {3, 8, "Rossi anticipo", 1, 5, 2},     {3, 9, "Rossi in banca", 0, 7, 3}};
    for (const auto &r : righe) {
        const Movimento m{qint16(r.giorno), r.d1, "nota", r.segno, r.euro * 10000, r.conto, 1, 0};
        ASSERT_TRUE(aggiungimovimento(percorsomese("c:", r.mese, stato().annogestione), m));
    }
}

QString testo(const Formprincipale &f, const QString &nome)
{
    return f.findChild<QLabel *>(nome)->text();
}

// The first descriptions of the rows shown, then the three totals.
std::string video(const Formprincipale &f)
{
    QStringList v;
    for (int k = 0; k < 16; ++k)
        v.append(testo(f, QStringLiteral("descri1_%1").arg(k)));
    v.removeAll(QString());
    return (v.join(", ") + " = " + testo(f, "Label7") + " " + testo(f, "Label8") + " " +
            testo(f, "Label9"))
        .toStdString();
}

// Clicks "Cerca movimenti" and searches the first text, or cancels when it is
// empty.
void cerca(const Formprincipale &f, const QString &t1)
{
    quandomodale([t1](QWidget *w) {
        w->findChild<QLineEdit *>("Text1")->setText(t1);
        w->findChild<QAbstractButton *>(t1.isEmpty() ? "annulla" : "Command1")->click();
    });
    f.findChild<QAbstractButton *>("cerca")->click();
    EXPECT_TRUE(nessunarispostainattesa());
}

} // namespace

// A search shows only the matches with their own totals and no carried balance; cancelling
// clears it without reloading. A renamed account keeps its movements.
TEST(ComandoCerca, SearchShowsOnlyTheMatchesAndRenamedAccountsKeepTheirMovements)
{
    archivio();
    Formprincipale f;
    f.findChild<QAbstractButton *>("aprimese_3")->click();
    ASSERT_EQ(video(f).rfind("SALDO PRECEDENTE, ", 0), 0u) << video(f);
    cerca(f, "rossi");
    EXPECT_EQ(video(f), "Fattura ROSSI srl, Rossi anticipo = 50,00 5,00 45,00");
    cerca(f, "");
    EXPECT_EQ(stato().ricerca[0], "");
    EXPECT_EQ(video(f), "Fattura ROSSI srl, Rossi anticipo = 50,00 5,00 45,00");

    f.findChild<QAction *>("Toolbar1_3")->trigger();
    rispondiinput("Carta");
    f.findChild<QAction *>("rinominatipo")->trigger();
    f.findChild<QAction *>("Toolbar1_3")->trigger();
    EXPECT_EQ(f.nomeconto(3), "Carta");
    EXPECT_EQ(video(f), "Rossi in banca = 7,00 0,00 7,00");
}
