// The import of a bank statement.
#include "app/formprincipale.h"

#include "app/stato.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "store/estratto.h"
#include "windows/importa/formimporta.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QLabel>

void Formprincipale::importa()
{
    if (stato().dittacorrente == 0) {
        avviso(this, QStringLiteral("Selezionare una Ditta per continuare"));
        return;
    }
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Importa estratto conto"));
    if (file.isEmpty())
        return;
    QList<Estratto> conti;
    if (const Esito e = leggiestratto(QDir::toNativeSeparators(file), conti); !e) {
        avviso(this, e.messaggio());
        return;
    }
    Formimporta finestra(conti, this);
    if (cancellato.numero != 0)
        finestra.cancellato(cancellato.file, cancellato.numero, cancellato.record);
    finestra.exec();
    const Formimporta::Esitoimport &esito = finestra.esitoimport();
    if (esito.frasi.isEmpty())
        return elabora();
    // Where the rows went: the account and the month of the last one, in its year.
    esitoimport->setText(esito.frasi.join(QLatin1Char(' ')));
    esitoimport->show();
    disponiavvisi();
    Stato &s = stato();
    if (const QString anno = annoyy(esito.ultima); anno != s.annogestione) {
        s.annogestione = anno;
        aggiornastato();
    }
    if (QAction *a = gruppoconti->actions().value(esito.conto - 1)) {
        a->setChecked(true);
        s.contocorrente = esito.conto;
    }
    aprimese(esito.ultima.month());
}
