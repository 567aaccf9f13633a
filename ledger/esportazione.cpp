#include "ledger/esportazione.h"

#include "ledger/periodo.h"
#include "ledger/saldi.h"
#include "platform/soldi.h"
#include "store/foglio.h"
#include "store/salvafile.h"

#include <QDir>

namespace {

// "DD/MM/YYYY", built by hand: QString::arg was a large part of a long export.
QString data(const RigaMese &r, const QString &anno)
{
    const auto cifre = [](int n) {
        if (n < 0 || n > 99) // a damaged record: shown as it is
            return QString::number(n);
        const char d[2] = {char('0' + n / 10), char('0' + n % 10)};
        return QString::fromLatin1(d, 2);
    };
    return cifre(r.giorno) + QLatin1Char('/') + cifre(r.mese) + QLatin1Char('/') + anno;
}

} // namespace

QByteArray csvregistro(const TabellaMese &t, const QString &anno, const QStringList &conti)
{
    const QString anno4 = annointero(anno);
    FoglioCsv f;
    for (const char *titolo :
         {"Data", "Descrizione", "Descrizione 2", "Entrate", "Uscite", "Saldo", "Conto"})
        f.testo(QLatin1String(titolo));
    f.acapo();
    for (int i = 1; i <= t.numerorighe; ++i) {
        const RigaMese &r = t.riga(i);
        f.testo(data(r, anno4)).testo(r.descrizione[0]).testo(r.descrizione[1]);
        // The amount in its column, the other one empty; a damaged sign counts in neither.
        f.numero(r.segno == 0 ? fixedvirgola(r.importo) : QString());
        f.numero(r.segno == 1 ? fixedvirgola(r.importo) : QString());
        f.numero(fixedvirgola(r.saldo)).testo(conti.value(r.conto));
        f.acapo();
    }
    f.testo(QStringLiteral("Totali")).testo(QString()).testo(QString());
    f.numero(fixedvirgola(t.totali[0])).numero(fixedvirgola(t.totali[1]));
    f.numero(fixedvirgola(t.riga(t.numerorighe).saldo)).testo(QString());
    f.acapo();
    return f.dati();
}

QByteArray csvsaldi(const SaldiAnno &saldi)
{
    FoglioCsv f;
    f.testo(QStringLiteral("Mese")).testo(QStringLiteral("Entrate"));
    f.testo(QStringLiteral("Uscite")).testo(QStringLiteral("Saldo"));
    f.acapo();
    for (int r = 1; r <= 13; ++r) {
        const int k = r == 13 ? 0 : r;
        f.testo(nomemese(k)).numero(fixedvirgola(saldi.entratemese[k]));
        f.numero(fixedvirgola(saldi.uscitemese[k])).numero(fixedvirgola(saldi.saldo(k)));
        f.acapo();
    }
    return f.dati();
}

Esito esportaregistro(const QString &file, const FiltroMese &f, const QStringList &conti)
{
    TabellaMese t;
    if (Esito e = elabora(t, f, TabellaMese::senzalimite); !e)
        return e;
    return esportatabella(file, t, f.annogestione, conti);
}

Esito esportatabella(const QString &file, const TabellaMese &t, const QString &anno,
                     const QStringList &conti)
{
    return salvafile(QDir::toNativeSeparators(file), csvregistro(t, anno, conti));
}
