#include "ledger/scadenzario.h"

#include "platform/soldi.h"
#include "store/filemese.h"
#include "store/foglio.h"
#include "store/movimento.h"

#include <QSet>
#include <algorithm>
#include <climits>
#include <limits>
#include <tuple>

namespace {

namespace mv = movimento;

// No series runs longer than a century of months: a damaged count never floods the list.
constexpr qint32 massimo = 1200;

struct Cambio {
    qint32 indice;
    bool successive;
    Scadenza scadenza;
};

// What the records say of one item.
struct Voce {
    Scadenza base;
    QList<Cambio> cambi; // in the order written
    QSet<qint32> annullate;
    qint32 finedall = INT_MAX; // cancelled from this occurrence on
    QHash<qint32, QList<Conferma>> saldi;

    // The change that gives occurrence n its fields and date: the latest made for it alone or
    // for an earlier one and the following.
    const Cambio *cambio(qint32 n) const
    {
        for (qsizetype i = cambi.size() - 1; i >= 0; --i)
            if (cambi[i].successive ? cambi[i].indice <= n : cambi[i].indice == n)
                return &cambi[i];
        return nullptr;
    }

    Scadenza campi(qint32 n) const
    {
        const Cambio *c = cambio(n);
        Scadenza s = c ? c->scadenza : base;
        s.ripetizione = base.ripetizione;
        s.volte = base.volte;
        s.data = c ? dataoccorrenza(c->scadenza.data, base.ripetizione, n - c->indice)
                   : dataoccorrenza(base.data, base.ripetizione, n);
        return s;
    }
};

void applica(QHash<qint32, Voce> &voci, const EventoScadenza &e)
{
    if (e.tipo == EventoScadenza::creata) {
        voci.insert(e.voce, Voce{e.scadenza, {}, {}, INT_MAX, {}});
        return;
    }
    const auto v = voci.find(e.voce);
    if (v == voci.end())
        return; // a record about no item: damaged
    const bool serie = v->base.ripetizione != 0;
    const qint32 n = serie ? e.occorrenza : 0;
    if (e.tipo == EventoScadenza::modificata)
        v->cambi.append({n, e.successive && serie, e.scadenza});
    else if (e.tipo == EventoScadenza::pagata)
        v->saldi[n].append(e.movimento);
    else if (e.successive && serie)
        v->finedall = std::min(v->finedall, n);
    else
        v->annullate.insert(n);
}

void aggiungi(qint32 numero, const Voce &v, const QDate &fino, const Movimentoattuale &attuale,
              QList<Occorrenza> &elenco)
{
    const bool serie = v.base.ripetizione != 0;
    qint32 ultima = serie ? (v.base.volte > 0 ? v.base.volte : massimo) : 1;
    ultima = std::min({ultima, massimo, v.finedall == INT_MAX ? INT_MAX : v.finedall + 1});
    for (qint32 n = 0; n < ultima; ++n) {
        Occorrenza o{numero, n, serie, v.campi(n), n >= v.finedall || v.annullate.contains(n), {}};
        if (serie && v.base.volte == 0 && n != v.finedall && o.scadenza.data > fino)
            break;
        const QList<Conferma> saldi = v.saldi.value(n);
        for (qsizetype i = saldi.size() - 1; i >= 0 && !o.movimento; --i)
            o.movimento = attuale(saldi[i]);
        elenco.append(o);
    }
}

// Amounts of items held short of the ends of the range: absurd ones never wrap to the other sign.
qint64 piu(qint64 a, qint64 b)
{
    constexpr qint64 alto = std::numeric_limits<qint64>::max();
    qint64 r = 0;
    return __builtin_add_overflow(a, b, &r) ? (b > 0 ? alto : -alto) : std::max(r, -alto);
}

QString dueanni(int anno)
{
    return QStringLiteral("%1").arg(anno % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QDate dataoccorrenza(const QDate &prima, qint16 mesi, qint32 n)
{
    return prima.addMonths(int(mesi) * n);
}

QList<Occorrenza> occorrenze(const QList<EventoScadenza> &eventi, const QDate &fino,
                             const Movimentoattuale &attuale)
{
    QHash<qint32, Voce> voci;
    for (const EventoScadenza &e : eventi)
        applica(voci, e);
    QList<Occorrenza> elenco;
    for (auto v = voci.cbegin(); v != voci.cend(); ++v)
        aggiungi(v.key(), v.value(), fino, attuale, elenco);
    std::sort(elenco.begin(), elenco.end(), [](const Occorrenza &a, const Occorrenza &b) {
        return std::tie(a.scadenza.data, a.voce, a.indice) <
               std::tie(b.scadenza.data, b.voce, b.indice);
    });
    return elenco;
}

QString statoscadenza(const Occorrenza &o, const QDate &oggi)
{
    if (o.movimento) {
        const QDate il(o.movimento->anno, o.movimento->mese, o.movimento->giorno);
        return (o.scadenza.segno == 0 ? QStringLiteral("incassata il ")
                                      : QStringLiteral("pagata il ")) +
               il.toString(QStringLiteral("dd/MM/yyyy"));
    }
    if (o.annullata)
        return QStringLiteral("annullata");
    if (o.scadenza.data < oggi)
        return QStringLiteral("scaduta");
    if (o.scadenza.data == oggi)
        return QStringLiteral("oggi");
    return o.scadenza.stima ? QStringLiteral("stimata") : QStringLiteral("aperta");
}

std::optional<Conferma> Movimentisaldo::operator()(const Conferma &c)
{
    const int chiave = c.anno * 100 + c.mese;
    auto m = mesi.find(chiave);
    if (m == mesi.end()) {
        QByteArray dati;
        const Esito e = leggimeseablocchi(
            percorsomese(percorso, c.mese, dueanni(c.anno)),
            [&](const char *r, qsizetype n) { dati.append(r, n * mv::dimensione); },
            Mancante::Vuoto);
        m = mesi.insert(chiave, e ? std::optional<QByteArray>(dati) : std::nullopt);
    }
    if (!*m)
        return c;
    if (c.numero < 1 || c.numero > (*m)->size() / mv::dimensione)
        return std::nullopt;
    const char *r = (*m)->constData() + qsizetype(c.numero - 1) * mv::dimensione;
    if (mv::ditta(r) != ditta || (mv::segno(r) != mv::entrata && mv::segno(r) != mv::uscita))
        return std::nullopt;
    return Conferma{c.anno, c.mese, c.numero, mv::giorno(r), mv::segno(r), mv::importo(r)};
}

Totali totali(const QList<Occorrenza> &elenco)
{
    Totali t;
    for (const Occorrenza &o : elenco)
        if (o.aperta()) {
            qint64 &v = o.scadenza.segno == 0 ? t.incassare : t.pagare;
            v = piu(v, o.scadenza.importo);
        }
    return t;
}

Previsione previsione(const QList<Occorrenza> &elenco, qint16 conto, qint64 saldo,
                      const QDate &oggi, int giorni)
{
    QList<qint64> movimenti(giorni + 1, 0);
    for (const Occorrenza &o : elenco) {
        const qint64 giorno = std::max<qint64>(oggi.daysTo(o.scadenza.data), 0);
        if (o.aperta() && giorno <= giorni && (conto == 0 || o.scadenza.conto == conto))
            movimenti[giorno] = piu(movimenti[giorno], o.scadenza.segno == 0 ? o.scadenza.importo
                                                                             : -o.scadenza.importo);
    }
    Previsione p;
    for (int d = 0; d <= giorni; ++d) {
        saldo = piu(saldo, movimenti[d]);
        p.giorni.append({oggi.addDays(d), saldo});
        if (d == 0 || saldo < p.minimo)
            p.minimo = saldo, p.giornominimo = oggi.addDays(d);
    }
    return p;
}

QByteArray csvscadenze(const QList<Occorrenza> &elenco, const QDate &oggi, const QStringList &conti)
{
    FoglioCsv f;
    for (const char *titolo : {"Scadenza", "Descrizione", "Descrizione 2", "Da incassare",
                               "Da pagare", "Conto", "Stato"})
        f.testo(QLatin1String(titolo));
    f.acapo();
    for (const Occorrenza &o : elenco) {
        const Scadenza &s = o.scadenza;
        f.testo(s.data.toString(QStringLiteral("dd/MM/yyyy")));
        f.testo(s.descrizione1).testo(s.descrizione2);
        f.numero(s.segno == 0 ? fixedvirgola(s.importo) : QString());
        f.numero(s.segno == 1 ? fixedvirgola(s.importo) : QString());
        f.testo(conti.value(s.conto)).testo(statoscadenza(o, oggi));
        f.acapo();
    }
    const Totali t = totali(elenco);
    f.testo(QStringLiteral("Totali")).testo(QString()).testo(QString());
    f.numero(fixedvirgola(t.incassare)).numero(fixedvirgola(t.pagare));
    f.testo(QString()).testo(QString());
    f.acapo();
    return f.dati();
}
