#include "store/conti.h"
#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/aiuti.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct Archivio : ::testing::Test {
    QString dati;
    void SetUp() override
    {
        nuovacasa();
        dati = cartellalocale();
    }
    QString mese(int m = 3) const { return percorsomese(QStringLiteral("c:"), m, "08"); }
    QString nativo(const QString &nome) const { return dati + "/" + nome; }
};

Movimento esempio(const QString &d1 = "Fattura", qint16 giorno = 5)
{
    Movimento m;
    m.giorno = giorno;
    m.descrizione1 = d1;
    m.descrizione2 = "Saldo";
    m.segno = 1;
    m.importo = 125000;
    m.conto = 3;
    m.ditta = 2;
    m.contatto = 7;
    return m;
}

} // namespace

TEST_F(Archivio, MovimentoHasItsBytesAtTheirOffsets)
{
    EXPECT_EQ(mese(3), "c:\\quaderoladati\\mov0308");
    EXPECT_EQ(mese(11), "c:\\quaderoladati\\mov1108");

    Movimento m = esempio(QString(60, 'x'));
    m.descrizione2 = "  \u20AC \u00E0\u00E8 ";
    qint32 numero = 0;
    ASSERT_TRUE(aggiungimovimento(mese(), m, &numero));
    EXPECT_EQ(numero, 1);

    const QByteArray r = leggibyte(nativo("mov0308"));
    ASSERT_EQ(r.size(), 118);
    EXPECT_EQ(qFromLittleEndian<qint16>(r.constData()), 5);
    EXPECT_EQ(r.mid(2, 50), QByteArray(50, 'x')); // 60 characters cut to 50
    EXPECT_EQ(r.mid(52, 50), QByteArray("\x80 \xE0\xE8") + QByteArray(46, ' '));
    EXPECT_EQ(qFromLittleEndian<qint16>(r.constData() + 102), 1);
    EXPECT_EQ(qFromLittleEndian<qint64>(r.constData() + 104), 125000);
    EXPECT_EQ(qFromLittleEndian<qint16>(r.constData() + 112), 3);
    EXPECT_EQ(qFromLittleEndian<qint16>(r.constData() + 114), 2);
    EXPECT_EQ(qFromLittleEndian<qint16>(r.constData() + 116), 7);
    EXPECT_FALSE(r.mid(2, 100).contains('\0'));

    Movimento letto;
    ASSERT_TRUE(leggimovimento(mese(), 1, letto));
    EXPECT_EQ(letto.descrizione1, QString(50, 'x'));
    EXPECT_EQ(letto.descrizione2, "\u20AC \u00E0\u00E8");
    EXPECT_EQ(letto.importo, 125000);
}

TEST_F(Archivio, RecordNumbersNeverMove)
{
    QList<Movimento> tre = {esempio("A"), esempio("B"), esempio("C")};
    for (const Movimento &m : tre)
        ASSERT_TRUE(aggiungimovimento(mese(), m));
    ASSERT_EQ(QFileInfo(nativo("mov0308")).size(), 354);

    qint32 numero = 0;
    ASSERT_TRUE(aggiungimovimento(mese(), esempio("D"), &numero));
    EXPECT_EQ(numero, 4);
    EXPECT_EQ(leggibyte(nativo("mov0308")).mid(354 + 2, 1), "D");

    // A deleted movement keeps its place; the next one still gets the following number.
    ASSERT_TRUE(cancellamovimento(mese(), 2));
    ASSERT_TRUE(aggiungimovimento(mese(), esempio("E"), &numero));
    EXPECT_EQ(numero, 5);
    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(mese(), tutti));
    ASSERT_EQ(tutti.size(), 5);
    EXPECT_EQ(tutti[1].segno, 2);
    EXPECT_EQ(tutti[1].descrizione1, "B");
    EXPECT_EQ(tutti[1].importo, 125000);
    EXPECT_EQ(tutti[2].descrizione1, "C");

    // Rewriting in place keeps the length; marking past the end grows nothing.
    ASSERT_TRUE(riscrivimovimento(mese(), 3, esempio("Z", 9)));
    EXPECT_EQ(QFileInfo(nativo("mov0308")).size(), 5 * 118);
    EXPECT_FALSE(cancellamovimento(mese(), 6));
    EXPECT_EQ(QFileInfo(nativo("mov0308")).size(), 5 * 118);
    Movimento z;
    ASSERT_TRUE(leggimovimento(mese(), 3, z));
    EXPECT_EQ(z.giorno, 9);
    EXPECT_EQ(z.descrizione1, "Z");
}

TEST_F(Archivio, PartialTrailingRecordIsIgnoredThenReplaced)
{
    ASSERT_TRUE(aggiungimovimento(mese(), esempio("A")));
    ASSERT_TRUE(aggiungimovimento(mese(), esempio("B")));
    const QByteArray intero = leggibyte(nativo("mov0308"));
    scrivibyte(nativo("mov0308"), intero + QByteArray(40, 'Q')); // a write cut off

    qint32 n = 0;
    ASSERT_TRUE(contamovimenti(mese(), n));
    EXPECT_EQ(n, 2);
    QList<Movimento> tutti;
    ASSERT_TRUE(leggimovimenti(mese(), tutti));
    EXPECT_EQ(tutti.size(), 2);

    qint32 numero = 0;
    ASSERT_TRUE(aggiungimovimento(mese(), esempio("C"), &numero));
    EXPECT_EQ(numero, 3);
    const QByteArray dopo = leggibyte(nativo("mov0308"));
    EXPECT_EQ(dopo.size(), 354);
    EXPECT_EQ(dopo.left(236), intero); // no other record moved
}

TEST_F(Archivio, MissingMonthFileIsCreatedEmpty)
{
    qint32 n = -1;
    ASSERT_TRUE(contamovimenti(mese(12), n));
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(QFile::exists(nativo("mov1208")));
    EXPECT_EQ(QFileInfo(nativo("mov1208")).size(), 0);

    // An unreachable data root is a failure that names the file, never an empty success.
    QList<Movimento> tutti;
    Esito e = leggimovimenti(percorsomese("c:\\manca", 3, "08"), tutti);
    EXPECT_FALSE(e);
    EXPECT_TRUE(e.file.endsWith("mov0308"));
    EXPECT_FALSE(e.motivo.isEmpty());
}

TEST_F(Archivio, ContattoFieldsInFileOrder)
{
    Contatto c;
    c.ragionesociale = "  Rossi Srl";
    c.citta = "Arezzo";
    c.cap = "520100"; // one character too many
    c.telefono = "0575";
    c.partitaiva = "12345678901";
    c.note = QString(60, 'n');
    qint32 numero = 0;
    ASSERT_TRUE(aggiungicontatto("c:", c, &numero));
    EXPECT_EQ(numero, 1);
    const QByteArray r = leggibyte(nativo("rubrica"));
    ASSERT_EQ(r.size(), 306);
    EXPECT_EQ(r.mid(0, 50), "Rossi Srl" + QByteArray(41, ' '));
    EXPECT_EQ(r.mid(100, 20), "Arezzo" + QByteArray(14, ' '));
    EXPECT_EQ(r.mid(120, 5), "52010");
    EXPECT_EQ(r.mid(125, 15), "0575" + QByteArray(11, ' '));
    EXPECT_EQ(r.mid(155, 11), "12345678901");
    EXPECT_EQ(r.mid(256, 50), QByteArray(50, 'n'));

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(aggiungicontatto("c:", c));
    ASSERT_TRUE(aggiungicontatto("c:", c, &numero));
    EXPECT_EQ(numero, 5); // appended at offset 1224

    Contatto nuovo = c;
    nuovo.ragionesociale = "Bianchi";
    ASSERT_TRUE(riscrivicontatto("c:", 3, nuovo));
    QList<Contatto> tutti;
    ASSERT_TRUE(leggicontatti("c:", tutti));
    ASSERT_EQ(tutti.size(), 5);
    EXPECT_EQ(tutti[2].ragionesociale, "Bianchi");
    EXPECT_EQ(tutti[1].ragionesociale, "Rossi Srl");
    EXPECT_EQ(tutti[0].cap, "52010");
}

TEST_F(Archivio, AccountRecordsOfFiftyBytes)
{
    QStringList nomi;
    ASSERT_TRUE(leggiconti("c:", nomi));
    EXPECT_TRUE(nomi.isEmpty());
    EXPECT_TRUE(QFile::exists(nativo("listconto"))); // created empty

    qint32 numero = 0;
    ASSERT_TRUE(aggiungiconto("c:", "Banca", &numero));
    EXPECT_EQ(numero, 1);
    ASSERT_TRUE(aggiungiconto("c:", QString(60, 'p'), &numero));
    ASSERT_TRUE(aggiungiconto("c:", "  Carta  ", &numero));
    EXPECT_EQ(numero, 3);
    QByteArray r = leggibyte(nativo("listconto"));
    ASSERT_EQ(r.size(), 150);
    EXPECT_EQ(r.left(50), "Banca" + QByteArray(45, ' '));
    EXPECT_EQ(r.mid(50, 50), QByteArray(50, 'p'));

    ASSERT_TRUE(scriviconto("c:", 2, "Posta"));
    r = leggibyte(nativo("listconto"));
    EXPECT_EQ(r.size(), 150);
    ASSERT_TRUE(leggiconti("c:", nomi));
    EXPECT_EQ(nomi, QStringList({"Banca", "Posta", "Carta"}));
}
