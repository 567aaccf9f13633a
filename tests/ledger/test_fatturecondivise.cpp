#include "store/fattureditta.h"
#include "store/rubrica.h"
#include "store/scadenze.h"
#include "support/archivio.h"
#include "support/fatture.h"

#include <gtest/gtest.h>

// Two workstations import at once files of 50 invoices in common and one of their own, all to a
// party new each time, 30 times over: each takes the invoices' keys under the lock of the file
// of invoices read, so every invoice is imported by one of them alone, and the party is looked
// for again under the address book's lock, so it becomes one contact.
TEST(Condivisione, TwoWorkstationsImportingOneFileImportEachInvoiceOnce)
{
    const QString dati = nuovoarchivio(), file = dati + "/../fatture%1.xml";
    ASSERT_TRUE(scriviidentita("c:", 1, "IT01234567890"));
    const int volte = 30, ciascuna = 50;
    for (int volta = 0; volta < volte; ++volta) {
        QStringList numeri;
        for (int i = 0; i < ciascuna; ++i)
            numeri << QString::number(volta * ciascuna + i);
        const QByteArray nuova =
            fattura("", "")
                .replace("h501u<", QString::asprintf("h5%02du<", volta).toLatin1())
                .replace("Rossi<", QString::asprintf("Rossi%d<", volta).toLatin1());
        QList<QStringList> argomenti;
        for (int p = 0; p < 2; ++p) {
            scrivibyte(file.arg(p), piucorpi(nuova, numeri + QStringList{"P" + numeri[p]}));
            argomenti.append({"fatture", "c:", file.arg(p)});
        }
        ASSERT_TRUE(insieme(SCRITTORE, argomenti));
    }
    QList<EventoScadenza> voci;
    ASSERT_TRUE(leggiscadenze("c:", 1, voci));
    QSet<QString> fatture;
    for (const EventoScadenza &v : voci)
        fatture.insert(v.scadenza.descrizione2);
    EXPECT_EQ(voci.size(), volte * (ciascuna + 2));
    EXPECT_EQ(fatture.size(), volte * (ciascuna + 2));
    QStringList lette = QString::fromUtf8(leggibyte(dati + "/fatturelette")).split('\n');
    lette.removeAll(QString());
    EXPECT_EQ(lette.size(), volte * (ciascuna + 2));
    EXPECT_EQ(QSet<QString>(lette.begin(), lette.end()).size(), volte * (ciascuna + 2));
    QList<Contatto> rubrica;
    ASSERT_TRUE(leggicontatti("c:", rubrica));
    EXPECT_EQ(rubrica.size(), volte);
}
