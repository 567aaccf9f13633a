// The import of a bank statement.
#include "app/formprincipale.h"

#include "app/stato.h"
#include "platform/dialoghi.h"
#include "store/estratto.h"
#include "windows/importa/formimporta.h"

#include <QDir>
#include <QFileDialog>

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
    {
        Formimporta finestra(conti, this);
        finestra.exec();
    }
    elabora();
}
