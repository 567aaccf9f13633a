// Rewrites the company list, appends movements and rewrites an address-book record in a loop
// until it is killed: tortura DATAROOT. Each movement carries its sequence number, continuing
// from the records already in the file, so the test can check nothing was lost or torn.
#include "store/ditte.h"
#include "store/filemese.h"
#include "store/rubrica.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const QString radice = QString::fromLocal8Bit(argv[1]);
    const QString mese = percorsomese(radice, 6, "26");
    qint32 prossimo = 0;
    if (!contamovimenti(mese, prossimo))
        return 1;
    std::puts("pronto"); // the test kills only a writer that is already writing
    std::fflush(stdout);
    for (int giro = 0;; ++giro) {
        const bool pari = giro % 2 == 0;
        if (!scrividitte(radice, pari ? QStringList{"Alfa", "Beta"}
                                      : QStringList{"Alfa", "Beta", "Gamma Srl"}))
            return 1;
        Movimento m;
        m.giorno = 1;
        m.descrizione1 = QStringLiteral("Kill test");
        m.descrizione2 = QString::number(prossimo);
        m.importo = prossimo;
        m.ditta = 1;
        m.conto = 2;
        if (!aggiungimovimento(mese, m))
            return 1;
        ++prossimo;
        Contatto c;
        c.ragionesociale = pari ? QStringLiteral("Rossi Srl") : QStringLiteral("Bianchi Spa");
        c.note = QString(50, pari ? 'p' : 'd');
        if (!riscrivicontatto(radice, 1, c))
            return 1;
    }
}
