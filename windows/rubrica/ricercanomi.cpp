#include "windows/rubrica/ricercanomi.h"

#include "store/rubrica.h"

NomiTrovati cercanomi(const QString &percorso, const QString &testo, int massimo)
{
    NomiTrovati trovati;
    QByteArray dati;
    leggirubricagrezza(percorso, dati);
    const QString s = testo.trimmed();
    const qsizetype n = dati.size() / contatto::dimensione;
    for (qsizetype i = 0; i < n && trovati.numeri.size() < massimo; ++i) {
        const QString nome = contatto::ragionesociale(dati.constData() + i * contatto::dimensione);
        if (!s.isEmpty() && !nome.startsWith(s, Qt::CaseInsensitive))
            continue;
        trovati.numeri.append(qint32(i + 1));
        trovati.nomi.append(nome);
    }
    return trovati;
}
