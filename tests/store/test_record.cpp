#include "store/copiacartella.h"
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/impostazioni.h"
#include "store/rubrica.h"
#include "support/archivio.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

struct Archivio : ::testing::Test {
    QString dati = nuovoarchivio();
    // A text field of a record: padded with blanks to its width.
    static QByteArray campo(const QByteArray &testo, int n) { return testo.leftJustified(n); }
};

TEST_F(Archivio, MonthFileBytesAndRecordNumbers)
{
    const QString mese = percorsomese("c:", 3, "08"), file = dati + "/mov0308";
    Movimento m = mov(5, 1, 125000, QString(60, 'x'), 3, 2, "  \u20AC\u00A0\u00E0\u00E8 ", 7);
    qint32 numero = 0;
    ASSERT_TRUE(aggiungimovimento(mese, m, &numero));
    EXPECT_EQ(leggibyte(file), QByteArray("\5\0", 2) + QByteArray(50, 'x') +
                                   campo("\x80\xA0\xE0\xE8", 50) +
                                   QByteArray("\1\0\x48\xE8\1\0\0\0\0\0\3\0\2\0\7\0", 16));
    Movimento letto;
    ASSERT_TRUE(leggimovimento(mese, 1, letto));
    EXPECT_EQ(letto, mov(5, 1, 125000, QString(50, 'x'), 3, 2, "\u20AC\u00A0\u00E0\u00E8", 7));

    for (const char *d : {"B", "C", "D"})
        ASSERT_TRUE(aggiungimovimento(mese, mov(1, 0, euro, d), &numero));
    EXPECT_EQ(numero, 4);
    // A deleted movement keeps its place and its fields; nothing past the end is marked,
    // rewritten or read.
    ASSERT_TRUE(cancellamovimento(mese, 2));
    EXPECT_FALSE(cancellamovimento(mese, 5) || riscrivimovimento(mese, 6, m) ||
                 leggimovimento(mese, 5, letto));
    ASSERT_TRUE(riscrivimovimento(mese, 3, mov(9, 0, euro, "Z")));
    // A trailing partial record (a write cut off) is ignored, then replaced by the next append.
    const QByteArray interi = leggibyte(file);
    scrivibyte(file, interi + QByteArray(40, 'Q'));
    QList<Movimento> tutti;
    ASSERT_TRUE(contamovimenti(mese, numero) && numero == 4 && leggimovimenti(mese, tutti));
    ASSERT_EQ(tutti.size(), 4);
    EXPECT_EQ(tutti.mid(1, 2), QList<Movimento>({mov(1, 2, euro, "B"), mov(9, 0, euro, "Z")}));
    ASSERT_TRUE(aggiungimovimento(mese, mov(1, 0, euro, "E"), &numero));
    EXPECT_EQ(numero, 5);
    EXPECT_EQ(leggibyte(file), interi + movimento::codifica(mov(1, 0, euro, "E")));

    // A missing month is created empty.
    EXPECT_TRUE(contamovimenti(percorsomese("c:", 12, "08"), numero) && numero == 0 &&
                QFile::exists(dati + "/mov1208"));
}

TEST_F(Archivio, AddressBookBytes)
{
    Contatto c{"  Rossi Srl", "Via Roma", "Arezzo", "520100", "0575",          "0576",
               "12345678901", "RSSMRA",   "a@b.it", "Mario",  QString(60, 'n')};
    const QByteArray r = campo("Rossi Srl", 50) + campo("Via Roma", 50) + campo("Arezzo", 20) +
                         "52010" + campo("0575", 15) + campo("0576", 15) + "12345678901" +
                         campo("RSSMRA", 20) + campo("a@b.it", 50) + campo("Mario", 20) +
                         QByteArray(50, 'n');
    qint32 numero = 0;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(aggiungicontatto("c:", c, &numero));
    EXPECT_EQ(numero, 4);
    c.ragionesociale = "Bianchi";
    ASSERT_TRUE(riscrivicontatto("c:", 3, c));
    EXPECT_EQ(leggibyte(dati + "/rubrica"), r + r + campo("Bianchi", 50) + r.mid(50) + r);
    QList<Contatto> tutti;
    ASSERT_TRUE(leggicontatti("c:", tutti) && tutti.size() == 4);
    c.cap = "52010";
    c.note = QString(50, 'n');
    EXPECT_EQ(tutti[2], c);
}

// The company list and the settings file are rewritten whole. Rewrites and copies into a
// folder that refuses new files fail, name the file and leave it and the folder as they were.
TEST_F(Archivio, WholeFileRewritesAndCopies)
{
    const QString ditte = dati + "/listditta";
    QStringList nomi{"x"};
    bool esiste = true;
    EXPECT_TRUE(leggiditte("c:", nomi, &esiste) && nomi.isEmpty() && !esiste &&
                !QFile::exists(ditte)); // nor creates it
    // A rewrite leaves the files beside it alone, old or new: what a killed write left cannot
    // be told from anyone else's file.
    scrivivecchio(ditte + ".aB3xYz", "vecchio");
    scrivibyte(ditte + ".Qw12er", "in corso");
    ASSERT_TRUE(scrividitte("c:", {"  Rossi, Bianchi & C.", "Caff\u00E8 \"Bar\" \u20AC"}));
    const QByteArray lista = "2\r\n\"Rossi, Bianchi & C.\"\r\n\"Caff\xE8 'Bar' \x80\"\r\n";
    EXPECT_EQ(leggibyte(ditte), lista);
    EXPECT_EQ(QDir(dati).entryList(QDir::Files),
              QStringList({"listditta", "listditta.aB3xYz", "listditta.Qw12er"}));
    ASSERT_TRUE(leggiditte("c:", nomi, &esiste));
    EXPECT_EQ(nomi, QStringList({"Rossi, Bianchi & C.", "Caff\u00E8 'Bar' \u20AC"}));
    EXPECT_TRUE(esiste && !nomedittavalido("   "));

    // Damaged lists read what they can.
    EXPECT_EQ(analizzaditte("1500\r\n" + QByteArray("\"D\"\r\n").repeated(1200)).size(), 1000);
    EXPECT_EQ(analizzaditte("5\r\n\"Alfa\"\r\n\"Beta\"\r\n"), QStringList({"Alfa", "Beta"}));
    EXPECT_EQ(analizzaditte("4\n  \"Senza CR\" resto\nNonQuotata,altro\n\"Aperta\r\n"),
              QStringList({"Senza CR", "NonQuotata", "altro", "Aperta"}));

    EXPECT_EQ(leggipercorso(), "c:"); // no file
    EXPECT_EQ(analizzapercorso("") + analizzapercorso("\"  \"\r\n"), "c:c:");

    ASSERT_TRUE(creacartella("c:\\quaderoladati\\da"));
    const QByteArray grande(600 * 1024, 'm'); // more than one read
    scrivibyte(dati + "/da/mov0308", grande);
    ASSERT_TRUE(copiafile("c:\\quaderoladati\\da\\mov0308", "c:\\quaderoladati\\mov0308"));
    EXPECT_EQ(leggibyte(dati + "/mov0308"), grande);
    scrivibyte(dati + "/mov0308", "vecchio");
    if (!bloccacartella(dati))
        GTEST_SKIP() << "this file system cannot make a folder refuse writes";
    const Esito copia = copiafile(dati + "/da/mov0308", dati + "/mov0308");
    const Esito riscritta = scrividitte("c:", {"Alfa", "Beta", "Gamma"});
    const Esito impostazioni = scrivipercorso("Z:\\");
    const Esito stesso = copiafile(dati + "/mov0308", dati + "/da/../mov0308"); // nothing to do
    sbloccacartella(dati);
    EXPECT_TRUE(!copia && copia.file == dati + "/mov0308" && !impostazioni && stesso);
    EXPECT_TRUE(!riscritta && riscritta.file == ditte && !riscritta.motivo.isEmpty());
    EXPECT_EQ(riscritta.messaggio(),
              "Impossibile accedere al file:\n" + ditte + "\n\n" + riscritta.motivo);
    EXPECT_EQ(leggibyte(dati + "/mov0308") + leggibyte(ditte), "vecchio" + lista);
    EXPECT_EQ(QDir(dati).entryList(QDir::Files),
              QStringList({"listditta", "listditta.aB3xYz", "listditta.Qw12er", "mov0308"}));
    EXPECT_FALSE(scrividitte("c:\\non\\esiste", {"Alfa"})); // nothing is created
}
