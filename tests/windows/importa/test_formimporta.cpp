#include "app/formprincipale.h"
#include "platform/date.h"
#include "platform/percorsi.h"
#include "store/conti.h"
#include "store/guasti.h"
#include "store/rubrica.h"
#include "support/finestre.h"
#include "windows/importa/formimporta.h"

#include <QTableWidget>
#include <QtEndian>

namespace {

RigaEstratto riga(int g, int m, int a, qint64 importo, const QString &d1, const QString &d2 = "")
{
    return {QDate(a, m, g), importo, d1, d2};
}

// A row of the grid as the user reads it: check mark ("x", "-" unchecked, " " not checkable),
// then the texts of the other six columns.
std::string rigagriglia(const Formimporta &f, int r)
{
    const auto *g = f.findChild<QTableWidget *>("griglia");
    const QTableWidgetItem *c = g->item(r, 0);
    QStringList t{!(c->flags() & Qt::ItemIsUserCheckable) ? " "
                  : c->checkState() == Qt::Checked        ? "x"
                                                          : "-"};
    for (int k = 1; k < 7; ++k)
        t << g->item(r, k)->text();
    return t.join('|').toStdString();
}

// The check mark and Stato of every row: "xnuovo,-già presente, altro anno".
std::string stati(const Formimporta &f)
{
    QStringList s;
    for (int r = 0; r < f.findChild<QTableWidget *>("griglia")->rowCount(); ++r) {
        const QString riga = QString::fromStdString(rigagriglia(f, r));
        s << riga.section('|', 0, 0) + riga.section('|', 6);
    }
    return s.join(',').toStdString();
}

// A balance label as shown: its text and its colour.
std::string saldo(const Formimporta &f, const char *nome)
{
    const auto *l = f.findChild<QLabel *>(nome);
    return (l->text() + " " + l->palette().color(QPalette::WindowText).name()).toStdString();
}

void apri(qint16 conto, const QString &anno = "26")
{
    Stato &s = stato();
    s.annogestione = anno, s.dittacorrente = 1, s.contocorrente = conto;
}

} // namespace

TEST(Formimporta, RowsStatesBalancesAndTheRecordsAppended)
{
    nuovoarchivio({"Alfa"});
    Contatto c;
    for (const char *nome : {"Bianchi", "Rossi Spa"}) {
        c.ragionesociale = nome;
        ASSERT_TRUE(aggiungicontatto("c:", c));
    }
    ASSERT_TRUE(aggiungiconto("c:", "Banca"));
    scrivimese(1, {mov(2, 0, 200 * euro)});
    const QString marzo = scrivimese(3, {mov(5, 1, 35000, "Bar"), mov(8, 0, 100 * euro, "Cliente"),
                                         mov(7, 1, 35000, "Bar", 3), mov(6, 1, 35000, "Bar", 2, 2),
                                         mov(30, 0, 99 * euro)});
    apri(2);
    const QString lunga = "Addebito diretto SDD Energia Elettrica Bolletta n. 4455 marzo";
    Estratto e{{riga(5, 3, 2026, -35000, "Bar Sport"), riga(5, 3, 2026, -35000, "Bar Sport"),
                riga(11, 3, 2026, 100 * euro, " ROSSI SPA ", "Fattura 12"),
                riga(31, 12, 2025, -5 * euro, "Canone"), riga(12, 3, 2026, -123456, lunga)},
               100 * euro,
               1756544,
               QDate(2026, 3, 12)};
    Formimporta f(e);
    f.show();
    const QStringList attese = {
        "-|05/03/26|Bar Sport|||3,50|già presente", "x|05/03/26|Bar Sport|||3,50|nuovo",
        "-|11/03/26|ROSSI SPA|Fattura 12|100,00||da verificare",
        " |31/12/25|Canone|||5,00|altro anno",
        "x|12/03/26|" + lunga.left(50) + "|" + lunga.mid(50).trimmed() + "||12,35|nuovo"};
    for (int r = 0; r < attese.size(); ++r)
        EXPECT_EQ(rigagriglia(f, r), attese[r].toStdString());
    EXPECT_EQ(saldo(f, "saldoiniziale"), "100,00 #0000ff");
    EXPECT_EQ(saldo(f, "saldofinale"), "175,65 #0000ff");
    EXPECT_EQ(saldo(f, "saldoconto"), "280,65 #0000ff"); // 200 - 3,50 + 100 then the checked
    EXPECT_EQ(saldo(f, "differenza"), "-105,00 #ff0000");
    EXPECT_TRUE(f.findChild<QLabel *>("avvisoquadra")->isHidden());

    // Another account has its own movements: the Bar two days off answers one row only.
    auto *lista = f.findChild<QListWidget *>("Lista");
    clicca(lista, 1);
    EXPECT_EQ(rigagriglia(f, 0), "-|05/03/26|Bar Sport|||3,50|da verificare");
    EXPECT_EQ(rigagriglia(f, 1), "x|05/03/26|Bar Sport|||3,50|nuovo");
    clicca(lista, 0);
    f.findChild<QTableWidget *>("griglia")->item(2, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(saldo(f, "saldoconto"), "380,65 #0000ff");
    // Another workstation types the last row meanwhile; the second Bar is still not the first's.
    scrivibyte(marzo, leggibyte(marzo) + movimento::codifica(mov(12, 1, 123500, "Altrove")));
    EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }),
              "1 movimento era già stato registrato da un'altra postazione e non è stato "
              "importato.");
    EXPECT_FALSE(f.isVisible());

    const QByteArray dati = leggibyte(marzo);
    ASSERT_EQ(dati.size(), 8 * 118);
    EXPECT_EQ(movimento::decodifica(dati.constData() + 6 * 118), mov(5, 1, 35000, "Bar Sport"));
    const char *rossi = dati.constData() + 7 * 118;
    EXPECT_EQ(QByteArray(rossi + 2, 60), QByteArray("ROSSI SPA").leftJustified(50) + "Fattura 12");
    EXPECT_EQ(qFromLittleEndian<qint64>(rossi + 104), 100 * euro);
    // Day, income, CASSA, Alfa, Rossi Spa of the address book.
    for (auto [posizione, atteso] : {std::pair{0, 11}, {102, 0}, {112, 2}, {114, 1}, {116, 2}})
        EXPECT_EQ(qFromLittleEndian<qint16>(rossi + posizione), atteso) << posizione;
}

// Rows pair as one assignment, whatever the file's order: the 50,00 of 6/3 and 3/3 against the
// entries of 4/3 and 8/3 are both to be checked. The year's end is no wall, and the balance on
// a date of another year is that year's, its carried balance a movement like any other.
TEST(Formimporta, RowsPairAcrossTheYearsEndWhateverTheOrderAndAnEmptyRowIsNeverOffered)
{
    nuovoarchivio({"Alfa"});
    scrivimese(3, {mov(8, 1, 50 * euro), mov(4, 1, 50 * euro), mov(9, 7, 5 * euro, "Guasto")});
    scrivimese(12, {mov(31, 1, 30 * euro)});
    scrivimese(1, {mov(1, 1, 130 * euro, "RIPORTO SALDO", 2, 1, "Anno 2026"), mov(2, 1, 20 * euro)},
               "27");
    const QList<RigaEstratto> righe{
        riga(6, 3, 2026, -50 * euro, "A"),   riga(3, 3, 2026, -50 * euro, "B"),
        riga(31, 12, 2026, -20 * euro, "C"), riga(2, 1, 2027, -30 * euro, "D"),
        riga(15, 3, 2026, 0, "E"),           riga(16, 3, 2026, -40, "F")}; // -0,004
    const QString attesi[] = {
        "-da verificare,-da verificare,-da verificare, altro anno, importo nullo, importo nullo",
        " altro anno, altro anno, altro anno,-da verificare, importo nullo, importo nullo"};
    for (int k = 0; k < 2; ++k)
        for (bool rovescio : {false, true})
            for (auto [saldo, fine] :
                 {std::pair{-150 * euro, QDate(2027, 1, 2)}, {-130 * euro, QDate(2026, 12, 31)}}) {
                SCOPED_TRACE(testing::Message() << k << rovescio << fine.year());
                apri(2, k == 0 ? "26" : "27");
                QList<RigaEstratto> r = righe;
                QStringList a = attesi[k].split(',');
                if (rovescio)
                    std::reverse(r.begin(), r.end()), std::reverse(a.begin(), a.end());
                Formimporta f(Estratto{r, 0, saldo, fine});
                EXPECT_EQ(stati(f), a.join(',').toStdString());
                EXPECT_EQ(testo(&f, "differenza"), "0,00");
            }
}

TEST(Formimporta, AFailureHalfwayLeavesWholeMovementsAndTheNextImportOffersTheRest)
{
    nuovoarchivio({"Alfa"});
    apri(1, "35"); // TUTTI pressed: no account chosen yet; a year past 2029 is 20xx too
    Estratto e{{riga(3, 1, 2035, 10 * euro, "Uno"), riga(3, 2, 2035, 20 * euro, "Due"),
                riga(3, 3, 2035, 30 * euro, "Tre")},
               0,
               99 * euro,
               {}};
    {
        Formimporta f(e);
        f.show();
        EXPECT_FALSE(f.findChild<QLabel *>("avvisoquadra")->isHidden());
        // The list with the focus has a current row, CASSA, which nobody chose.
        auto *lista = f.findChild<QListWidget *>("Lista");
        f.activateWindow();
        lista->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return lista->currentRow() == 0; }, 5000))
            << "Lista never got the focus";
        EXPECT_EQ(stati(f), "xnuovo,xnuovo,xnuovo");
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), "Selezionare un conto");
        EXPECT_TRUE(f.isVisible());
        clicca(f.findChild<QListWidget *>("Lista"), 0);
        impostaguasto([](Operazione o, const QString &n) {
            return o == Operazione::Scrittura && n.endsWith("mov0235");
        });
        const QString m = messaggio([&] { clicca(&f, "registra"); });
        impostaguasto({});
        EXPECT_TRUE(m.contains("mov0235") && m.contains("1 di 3")) << m.toStdString();
    }
    EXPECT_EQ(leggibyte(cartellalocale() + "/mov0235").size(), 0);
    apri(2, "35");
    // Another workstation imports the rest while the first of these windows is open.
    const std::pair<const char *, const char *> volte[] = {
        {"-già presente,xnuovo,xnuovo", "2 movimenti erano già stati registrati da un'altra "
                                        "postazione e non sono stati importati."},
        {"-già presente,-già presente,-già presente", ""}};
    for (const auto &[atteso, avviso] : volte) {
        Formimporta f(e);
        f.show();
        EXPECT_EQ(stati(f), atteso);
        scrivimese(2, {mov(3, 0, 20 * euro)}, "35");
        scrivimese(3, {mov(3, 0, 30 * euro)}, "35");
        EXPECT_EQ(messaggio([&] { clicca(&f, "registra"); }), avviso);
    }
    for (const char *mese : {"/mov0135", "/mov0235", "/mov0335"})
        EXPECT_EQ(leggibyte(cartellalocale() + mese).size(), 118);
}

TEST(Formimporta, FromTheMainWindowButton)
{
    nuovoarchivio();
    {
        Formprincipale senzaditta;
        EXPECT_EQ(messaggio([&] { clicca(&senzaditta, "importa"); }),
                  "Selezionare una Ditta per continuare");
    }
    const QString dati = nuovoarchivio({"Alfa"});
    Formprincipale f;
    QString titolo;
    scegli("", &titolo);
    clicca(&f, "importa");
    EXPECT_EQ(titolo, "Importa estratto conto");
    EXPECT_EQ(scartarisposte(), 0);

    const QString anno = QString::number(oggi().year()), file = cartellautente() + "/banca.txt";
    auto estratto = [&](const char *importo) {
        scrivibyte(file, ("Banca Prova\r\nMovimenti di febbraio\r\n\r\nData contabile;Data "
                          "valuta;Descrizione;Importo (EUR)\r\n03/02/" +
                          anno + ";03/02/" + anno + ";Bonifico da Rossi;" + importo + "\r\n")
                             .toLatin1());
    };
    estratto("1.5x0,75");
    const QStringList prima = QDir(dati).entryList(QDir::Files);
    scegli(file);
    const QString rifiuto = messaggio([&] { clicca(&f, "importa"); });
    EXPECT_TRUE(rifiuto.contains("banca.txt") && rifiuto.contains("Riga 5"))
        << rifiuto.toStdString();
    EXPECT_EQ(QDir(dati).entryList(QDir::Files), prima); // nothing written, not even a month

    estratto("1.500,75");
    scegli(file);
    quandomodale([](QWidget *w) {
        auto *g = w->findChild<QTableWidget *>("griglia");
        if (!qobject_cast<Formimporta *>(w) || g->rowCount() != 1) {
            ADD_FAILURE() << "no import window";
            return static_cast<QDialog *>(w)->reject();
        }
        EXPECT_EQ(g->item(0, 4)->text(), "1500,75");
        clicca(w, "registra");
    });
    clicca(&f, "importa");
    EXPECT_EQ(testo(&f, "descri1_0"), "Bonifico da Rossi"); // the ledger reloaded
}
