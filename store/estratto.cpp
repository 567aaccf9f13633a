#include "store/estratto.h"

#include "store/estrattoformati.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

Formato formatoestratto(const QByteArray &dati)
{
    if (dati.startsWith("PK\x03\x04"))
        return Formato::zip;
    if (dati.startsWith("\xD0\xCF\x11\xE0"))
        return Formato::xls;
    QByteArrayView inizio(dati);
    if (inizio.startsWith("\xEF\xBB\xBF"))
        inizio = inizio.sliced(3);
    inizio = inizio.trimmed();
    if (inizio.startsWith("%PDF-"))
        return Formato::pdf;
    if (inizio.startsWith('<')) {
        const QByteArray testa = inizio.first(qMin(inizio.size(), qsizetype(1024))).toByteArray();
        return testa.toLower().contains("<html") || testa.toLower().contains("<table")
                   ? Formato::html
                   : Formato::xml;
    }
    // The first record of a CBI flow: "RH" or "EC" after the blank of position 1, which some
    // programs drop.
    QByteArrayView record(dati);
    if (record.startsWith("\xEF\xBB\xBF"))
        record = record.sliced(3);
    while (record.startsWith('\r') || record.startsWith('\n'))
        record = record.sliced(1);
    if (record.startsWith(' '))
        record = record.sliced(1);
    if ((record.startsWith("RH") || record.startsWith("EC")) && record.size() >= 7 &&
        std::all_of(record.begin() + 2, record.begin() + 7,
                    [](char c) { return c >= '0' && c <= '9'; }))
        return Formato::cbi;
    return Formato::csv;
}

namespace {

Esito leggiformato(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    if (dati.size() > estrattomassimo)
        return Esito::fallito(nome, QStringLiteral("Il file è troppo grande per un estratto "
                                                   "conto (oltre 64 MB)."));
    if (dati.trimmed().isEmpty())
        return Esito::fallito(nome, QStringLiteral("Il file è vuoto."));
    switch (formatoestratto(dati)) {
    case Formato::xls:
        return leggixls(dati, nome, pezzi);
    case Formato::html:
        return Esito::fallito(nome,
                              QStringLiteral("Il file è una pagina HTML, non un estratto "
                                             "conto: salvarlo come .xlsx o .csv e riprovare."));
    case Formato::pdf: {
        Esito e = Esito::fallito(nome, QStringLiteral("Il file è un PDF."));
        e.avviso = QStringLiteral("Il file %1 è un PDF: i PDF non si possono importare. Scaricare "
                                  "dall'home banking la lista dei movimenti in formato CSV o "
                                  "Excel.")
                       .arg(nome);
        return e;
    }
    case Formato::zip:
        return leggizip(dati, nome, pezzi);
    case Formato::xml:
        return leggicamt(dati, nome, pezzi);
    case Formato::cbi:
        return leggicbi(dati, nome, pezzi);
    case Formato::csv:
        break;
    }
    return leggicsv(dati, nome, pezzi);
}

// When a statement was made: its closing balance's date, else its latest movement's.
QDate quando(const Estratto &e)
{
    QDate d = e.datasaldofinale;
    if (!d.isValid())
        for (const RigaEstratto &r : e.righe)
            d = !d.isValid() || r.data > d ? r.data : d;
    return d;
}

// The statements of each bank account as one, in the order the file first names the accounts.
// One IBAN may hold several currencies, each a statement of its own: the euro one is not theirs.
QList<Estratto> perconto(QList<Estratto> pezzi)
{
    const auto chiave = [](const Estratto &p) { return p.conto + QLatin1Char('\n') + p.valuta; };
    QStringList ordine;
    for (const Estratto &p : pezzi)
        if (!ordine.contains(chiave(p)))
            ordine.append(chiave(p));
    std::stable_sort(pezzi.begin(), pezzi.end(),
                     [](const Estratto &a, const Estratto &b) { return quando(a) < quando(b); });
    QList<Estratto> conti(ordine.size());
    QList<bool> visto(ordine.size(), false);
    for (Estratto &p : pezzi) {
        const qsizetype k = ordine.indexOf(chiave(p));
        if (!visto[k]) {
            visto[k] = true;
            conti[k] = std::move(p);
            continue;
        }
        Estratto &unito = conti[k];
        unito.righe += std::move(p.righe);
        unito.saldofinale = p.saldofinale;
        unito.datasaldofinale = p.datasaldofinale;
        unito.valuta = unito.valuta.isEmpty() ? p.valuta : unito.valuta;
        unito.escluse += std::move(p.escluse);
        if (p.scarto)
            unito.scarto = piu(unito.scarto.value_or(0), *p.scarto);
    }
    return conti;
}

// Texts folded to single blanks, and the currency settled: a statement whose every movement is
// in one other currency is in that currency, and then none of it is ours to import.
void sistema(Estratto &e)
{
    if (e.valuta.isEmpty() && !e.righe.isEmpty() &&
        std::all_of(e.righe.begin(), e.righe.end(),
                    [](const RigaEstratto &r) { return !r.valuta.isEmpty(); }))
        e.valuta = e.righe.first().valuta;
    for (RigaEstratto &r : e.righe) {
        r.descrizione1 = std::move(r.descrizione1).simplified();
        r.descrizione2 = std::move(r.descrizione2).simplified();
        r.tipo = std::move(r.tipo).simplified();
        if (r.valuta.isEmpty())
            r.valuta = e.valuta;
    }
    for (RigaEsclusa &r : e.escluse)
        r.descrizione = std::move(r.descrizione).simplified();
    if (!e.valuta.isEmpty()) {
        e.saldoiniziale.reset();
        e.saldofinale.reset();
        e.datasaldofinale = {};
        e.scarto.reset();
    }
}

// A file that was read: what it holds is refused, not the disk.
Esito rifiuto(Esito e)
{
    if (!e.avviso.isEmpty())
        return e; // the reader's own words
    QString motivo = e.motivo;
    if (!motivo.isEmpty() && !motivo.startsWith(QLatin1String("Riga ")))
        motivo[0] = motivo[0].toLower();
    e.avviso =
        QStringLiteral("Il file %1 non è un estratto conto leggibile: %2").arg(e.file, motivo);
    return e;
}

} // namespace

Esito leggiestrattodati(const QByteArray &dati, const QString &nome, QList<Estratto> &conti)
{
    conti.clear();
    QList<Estratto> pezzi;
    if (Esito esito = leggiformato(dati, nome, pezzi); !esito)
        return rifiuto(esito);
    if (pezzi.isEmpty())
        pezzi.append(Estratto{});
    // A statement of CBI or XML states its balances around its movements: one period.
    for (Estratto &p : pezzi)
        if (!p.scarto && p.saldoiniziale && p.saldofinale) {
            Periodo periodo;
            periodo.fine = p.righe.size();
            periodo.apertura = p.saldoiniziale;
            periodo.chiusura = p.saldofinale;
            periodo.datachiusura = p.datasaldofinale;
            verificaestratto(p, {}, {periodo});
        }
    conti = perconto(pezzi);
    for (Estratto &e : conti)
        sistema(e);
    if (std::all_of(conti.begin(), conti.end(),
                    [](const Estratto &e) { return !e.valuta.isEmpty(); })) {
        const QString motivo = QStringLiteral("L'estratto conto è in %1: si possono importare solo "
                                              "estratti in euro.")
                                   .arg(conti.first().valuta);
        conti.clear();
        Esito esito = Esito::fallito(nome, motivo);
        esito.avviso =
            QStringLiteral("Il file %1 non si può importare.\n%2").arg(esito.file, motivo);
        return esito;
    }
    return Esito::riuscito();
}

Esito leggiestratto(const QString &file, QList<Estratto> &conti)
{
    conti.clear();
    const QString nome = QDir::toNativeSeparators(file);
    // A pipe or a device chosen by mistake would be waited on for ever: only a plain file.
    if (const QFileInfo info(file); info.exists() && !info.isFile())
        return Esito::fallito(nome, QStringLiteral("Non è un file di dati."));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Esito::fallito(nome, motivoerrore(f));
    // One byte past the limit is enough to tell a file too large, whatever size it claims.
    const QByteArray dati = f.read(estrattomassimo + 1);
    if (f.error() != QFileDevice::NoError)
        return Esito::fallito(nome, motivoerrore(f));
    return leggiestrattodati(dati, nome, conti);
}
