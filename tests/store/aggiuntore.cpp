// Appends movements to one month file as fast as it can: aggiuntore FILE ID COUNT.
// Each movement names its writer and its sequence number, so the test can find it.
#include "store/filemese.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    const int id = atoi(argv[2]);
    const int quanti = atoi(argv[3]);
    for (int i = 0; i < quanti; ++i) {
        Movimento m;
        m.giorno = qint16(1 + i % 28);
        m.descrizione1 = QStringLiteral("P%1").arg(id);
        m.descrizione2 = QStringLiteral("N%1").arg(i);
        m.importo = i;
        m.conto = 2;
        m.ditta = qint16(id);
        if (!aggiungimovimento(file, m)) {
            std::fprintf(stderr, "append failed\n");
            return 1;
        }
    }
    return 0;
}
