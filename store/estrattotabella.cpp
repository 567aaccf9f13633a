#include "store/estrattoformati.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

enum class Ruolo {
    data,
    datavaluta,
    importo,
    entrate,
    uscite,
    descrizione,
    descrizione2,
    tipo,
    stato,
    valuta,
    conto,
    quanti
};

struct Nome {
    Ruolo ruolo;
    int preferenza; // among columns of the same role the lowest wins
};

// The column names banks use, as nomecolonna() leaves them.
const QHash<QString, Nome> &nomi()
{
    static const QHash<QString, Nome> n{
        {"data contabile", {Ruolo::data, 0}},
        {"data cont", {Ruolo::data, 0}},
        {"data registrazione", {Ruolo::data, 0}},
        {"data reg", {Ruolo::data, 0}},
        {"booking date", {Ruolo::data, 0}},
        {"completed date", {Ruolo::data, 0}},
        {"data operazione", {Ruolo::data, 1}},
        {"data op", {Ruolo::data, 1}},
        {"data", {Ruolo::data, 2}},
        {"date", {Ruolo::data, 2}},
        {"started date", {Ruolo::data, 3}},
        {"data valuta", {Ruolo::datavaluta, 0}},
        {"data val", {Ruolo::datavaluta, 0}},
        {"value date", {Ruolo::datavaluta, 0}},
        {"importo", {Ruolo::importo, 0}},
        {"amount", {Ruolo::importo, 0}},
        {"entrate", {Ruolo::entrate, 0}},
        {"accrediti", {Ruolo::entrate, 0}},
        {"avere", {Ruolo::entrate, 0}},
        {"paid in", {Ruolo::entrate, 0}},
        {"money in", {Ruolo::entrate, 0}},
        {"uscite", {Ruolo::uscite, 0}},
        {"addebiti", {Ruolo::uscite, 0}},
        {"dare", {Ruolo::uscite, 0}},
        {"paid out", {Ruolo::uscite, 0}},
        {"money out", {Ruolo::uscite, 0}},
        {"descrizione", {Ruolo::descrizione, 0}},
        {"descr", {Ruolo::descrizione, 0}},
        {"description", {Ruolo::descrizione, 0}},
        {"descrizione operazione", {Ruolo::descrizione, 1}},
        {"descrizione operazioni", {Ruolo::descrizione, 1}},
        {"causale / descrizione", {Ruolo::descrizione, 1}},
        {"operazione", {Ruolo::descrizione, 2}},
        {"movimento", {Ruolo::descrizione, 2}},
        {"partner name", {Ruolo::descrizione, 2}},
        {"payee", {Ruolo::descrizione, 2}},
        {"name", {Ruolo::descrizione, 2}},
        {"descrizione estesa", {Ruolo::descrizione2, 0}},
        {"descrizione completa", {Ruolo::descrizione2, 0}},
        {"dettagli", {Ruolo::descrizione2, 0}},
        {"descrizione 2", {Ruolo::descrizione2, 0}},
        {"payment reference", {Ruolo::descrizione2, 1}},
        {"extra info", {Ruolo::descrizione2, 2}},
        {"causale", {Ruolo::tipo, 0}},
        {"caus", {Ruolo::tipo, 0}},
        {"tipologia", {Ruolo::tipo, 0}},
        {"tipo operazione", {Ruolo::tipo, 0}},
        {"type", {Ruolo::tipo, 1}},
        {"transaction type", {Ruolo::tipo, 0}},
        {"kind", {Ruolo::tipo, 1}},
        {"stato", {Ruolo::stato, 0}},
        {"contabilizzazione", {Ruolo::stato, 0}},
        {"stato operazione", {Ruolo::stato, 0}},
        {"state", {Ruolo::stato, 0}},
        {"status", {Ruolo::stato, 0}},
        {"divisa", {Ruolo::valuta, 0}},
        {"div", {Ruolo::valuta, 0}},
        {"currency", {Ruolo::valuta, 0}},
        // Some banks mean the currency by it, others the value date: told row by row.
        {"valuta", {Ruolo::valuta, 1}},
        {"conto", {Ruolo::conto, 0}},
    };
    return n;
}

// Case, accents, blanks, '_', full stops of abbreviations ("Data Op.") and a currency suffix
// ("(EUR)", "in euro") aside.
QString nomecolonna(const QString &testo)
{
    QString t = testo.normalized(QString::NormalizationForm_D);
    t.removeIf(
        [](QChar c) { return c.category() == QChar::Mark_NonSpacing || c == u'.' || c == u':'; });
    t = t.toLower().replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
    static const QRegularExpression valuta(
        QStringLiteral("\\s*(\\([^)]*\\)|\\bin euro|\\beur|\\beuro|€)$"));
    return t.remove(valuta).simplified();
}

// The column of each role found in a header line; -1 where there is none.
struct Colonne {
    int colonna[int(Ruolo::quanti)];
    int preferenza[int(Ruolo::quanti)] = {};

    Colonne() { std::fill(std::begin(colonna), std::end(colonna), -1); }
    int operator[](Ruolo r) const { return colonna[int(r)]; }
    // The booking date's column; the value date's only where there is no other.
    int data() const
    {
        return (*this)[Ruolo::data] >= 0 ? (*this)[Ruolo::data] : (*this)[Ruolo::datavaluta];
    }
    bool valida() const
    {
        return data() >= 0 && ((*this)[Ruolo::importo] >= 0 ||
                               ((*this)[Ruolo::entrate] >= 0 && (*this)[Ruolo::uscite] >= 0));
    }
};

Colonne colonne(const QStringList &celle)
{
    Colonne c;
    for (int i = 0; i < celle.size(); ++i) {
        const auto n = nomi().constFind(nomecolonna(celle[i]));
        if (n == nomi().constEnd())
            continue;
        const int r = int(n->ruolo);
        if (c.colonna[r] < 0 || n->preferenza < c.preferenza[r]) {
            c.colonna[r] = i;
            c.preferenza[r] = n->preferenza;
        }
    }
    return c;
}

// Whether the bank has booked a row, as its state column says.
enum class Contabile { si, no, forse };

Contabile contabilizzata(const QString &stato)
{
    if (stato.trimmed().isEmpty())
        return Contabile::si;
    const QString s = nomecolonna(stato);
    for (const char *parola : {"non contabilizzat", "not approved", "pending", "in attesa",
                               "declined", "reverted", "failed", "rifiutat", "annullat", "cancel"})
        if (s.contains(QLatin1String(parola)))
            return Contabile::no;
    // Words no export is known to use for unbooked rows, nor for booked ones: the user decides.
    for (const char *parola : {"in lavorazione", "autorizzat"})
        if (s.contains(QLatin1String(parola)))
            return Contabile::forse;
    return Contabile::si;
}

// What a balance or summary line says of itself.
enum class Frase { nessuna, iniziale, finale, contabile, saldo, totale };

// The balance or summary phrase a field is, case, accents, stray marks such as '|' and a date
// after it aside ("|SALDO FINALE", "Saldo al 31/03/2026"); the date goes to data.
Frase frase(const QString &cella, QDate &data)
{
    // Only a text beginning with s, d or t can be one: the common case is told at once.
    const auto prima =
        std::find_if(cella.begin(), cella.end(), [](QChar c) { return c.isLetterOrNumber(); });
    if (prima == cella.end() || !QStringView(u"sdtSDT").contains(*prima))
        return Frase::nessuna;
    static const QRegularExpression finedata(
        QStringLiteral("(\\d{1,2}[/.-]\\d{1,2}[/.-]\\d{2,4})\\W*$"));
    QString t = cella;
    if (const QRegularExpressionMatch m = finedata.match(t); m.hasMatch()) {
        data = dataestratto(m.captured(1));
        t.truncate(m.capturedStart());
    }
    t = t.normalized(QString::NormalizationForm_D);
    t.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    for (QChar &c : t)
        c = c.isLetter() ? c.toLower() : QLatin1Char(' ');
    t = t.simplified();
    if (t.endsWith(QLatin1String(" al")))
        t.chop(3);
    static const QHash<QString, Frase> frasi{
        {"saldo iniziale", Frase::iniziale},   {"saldo contabile iniziale", Frase::iniziale},
        {"saldo finale", Frase::finale},       {"saldo contabile finale", Frase::finale},
        {"saldo contabile", Frase::contabile}, {"saldo liquido", Frase::saldo},
        {"saldo disponibile", Frase::saldo},   {"saldo", Frase::saldo},
    };
    if (const auto f = frasi.constFind(t); f != frasi.constEnd())
        return *f;
    if (t.startsWith(QLatin1String("saldo sbf")) || t.startsWith(QLatin1String("disponibilita")))
        return Frase::saldo;
    return t.startsWith(QLatin1String("total")) ? Frase::totale : Frase::nessuna;
}

bool vuota(const QStringList &celle)
{
    return std::all_of(celle.begin(), celle.end(),
                       [](const QString &c) { return c.trimmed().isEmpty(); });
}

QDate data(const QString &testo, bool serialiexcel)
{
    static const QRegularExpression seriale(QStringLiteral("^\\d{1,7}(\\.\\d+)?$"));
    if (serialiexcel && seriale.match(testo.trimmed()).hasMatch())
        return QDate(1899, 12, 30).addDays(testo.trimmed().section(QLatin1Char('.'), 0, 0).toInt());
    return dataestratto(testo);
}

// The apostrophe a spreadsheet export puts before a text that would run as a formula.
QString senzaguardia(const QString &testo)
{
    if (testo.size() > 1 && testo[0] == QLatin1Char('\'') &&
        QStringLiteral("=+-@\t\r").contains(testo[1]))
        return testo.mid(1);
    return testo;
}

// A balance or summary line: what it says, its amount, date and currency.
struct Bilancio {
    Frase frase = Frase::nessuna;
    std::optional<qint64> importo;
    QDate data;
    QString valuta;
};

// Where the balances of a table go. The opening one is stated "iniziale", else it is the first
// balance above the movements; the closing one is stated "finale", else "contabile" below them.
class Saldi
{
  public:
    explicit Saldi(Estratto &e) : e(e) {}

    void aggiungi(const Bilancio &b, bool dopo)
    {
        if (!b.importo || b.frase == Frase::totale)
            return;
        if (e.valuta.isEmpty())
            e.valuta = b.valuta;
        if (b.frase == Frase::iniziale) {
            if (!iniziale)
                e.saldoiniziale = b.importo;
            iniziale = true;
        } else if (b.frase == Frase::finale) {
            if (!finale)
                e.saldofinale = b.importo, e.datasaldofinale = b.data;
            finale = true;
        } else if (!dopo) {
            if (!e.saldoiniziale)
                e.saldoiniziale = b.importo;
        } else if (b.frase == Frase::contabile && !e.saldofinale) {
            e.saldofinale = b.importo, e.datasaldofinale = b.data;
        }
    }

  private:
    Estratto &e;
    bool iniziale = false, finale = false; // stated as such
};

class Lettore
{
  public:
    Lettore(const Colonne &c, bool serialiexcel) : c(c), serialiexcel(serialiexcel) {}

    // The movement of a line; an empty motivo with no movement means the line is passed over.
    std::optional<RigaEstratto> riga(const QStringList &celle, QString &motivo) const
    {
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : celle.value(c[r]); };
        const QString testodata = celle.value(c.data()).trimmed();
        const bool senzaimporto = c[Ruolo::importo] >= 0
                                      ? cella(Ruolo::importo).trimmed().isEmpty()
                                      : cella(Ruolo::entrate).trimmed().isEmpty() &&
                                            cella(Ruolo::uscite).trimmed().isEmpty();
        const Contabile stato = contabilizzata(cella(Ruolo::stato));
        if ((testodata.isEmpty() && senzaimporto) || stato == Contabile::no)
            return std::nullopt;
        // Without a description column the kind of movement is its description.
        const Ruolo nome = c[Ruolo::descrizione] >= 0 ? Ruolo::descrizione : Ruolo::tipo;
        const QString descrizione = senzaguardia(cella(nome).trimmed());
        // The carried balance of this program's own export: no account, not a movement.
        if (c[Ruolo::conto] >= 0 && cella(Ruolo::conto).trimmed().isEmpty() &&
            descrizione == QLatin1String("SALDO PRECEDENTE"))
            return std::nullopt;
        RigaEstratto r;
        r.data = data(testodata, serialiexcel);
        if (!r.data.isValid()) {
            motivo = QStringLiteral("data non valida (\"%1\").").arg(testodata.left(40));
            return std::nullopt;
        }
        if (senzaimporto) {
            motivo = QStringLiteral("importo mancante.");
            return std::nullopt;
        }
        const std::optional<qint64> importo = this->importo(cella, r.valuta);
        if (!importo) {
            motivo = QStringLiteral("importo non valido.");
            return std::nullopt;
        }
        r.importo = *importo;
        r.descrizione1 = descrizione;
        r.descrizione2 = senzaguardia(cella(Ruolo::descrizione2).trimmed());
        r.tipo = nome == Ruolo::tipo ? QString() : cella(Ruolo::tipo);
        r.valuta = valuta(celle, r.valuta);
        r.incerta = stato == Contabile::forse;
        return r;
    }

    // A balance or summary line: its phrase in any field ("Totale" only first), and no value
    // date where the file has such a column, so a movement "Saldo fattura 123" is none.
    std::optional<Bilancio> bilancio(const QStringList &celle) const
    {
        Bilancio b;
        qsizetype dove = -1;
        bool primo = true;
        for (qsizetype i = 0; i < celle.size() && dove < 0; ++i) {
            if (celle[i].trimmed().isEmpty())
                continue;
            QDate d;
            const Frase f = frase(celle[i], d);
            if (f != Frase::nessuna && (f != Frase::totale || primo))
                dove = i, b.frase = f, b.data = d;
            primo = false;
        }
        if (dove < 0 || datavaluta(celle).isValid())
            return std::nullopt;
        if (!b.data.isValid())
            b.data = data(celle.value(c.data()), serialiexcel);
        // Stray marks around the amount ("1.234,56|") are no part of it.
        QStringList pulite = celle;
        for (QString &p : pulite)
            p.remove(QLatin1Char('|'));
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : pulite.value(c[r]); };
        b.importo = importo(cella, b.valuta);
        for (qsizetype i = 0; !b.importo && i < pulite.size(); ++i)
            if (i != dove && !pulite[i].trimmed().isEmpty() && !data(pulite[i], false).isValid())
                b.importo = importovaluta(pulite[i], b.valuta);
        b.valuta = valuta(celle, b.valuta);
        return b;
    }

  private:
    template <typename F> std::optional<qint64> importo(const F &cella, QString &valuta) const
    {
        if (c[Ruolo::importo] >= 0)
            return importovaluta(cella(Ruolo::importo), valuta);
        // A value in the expense column is an expense whatever its sign.
        std::optional<qint64> totale;
        for (Ruolo r : {Ruolo::entrate, Ruolo::uscite}) {
            const QString testo = cella(r).trimmed();
            if (testo.isEmpty())
                continue;
            const std::optional<qint64> v = importovaluta(testo, valuta);
            if (!v)
                return std::nullopt;
            totale = totale.value_or(0) + (r == Ruolo::entrate ? 1 : -1) * (*v < 0 ? -*v : *v);
        }
        return totale;
    }

    // The value date of a line, where the file has a column for it beside the booking date.
    QDate datavaluta(const QStringList &celle) const
    {
        for (Ruolo r : {Ruolo::datavaluta, Ruolo::valuta})
            if (c[r] >= 0 && c[Ruolo::data] >= 0)
                if (const QDate d = data(celle.value(c[r]), serialiexcel); d.isValid())
                    return d;
        return {};
    }

    // The currency of a line: its currency column's, else the code written with its amount.
    QString valuta(const QStringList &celle, const QString &dallimporto) const
    {
        const QString v = c[Ruolo::valuta] < 0 ? QString() : celle.value(c[Ruolo::valuta]);
        return v.trimmed().isEmpty() || data(v, serialiexcel).isValid() ? dallimporto
                                                                        : codicevaluta(v);
    }

    Colonne c;
    bool serialiexcel;
};

// The lines above the header: an IBAN, and balances as a label field followed by an amount
// field ("Saldo Iniziale", "627,89 EUR").
void sopra(const QStringList &celle, Estratto &e, Saldi &saldi)
{
    for (qsizetype i = 0; i < celle.size(); ++i) {
        if (e.conto.isEmpty())
            e.conto = ibanin(celle[i]);
        Bilancio b;
        b.frase = frase(celle[i], b.data);
        if (b.frase != Frase::iniziale && b.frase != Frase::finale)
            continue;
        qsizetype j = i + 1;
        while (j < celle.size() && celle[j].trimmed().isEmpty())
            ++j;
        if (j < celle.size() && (b.importo = importovaluta(celle[j], b.valuta)))
            saldi.aggiungi(b, false);
    }
}

} // namespace

bool intestazioneestratto(const QStringList &celle)
{
    return colonne(celle).valida();
}

Esito leggitabella(const QList<RigaTabella> &righe, bool serialiexcel, const QString &nome,
                   Estratto &e)
{
    qsizetype inizio = 0;
    Colonne c;
    for (; inizio < righe.size() && righe[inizio].numero <= 40 && !c.valida(); ++inizio)
        c = colonne(righe[inizio].celle);
    if (!c.valida())
        return Esito::fallito(nome, motivosenzaintestazione());
    Saldi saldi(e);
    for (qsizetype i = 0; i + 1 < inizio; ++i)
        sopra(righe[i].celle, e, saldi);
    const Lettore lettore(c, serialiexcel);
    bool finite = false; // a balance or total line below the movements ends them
    for (qsizetype i = inizio; i < righe.size(); ++i) {
        if (vuota(righe[i].celle))
            continue;
        if (const std::optional<Bilancio> b = lettore.bilancio(righe[i].celle)) {
            finite = finite || !e.righe.isEmpty();
            saldi.aggiungi(*b, !e.righe.isEmpty());
            continue;
        }
        if (finite)
            continue;
        QString motivo;
        const std::optional<RigaEstratto> r = lettore.riga(righe[i].celle, motivo);
        if (!motivo.isEmpty())
            return Esito::fallito(nome, motivoriga(righe[i].numero, motivo));
        if (r)
            e.righe.append(std::move(*r));
    }
    return Esito::riuscito();
}
