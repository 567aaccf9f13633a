#include "support/archivio.h"

#include "app/stato.h"
#include "store/ditte.h"

#include <gtest/gtest.h>

QString nuovoarchivio(const QStringList &ditte)
{
    nuovacasa();
    stato() = Stato();
    const QString dati = cartellalocale();
    if (!ditte.isEmpty())
        EXPECT_TRUE(scrividitte(QStringLiteral("c:"), ditte));
    return dati;
}

QString scrivimese(int m, const QList<Movimento> &movimenti, const QString &anno)
{
    QByteArray dati;
    for (const Movimento &x : movimenti)
        dati += movimento::codifica(x);
    const QString file =
        cartellalocale() + QStringLiteral("/mov%1").arg(m, 2, 10, QChar('0')) + anno;
    scrivibyte(file, dati);
    return file;
}
