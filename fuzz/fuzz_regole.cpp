// A rules file of any bytes: reading it never fails nor gives more rules than its whole records
// hold, and a rule kept afterwards is read back, then dropped.
#include "cartellafuzz.h"
#include "store/regole.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    scrivifuzz("regole", dati, n);
    QList<Regola> regole;
    FUZZ_CHECK(leggiregole(radicefuzz(), 1, regole));
    FUZZ_CHECK(size_t(regole.size()) <= n / regole::dimensione);
    for (const Regola &r : regole)
        FUZZ_CHECK(!chiaveregola(r.controparte).isEmpty() && r.contatto >= 0);
    const Regola nuova{"VODAFONE ITALIA SPA", "Vodafone", "", 3};
    FUZZ_CHECK(ricordaregole(radicefuzz(), 1, {nuova}));
    const QFileInfo file(radicefuzz() + "quaderoladati/regole");
    FUZZ_CHECK(file.size() <= qint64(n / regole::dimensione + 1) * regole::dimensione);
    FUZZ_CHECK(leggiregole(radicefuzz(), 1, regole) && regole.contains(nuova));
    FUZZ_CHECK(cancellaregole(radicefuzz(), 1, {"vodafone italia s.p.a."}));
    FUZZ_CHECK(leggiregole(radicefuzz(), 1, regole) && !regole.contains(nuova));
    return 0;
}
