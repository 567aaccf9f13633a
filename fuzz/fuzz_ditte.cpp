// A company list of any bytes: at most 1000 names, none with a line end in it, and a list
// written back from those names always reads back the same.
#include "cartellafuzz.h"
#include "store/ditte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const QByteArray byte(reinterpret_cast<const char *>(dati), qsizetype(n));
    const QStringList nomi = analizzaditte(byte);
    FUZZ_CHECK(nomi.size() <= 1000);
    QStringList scrivibili, attesi;
    for (const QString &nome : nomi) {
        FUZZ_CHECK(!nome.contains('\r') && !nome.contains('\n'));
        if (!nome.trimmed().isEmpty()) {
            scrivibili.append(nome);
            attesi.append(QString(nome.trimmed()).replace('"', '\''));
        }
    }
    // Whatever was read, the list written back reads back the same names.
    FUZZ_CHECK(analizzaditte(codificaditte(scrivibili)) == attesi);

    scrivifuzz("listditta", dati, n);
    QStringList letti;
    FUZZ_CHECK(leggiditte(radicefuzz(), letti) && letti == nomi);
    return 0;
}
