#include "store/conti.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/guasti.h"
#include "store/impostazioni.h"
#include "store/rubrica.h"
#include "support/aiuti.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

Movimento nuovomovimento(const QString &d)
{
    Movimento m;
    m.giorno = 3;
    m.descrizione1 = d;
    m.descrizione2 = "x";
    m.importo = 10000;
    m.conto = 2;
    m.ditta = 1;
    return m;
}

Contatto nuovocontatto(const QString &nome)
{
    Contatto c;
    c.ragionesociale = nome;
    c.citta = "Pisa";
    return c;
}

struct Caso {
    const char *nome;
    const char *file;
    std::function<void()> prepara;
    std::function<Esito()> opera;
};

} // namespace

// Every writing operation, failing at each file operation in turn: it reports the failure and
// the file holds its old bytes or the complete new ones, never anything in between.
TEST(Guasti, EveryFailurePointLeavesOldOrNewBytes)
{
    nuovacasa();
    const QString dati = cartellalocale();
    const QString mese = percorsomese("c:", 5, "26");
    auto trerecord = [&] {
        QFile::remove(dati + "/mov0526");
        for (const char *d : {"A", "B", "C"})
            aggiungimovimento(mese, nuovomovimento(d));
    };
    auto rubrica = [&] {
        QFile::remove(dati + "/rubrica");
        aggiungicontatto("c:", nuovocontatto("Rossi"));
        aggiungicontatto("c:", nuovocontatto("Verdi"));
    };
    auto conti = [&] {
        QFile::remove(dati + "/listconto");
        aggiungiconto("c:", "Banca");
    };
    const std::vector<Caso> casi = {
        {"append", "mov0526", trerecord,
         [&] { return aggiungimovimento(mese, nuovomovimento("D")); }},
        {"rewrite", "mov0526", trerecord,
         [&] { return riscrivimovimento(mese, 2, nuovomovimento("Z")); }},
        {"delete", "mov0526", trerecord, [&] { return cancellamovimento(mese, 2); }},
        {"contact", "rubrica", rubrica,
         [&] { return aggiungicontatto("c:", nuovocontatto("Neri")); }},
        {"contact rewrite", "rubrica", rubrica,
         [&] { return riscrivicontatto("c:", 1, nuovocontatto("Bianchi")); }},
        {"account", "listconto", conti, [&] { return aggiungiconto("c:", "Posta"); }},
        {"account rename", "listconto", conti, [&] { return scriviconto("c:", 1, "Carta"); }},
        {"companies", "listditta", [&] { scrividitte("c:", {"Alfa"}); },
         [&] {
             return scrividitte("c:", {"Alfa", "Beta"});
         }},
        {"settings", "impoqx.txt", [&] { scrivipercorso("c:"); },
         [&] { return scrivipercorso("/mnt/rete/"); }},
    };

    int punti = 0;
    for (const Caso &caso : casi) {
        const QString file = dati + "/" + caso.file;
        caso.prepara();
        const QByteArray prima = leggibyte(file);
        ASSERT_TRUE(caso.opera()) << caso.nome;
        const QByteArray dopo = leggibyte(file);
        ASSERT_NE(prima, dopo) << caso.nome;

        for (int n = 1;; ++n) {
            caso.prepara();
            int chiamate = 0;
            impostaguasto([&](Operazione, const QString &) { return ++chiamate == n; });
            const Esito esito = caso.opera();
            impostaguasto(nullptr);
            const QByteArray ora = leggibyte(file);
            if (chiamate < n) { // ran to the end without meeting the failure
                EXPECT_TRUE(esito) << caso.nome;
                EXPECT_EQ(ora, dopo) << caso.nome;
                break;
            }
            ++punti;
            EXPECT_FALSE(esito) << caso.nome << " failing at point " << n;
            EXPECT_FALSE(esito.motivo.isEmpty());
            EXPECT_TRUE(ora == prima || ora == dopo) << caso.nome << " failing at point " << n;
            EXPECT_EQ(QDir(dati).entryList(QDir::Files).filter(".").size(),
                      QDir(dati).entryList(QDir::Files).filter("impoqx.txt").size())
                << "a temporary file was left behind by " << caso.nome;
        }
    }
    EXPECT_GT(punti, 20);
    RecordProperty("failure_points", punti);
}
