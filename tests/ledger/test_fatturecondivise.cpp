#include "store/fattureditta.h"
#include "store/rubrica.h"
#include "store/scadenze.h"
#include "support/archivio.h"
#include "support/fatture.h"

#include <gtest/gtest.h>

// Two workstations import the same file of 50 invoices at once, a new file 30 times over:
// each takes the invoices' keys under the lock of the file of invoices read, so every invoice
// is imported by one of them alone.
TEST(Condivisione, TwoWorkstationsImportingOneFileImportEachInvoiceOnce)
{
    const QString dati = nuovoarchivio(), file = dati + "/../fatture.xml";
    ASSERT_TRUE(scriviidentita("c:", 1, "IT01234567890"));
    const int volte = 30, ciascuna = 50;
    for (int volta = 0; volta < volte; ++volta) {
        QStringList numeri;
        for (int i = 0; i < ciascuna; ++i)
            numeri << QString::number(volta * ciascuna + i);
        scrivibyte(file, piucorpi(fattura("", ""), numeri));
        const QStringList argomenti{"fatture", "c:", file};
        ASSERT_TRUE(insieme(SCRITTORE, {argomenti, argomenti}));
    }
    QList<EventoScadenza> voci;
    ASSERT_TRUE(leggiscadenze("c:", 1, voci));
    QSet<QString> fatture;
    for (const EventoScadenza &v : voci)
        fatture.insert(v.scadenza.descrizione2);
    EXPECT_EQ(voci.size(), volte * ciascuna);
    EXPECT_EQ(fatture.size(), volte * ciascuna);
    QStringList lette = QString::fromUtf8(leggibyte(dati + "/fatturelette")).split('\n');
    lette.removeAll(QString());
    EXPECT_EQ(lette.size(), volte * ciascuna);
    EXPECT_EQ(QSet<QString>(lette.begin(), lette.end()).size(), volte * ciascuna);
    QList<Contatto> rubrica;
    ASSERT_TRUE(leggicontatti("c:", rubrica));
    EXPECT_EQ(rubrica.size(), 1);
}
