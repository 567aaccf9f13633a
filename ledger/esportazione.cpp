#include "ledger/esportazione.h"

#include "ledger/periodo.h"
#include "ledger/saldi.h"
#include "platform/date.h"
#include "platform/soldi.h"
#include "store/foglio.h"
#include "store/salvafile.h"

#include <QDir>

namespace {

QString data(const RigaMese &r, int anno)
{
    return QStringLiteral("%1/%2/%3")
        .arg(r.giorno, 2, 10, QLatin1Char('0'))
        .arg(r.mese, 2, 10, QLatin1Char('0'))
        .arg(anno);
}

} // namespace

QByteArray csvregistro(const TabellaMese &t, const QString &anno, const QStringList &conti)
{
    const int anno4 = annoquattrocifre(anno.toInt());
    FoglioCsv f;
    for (const char *titolo :
         {"Data", "Descrizione", "Descrizione 2", "Entrate", "Uscite", "Saldo", "Conto"})
        f.testo(QLatin1String(titolo));
    f.acapo();
    for (int i = 1; i <= t.numerorighe; ++i) {
        const RigaMese &r = t.riga(i);
        f.testo(data(r, anno4)).testo(r.descrizione[0]).testo(r.descrizione[1]);
        // The amount in its column, the other one empty.
        f.numero(r.segno == 0 ? fixedvirgola(r.importo) : QString());
        f.numero(r.segno == 0 ? QString() : fixedvirgola(r.importo));
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
    return salvafile(QDir::toNativeSeparators(file), csvregistro(t, f.annogestione, conti));
}
