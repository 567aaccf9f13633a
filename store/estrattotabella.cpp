#include "store/estrattoformati.h"

#include <QHash>
#include <QRegularExpression>

namespace {

enum class Ruolo { data, importo, entrate, uscite, descrizione, descrizione2, stato, conto };

struct Nome {
    Ruolo ruolo;
    int preferenza; // among columns of the same role the lowest wins
};

// The column names banks use, as nomecolonna() leaves them.
const QHash<QString, Nome> &nomi()
{
    static const QHash<QString, Nome> n{
        {"data contabile", {Ruolo::data, 0}},
        {"data registrazione", {Ruolo::data, 0}},
        {"booking date", {Ruolo::data, 0}},
        {"data operazione", {Ruolo::data, 1}},
        {"data", {Ruolo::data, 2}},
        {"date", {Ruolo::data, 2}},
        {"data valuta", {Ruolo::data, 3}},
        {"value date", {Ruolo::data, 3}},
        {"importo", {Ruolo::importo, 0}},
        {"amount", {Ruolo::importo, 0}},
        {"entrate", {Ruolo::entrate, 0}},
        {"accrediti", {Ruolo::entrate, 0}},
        {"avere", {Ruolo::entrate, 0}},
        {"uscite", {Ruolo::uscite, 0}},
        {"addebiti", {Ruolo::uscite, 0}},
        {"dare", {Ruolo::uscite, 0}},
        {"descrizione", {Ruolo::descrizione, 0}},
        {"descrizione operazione", {Ruolo::descrizione, 1}},
        {"descrizione operazioni", {Ruolo::descrizione, 1}},
        {"causale / descrizione", {Ruolo::descrizione, 1}},
        {"operazione", {Ruolo::descrizione, 2}},
        {"movimento", {Ruolo::descrizione, 2}},
        {"partner name", {Ruolo::descrizione, 2}},
        {"payee", {Ruolo::descrizione, 2}},
        {"causale", {Ruolo::descrizione, 3}},
        {"tipologia", {Ruolo::descrizione, 3}},
        {"descrizione estesa", {Ruolo::descrizione2, 0}},
        {"descrizione completa", {Ruolo::descrizione2, 0}},
        {"dettagli", {Ruolo::descrizione2, 0}},
        {"descrizione 2", {Ruolo::descrizione2, 0}},
        {"payment reference", {Ruolo::descrizione2, 1}},
        {"stato", {Ruolo::stato, 0}},
        {"contabilizzazione", {Ruolo::stato, 0}},
        {"stato operazione", {Ruolo::stato, 0}},
        {"state", {Ruolo::stato, 0}},
        {"conto", {Ruolo::conto, 0}},
    };
    return n;
}

// Case, accents, blanks, '_' and a currency suffix ("(EUR)", "in euro") aside.
QString nomecolonna(const QString &testo)
{
    QString t = testo.normalized(QString::NormalizationForm_D);
    t.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    t = t.toLower().replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
    static const QRegularExpression valuta(
        QStringLiteral("\\s*(\\([^)]*\\)|\\bin euro|\\beur|\\beuro|€)$"));
    return t.remove(valuta).simplified();
}

// The column of each role found in a header line; -1 where there is none.
struct Colonne {
    int colonna[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int preferenza[8] = {};

    int operator[](Ruolo r) const { return colonna[int(r)]; }
    bool valida() const
    {
        return (*this)[Ruolo::data] >= 0 &&
               ((*this)[Ruolo::importo] >= 0 ||
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

// Unbooked rows some banks list with the booked ones.
bool inattesa(const QString &stato)
{
    const QString s = nomecolonna(stato);
    for (const char *parola : {"non contabilizzat", "not approved", "pending", "in attesa"})
        if (s.contains(QLatin1String(parola)))
            return true;
    return false;
}

// "Totale…", "Totali", "Saldo…" where a line's first field is.
bool piede(const QStringList &celle)
{
    for (const QString &cella : celle) {
        const QString t = cella.trimmed();
        if (t.isEmpty())
            continue;
        if (t[0].toLower() != QLatin1Char('t') && t[0].toLower() != QLatin1Char('s'))
            return false; // the common case, told without the cost of nomecolonna()
        const QString s = nomecolonna(t);
        return s.startsWith(QLatin1String("total")) || s.startsWith(QLatin1String("saldo"));
    }
    return false;
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

class Lettore
{
  public:
    Lettore(const Colonne &c, bool serialiexcel) : c(c), serialiexcel(serialiexcel) {}

    // The movement of a line; an empty motivo with no movement means the line is passed over.
    std::optional<RigaEstratto> riga(const QStringList &celle, QString &motivo) const
    {
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : celle.value(c[r]); };
        const QString testodata = cella(Ruolo::data).trimmed();
        const bool senzaimporto = c[Ruolo::importo] >= 0
                                      ? cella(Ruolo::importo).trimmed().isEmpty()
                                      : cella(Ruolo::entrate).trimmed().isEmpty() &&
                                            cella(Ruolo::uscite).trimmed().isEmpty();
        if ((testodata.isEmpty() && senzaimporto) || inattesa(cella(Ruolo::stato)))
            return std::nullopt;
        const QString descrizione = senzaguardia(cella(Ruolo::descrizione).trimmed());
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
        const std::optional<qint64> importo = this->importo(cella);
        if (!importo) {
            motivo = QStringLiteral("importo non valido.");
            return std::nullopt;
        }
        r.importo = *importo;
        r.descrizione1 = descrizione;
        r.descrizione2 = senzaguardia(cella(Ruolo::descrizione2).trimmed());
        return r;
    }

  private:
    template <typename F> std::optional<qint64> importo(const F &cella) const
    {
        if (c[Ruolo::importo] >= 0)
            return importoestratto(cella(Ruolo::importo));
        // A value in the expense column is an expense whatever its sign.
        qint64 totale = 0;
        for (Ruolo r : {Ruolo::entrate, Ruolo::uscite}) {
            const QString testo = cella(r).trimmed();
            if (testo.isEmpty())
                continue;
            const std::optional<qint64> v = importoestratto(testo);
            if (!v)
                return std::nullopt;
            totale += (r == Ruolo::entrate ? 1 : -1) * (*v < 0 ? -*v : *v);
        }
        return totale;
    }

    Colonne c;
    bool serialiexcel;
};

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
        return Esito::fallito(nome, QStringLiteral("Il file non è un estratto conto riconosciuto: "
                                                   "nelle prime 40 righe non c'è l'intestazione "
                                                   "delle colonne (data e importo)."));
    const Lettore lettore(c, serialiexcel);
    for (qsizetype i = inizio; i < righe.size(); ++i) {
        // A total or balance line ends the movements; above the first one it is the opening
        // balance, and the movements are still to come.
        if (piede(righe[i].celle) && !e.righe.isEmpty())
            break;
        if (vuota(righe[i].celle) || piede(righe[i].celle))
            continue;
        QString motivo;
        const std::optional<RigaEstratto> r = lettore.riga(righe[i].celle, motivo);
        if (!motivo.isEmpty())
            return Esito::fallito(nome, motivoriga(righe[i].numero, motivo));
        if (r)
            e.righe.append(*r);
    }
    return Esito::riuscito();
}
