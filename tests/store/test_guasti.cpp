#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/guasti.h"
#include "store/impostazioni.h"
#include "store/rubrica.h"
#include "support/archivio.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

// Every writing operation, failing at each file operation in turn: it reports the failure and
// the file holds its old bytes, never anything in between.
TEST(Guasti, EveryFailurePointKeepsTheOldBytes)
{
    const QString dati = nuovoarchivio(), mese = percorsomese("c:", 5, "26");
    const QStringList ditte{"Alfa", "Beta"};
    Contatto c;
    c.citta = "Pisa";
    for (const char *d : {"A", "B", "C"})
        ASSERT_TRUE(aggiungimovimento(mese, mov(3, 0, euro, d)) && aggiungicontatto("c:", c));
    ASSERT_TRUE(aggiungiconto("c:", "Banca") && scrividitte("c:", ditte.mid(0, 1)) &&
                scrivipercorso("c:"));
    c.ragionesociale = "Neri";
    const std::pair<const char *, std::function<Esito()>> casi[] = {
        {"mov0526", [&] { return aggiungimovimento(mese, mov(3, 0, euro, "D")); }},
        {"mov0526", [&] { return riscrivimovimento(mese, 2, mov(3, 1, euro, "Z")); }},
        {"mov0526", [&] { return riscrivimovimento(mese, 4, mov(3, 1, euro, "Z")); }},
        {"mov0526", [&] { return cancellamovimento(mese, 2); }},
        {"mov0526",
         [&] {
             return aggiornamese(mese, [](const QByteArray &, Modifiche &m) {
                 m.riscritti = {{1, movimento::codifica(mov(1, 1, euro, "X"))},
                                {3, movimento::codifica(mov(2, 1, euro, "Y"))}};
                 m.aggiunti = {movimento::codifica(mov(4, 0, euro, "W"))};
             });
         }},
        {"rubrica", [&] { return aggiungicontatto("c:", c); }},
        {"rubrica", [&] { return riscrivicontatto("c:", 1, c); }},
        {"listconto", [&] { return aggiungiconto("c:", "Posta"); }},
        {"listconto", [&] { return scriviconto("c:", 1, "Carta"); }},
        {"listditta", [&] { return scrividitte("c:", ditte); }},
        {"impoqx.txt", [&] { return scrivipercorso("/mnt/rete/"); }}};

    int punti = 0;
    for (const auto &[nome, opera] : casi) {
        SCOPED_TRACE(&opera - &casi[0].second);
        const QString file = dati + "/" + nome;
        const QByteArray prima = leggibyte(file);
        ASSERT_TRUE(opera());
        const QByteArray dopo = leggibyte(file);
        ASSERT_NE(prima, dopo);
        for (int n = 1;; ++n) {
            SCOPED_TRACE(n);
            scrivibyte(file, prima);
            int chiamate = 0;
            impostaguasto([&](Operazione, const QString &) { return ++chiamate == n; });
            const Esito esito = opera();
            impostaguasto(nullptr);
            const QByteArray ora = leggibyte(file);
            if (chiamate < n) { // ran to the end without meeting the failure
                EXPECT_TRUE(esito && ora == dopo);
                break;
            }
            ++punti;
            EXPECT_TRUE(!esito && !esito.motivo.isEmpty() && ora == prima);
            EXPECT_EQ(QDir(dati).entryList(QDir::Files).size(), 5) << "a temporary file was left";
        }
        scrivibyte(file, prima);
    }
    EXPECT_GT(punti, 20);
}

// A process writing the archive is killed at random moments, a few hundred times. After each
// kill every file must still read: the company list old or new, never empty or half; month
// records whole, numbered without a gap, none changed; the address-book record one of the two.
TEST(Uccisioni, KilledWritesNeverTearAFile)
{
    const QString dati = nuovoarchivio();
    const QByteArrayList liste{codificaditte({"Alfa", "Beta"}),
                               codificaditte({"Alfa", "Beta", "Gamma Srl"})};
    QRandomGenerator caso(12345);
    QByteArray precedente;
    for (int uccisione = 0; uccisione < 300; ++uccisione) {
        QProcess p;
        p.start(QStringLiteral(SCRITTORE), {QFileInfo(dati).path()});
        ASSERT_TRUE(p.waitForStarted() && p.waitForReadyRead(30000));
        QThread::usleep(caso.bounded(0, 15000));
        p.kill();
        ASSERT_TRUE(p.waitForFinished());

        ASSERT_TRUE(!QFileInfo::exists(dati + "/listditta") ||
                    liste.contains(leggibyte(dati + "/listditta")));

        const QByteArray mese = leggibyte(dati + "/mov0626");
        ASSERT_TRUE(mese.startsWith(precedente)) << "an earlier record changed";
        QList<Movimento> tutti;
        ASSERT_TRUE(leggimovimenti(percorsomese("c:", 6, "26"), tutti));
        for (qsizetype i = precedente.size() / 118; i < tutti.size(); ++i)
            ASSERT_TRUE(tutti[i].descrizione2 == "N" + QString::number(i) && tutti[i].importo == i);
        precedente = mese.left(mese.size() / 118 * 118);

        const QByteArray r = leggibyte(dati + "/rubrica");
        const bool pari = r.startsWith("Rossi Srl ");
        ASSERT_TRUE(r.isEmpty() || (r.size() == 306 && (pari || r.startsWith("Bianchi Spa ")) &&
                                    r.endsWith(QByteArray(50, pari ? 'p' : 'd'))));
    }
    EXPECT_GT(precedente.size() / 118, 30); // the writer did get work done
}
