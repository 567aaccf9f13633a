// The writer the tests of killed and concurrent writes run as another process:
//   scrittore RADICE            rewrites the company list, appends a movement to mov0626 and
//                               rewrites address-book record 1, in a loop until it is killed;
//   scrittore FILE ID QUANTI    appends QUANTI movements of company ID to the month FILE;
//   scrittore quadrature RADICE CONTO QUANTI
//                               keeps QUANTI statements of account CONTO of company 1, statement
//                               i of day i of 2026 confirming record i + 1 of January;
//   scrittore regole RADICE NOME QUANTI
//                               keeps rule NOME & i of company 1 and drops NOME & i - 1, QUANTI
//                               times, and ends with 3 when it finds its own rule lost; it
//                               starts on a line from its input;
//   scrittore scadenze RADICE QUANTI
//                               settles payments due 1 to QUANTI of company 1, each by a
//                               movement of 1,00 appended to mov0126 under the same decision;
//                               it starts on a line from its input;
//   scrittore fatture RADICE FILE
//                               imports the items of the invoices of FILE for company 1, its
//                               own VAT number or codice fiscale as the archive keeps it; it
//                               starts on a line from its input;
//   scrittore RADICE QUANTI     carries CASSA of company 1 from 2026 into January 2027 QUANTI
//                               times, 70,00 and 0 in turn (each zero deletes the carry), and
//                               ends with 3 when it finds two carries standing after its own;
//                               it starts on a line from its input.
// Movement i carries i as its amount and "N" & i as its second description, so a test can find
// each one; the killed writer goes on from the records already in the file.
#include "ledger/importafatture.h"
#include "ledger/riporto.h"
#include "ledger/scadenzario.h"
#include "store/ditte.h"
#include "store/fattureditta.h"
#include "store/filemese.h"
#include "store/quadrature.h"
#include "store/regole.h"
#include "store/rubrica.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

int tienestratti(const QString &radice, qint16 conto, int quanti)
{
    for (int i = 0; i < quanti; ++i)
        if (!registraestratto(radice, 1, conto, "IT" + QString::number(conto),
                              QDate(2026, 1, 1).addDays(i % 365), i, {{2026, 1, i + 1, 1, 0, i}}))
            return 1;
    return 0;
}

int tieneregole(const QString &radice, const QString &nome, int quanti)
{
    std::getchar(); // both workstations start together
    for (int i = 0; i < quanti; ++i) {
        const Regola mia{nome + QString::number(i), "D" + QString::number(i), "", 0};
        QList<Regola> regole;
        if (!ricordaregole(radice, 1, {mia}) ||
            !cancellaregole(radice, 1, {nome + QString::number(i - 1)}) ||
            !leggiregole(radice, 1, regole))
            return 1;
        if (!regole.contains(mia))
            return 3;
    }
    return 0;
}

int saldascadenze(const QString &radice, int quanti)
{
    std::getchar(); // both workstations start together
    const QString gennaio = percorsomese(radice, 1, "26");
    for (qint32 voce = 1; voce <= quanti; ++voce) {
        bool gia = false;
        const auto valida = [&](const Conferma &c) {
            return Movimentisaldo(radice, 1)(c).has_value(); // read again under the lock
        };
        const auto registra = [&](Conferma &c) {
            c = {2026, 1, 0, 5, 1, 10000};
            return aggiungimovimento(gennaio, {5, "Voce", "", 1, 10000, 2, 1, 0}, &c.numero);
        };
        if (!saldascadenza(radice, 1, voce, 0, {}, valida, gia, registra))
            return 1;
    }
    return 0;
}

int importafile(const QString &radice, const QString &file)
{
    QFile f(file);
    QString codice;
    if (!f.open(QIODevice::ReadOnly) || !leggiidentita(radice, 1, codice))
        return 1;
    QList<Sceltafattura> scelte;
    for (const FileFattura &letto : leggifatture(f.readAll(), file))
        for (const Fattura &fattura : letto.fatture) {
            const Lato lato = latoditta(fattura, codice, codice);
            const Soggetto &altro = lato == Lato::cedente ? fattura.cessionario : fattura.cedente;
            for (const Voce &v : vocifattura(fattura, lato))
                scelte.append({chiavefattura(fattura), v, altro});
        }
    std::getchar(); // both workstations start together
    QStringList importate;
    return importafatture(radice, 1, scelte, importate) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && argv[1] == std::string_view("regole"))
        return tieneregole(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                           std::atoi(argv[4]));
    if (argc == 4 && QByteArray(argv[1]) == "fatture")
        return importafile(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 4 && QByteArray(argv[1]) == "scadenze")
        return saldascadenze(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc == 5)
        return tienestratti(QString::fromLocal8Bit(argv[2]), qint16(std::atoi(argv[3])),
                            std::atoi(argv[4]));
    if (argc == 3) {
        const QString radice = QString::fromLocal8Bit(argv[1]);
        std::getchar(); // both workstations start together
        for (int i = 0; i < std::atoi(argv[2]); ++i) {
            QList<Movimento> gennaio;
            if (!scriviriporto(radice, "26", 1, {2, i % 2 == 0 ? 700000 : 0, 0}) ||
                !leggimovimenti(percorsomese(radice, 1, "27"), gennaio))
                return 1;
            if (std::count_if(gennaio.begin(), gennaio.end(), [](const Movimento &m) {
                    return m.segno != movimento::cancellato;
                }) > 1)
                return 3;
        }
        return 0;
    }
    if (argc != 2 && argc != 4)
        return 2;
    const bool ucciso = argc == 2;
    const QString radice = QString::fromLocal8Bit(argv[1]);
    const QString mese = ucciso ? percorsomese(radice, 6, "26") : radice;
    const qint16 ditta = qint16(ucciso ? 1 : std::atoi(argv[2]));
    qint32 i = 0;
    if (ucciso && !contamovimenti(mese, i))
        return 1;
    std::puts("pronto"); // the test kills only a writer that is already writing
    std::fflush(stdout);
    for (bool pari = true; ucciso || i < std::atoi(argv[3]); pari = !pari, ++i) {
        const QString p = "P" + QString::number(ditta), n = "N" + QString::number(i);
        Contatto c;
        c.ragionesociale = pari ? "Rossi Srl" : "Bianchi Spa";
        c.note = QString(50, pari ? 'p' : 'd');
        const QStringList ditte = QStringList{"Alfa", "Beta", "Gamma Srl"}.mid(0, pari ? 2 : 3);
        if (!aggiungimovimento(mese, {qint16(1 + i % 28), p, n, 0, i, 2, ditta, 0}) ||
            (ucciso && (!scrividitte(radice, ditte) || !riscrivicontatto(radice, 1, c))))
            return 1;
    }
    return 0;
}
