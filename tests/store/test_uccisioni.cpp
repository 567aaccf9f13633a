#include "store/ditte.h"
#include "store/filemese.h"
#include "store/rubrica.h"
#include "support/aiuti.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

// A process writing the archive is killed at random moments, a few hundred times. After each
// kill every file must still read: the company list old or new, never empty or half; month
// records whole, numbered without a gap, none changed; the address-book record one of the two.
TEST(Uccisioni, KilledWritesNeverTearAFile)
{
    nuovacasa();
    const QString dati = cartellalocale();
    const QString mese = percorsomese("c:", 6, "26");
    const QByteArray lista2 = codificaditte({"Alfa", "Beta"});
    const QByteArray lista3 = codificaditte({"Alfa", "Beta", "Gamma Srl"});
    Contatto pari, dispari;
    pari.ragionesociale = "Rossi Srl";
    pari.note = QString(50, 'p');
    dispari.ragionesociale = "Bianchi Spa";
    dispari.note = QString(50, 'd');

    QRandomGenerator caso(12345);
    QByteArray precedente;
    int uccisioni = 0;
    for (; uccisioni < 300; ++uccisioni) {
        QProcess p;
        p.start(QStringLiteral(TORTURA), {dati.chopped(QStringLiteral("quaderoladati").size())});
        ASSERT_TRUE(p.waitForStarted());
        ASSERT_TRUE(p.waitForReadyRead(30000));
        QThread::usleep(caso.bounded(0, 15000));
        p.kill();
        ASSERT_TRUE(p.waitForFinished());

        const QByteArray lista = leggibyte(dati + "/listditta");
        if (QFileInfo::exists(dati + "/listditta")) {
            ASSERT_TRUE(lista == lista2 || lista == lista3) << "kill " << uccisioni;
        }

        const QByteArray mov = leggibyte(dati + "/mov0626");
        const qsizetype interi = mov.size() / 118 * 118;
        ASSERT_TRUE(mov.startsWith(precedente)) << "an earlier record changed, kill " << uccisioni;
        QList<Movimento> tutti;
        ASSERT_TRUE(leggimovimenti(mese, tutti));
        for (qsizetype i = precedente.size() / 118; i < tutti.size(); ++i) {
            ASSERT_EQ(tutti[i].descrizione2, QString::number(i)) << "kill " << uccisioni;
            ASSERT_EQ(tutti[i].importo, i);
        }
        precedente = mov.left(interi);

        QList<Contatto> contatti;
        ASSERT_TRUE(leggicontatti("c:", contatti));
        if (!contatti.isEmpty()) {
            ASSERT_TRUE(contatti[0] == pari || contatti[0] == dispari) << "kill " << uccisioni;
        }
        ASSERT_LE(contatti.size(), 1);
    }
    EXPECT_GT(precedente.size() / 118, 30); // the writer did get work done
    RecordProperty("kills", uccisioni);
    RecordProperty("leftover_temporary_files",
                   int(QDir(dati).entryList(QDir::Files).filter("listditta.").size()));
    RecordProperty("records", int(precedente.size() / 118));
}
