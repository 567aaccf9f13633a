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
    saldo,         // the running balance after the row
    importoestero, // the amount in the row's own currency, beside the account's
    carta,
    segno,       // "D"/"A" beside an amount written without its sign
    commissione, // a fee the bank charged on top of the amount
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
        {"posting date", {Ruolo::data, 0}},
        {"transaction date", {Ruolo::data, 1}},
        {"data operazione", {Ruolo::data, 1}},
        {"data op", {Ruolo::data, 1}},
        {"data operaz", {Ruolo::data, 1}},
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
        {"in entrata", {Ruolo::entrate, 0}},
        {"uscite", {Ruolo::uscite, 0}},
        {"addebiti", {Ruolo::uscite, 0}},
        {"dare", {Ruolo::uscite, 0}},
        {"paid out", {Ruolo::uscite, 0}},
        {"money out", {Ruolo::uscite, 0}},
        {"debit", {Ruolo::uscite, 0}},
        {"debit amount", {Ruolo::uscite, 0}},
        {"credit", {Ruolo::entrate, 0}},
        {"credit amount", {Ruolo::entrate, 0}},
        {"in uscita", {Ruolo::uscite, 0}},
        {"descrizione", {Ruolo::descrizione, 0}},
        {"descr", {Ruolo::descrizione, 0}},
        {"description", {Ruolo::descrizione, 0}},
        {"transaction description", {Ruolo::descrizione, 0}},
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
        {"saldo", {Ruolo::saldo, 0}},
        {"saldo contabile", {Ruolo::saldo, 0}},
        {"saldo disponibile", {Ruolo::saldo, 1}},
        {"disponibile", {Ruolo::saldo, 1}},
        {"balance", {Ruolo::saldo, 0}},
        {"amount currency", {Ruolo::importoestero, 0}},
        {"original amount", {Ruolo::importoestero, 0}},
        {"importo originale", {Ruolo::importoestero, 0}},
        {"importo in valuta", {Ruolo::importoestero, 0}},
        {"importo divisa", {Ruolo::importoestero, 0}},
        {"importo estero", {Ruolo::importoestero, 0}},
        {"importo currency", {Ruolo::importoestero, 0}},
        {"numero carta", {Ruolo::carta, 0}},
        {"segno", {Ruolo::segno, 0}},
        {"d/a", {Ruolo::segno, 0}},
        {"a/d", {Ruolo::segno, 0}},
        {"dare/avere", {Ruolo::segno, 0}},
        {"c/d", {Ruolo::segno, 0}},
        {"d/c", {Ruolo::segno, 0}},
        {"cr/dr", {Ruolo::segno, 0}},
        {"debit/credit", {Ruolo::segno, 0}},
        {"credit/debit", {Ruolo::segno, 0}},
        {"sign", {Ruolo::segno, 0}},
        {"fee", {Ruolo::commissione, 0}},
        {"fees", {Ruolo::commissione, 0}},
        {"commissione", {Ruolo::commissione, 0}},
        {"commissioni", {Ruolo::commissione, 0}},
    };
    return n;
}

// The codes a column may be titled with alone ("CHF") or after its name ("Importo USD"): the
// common ones only, so that "ABI" or "CRO" stay columns of their own.
bool codicenoto(const QString &t)
{
    static const QStringList codici{"eur", "chf", "usd", "gbp", "jpy", "cad", "aud", "sek",
                                    "nok", "dkk", "pln", "czk", "huf", "ron", "bgn", "cny",
                                    "hkd", "sgd", "try", "nzd", "zar", "brl", "inr", "mxn"};
    return codici.contains(t);
}

// Case, accents, blanks, '_', full stops of abbreviations ("Data Op.") and a currency suffix
// ("(EUR)", "in euro", "(CHF)") aside; the suffix's currency goes to valuta ("EUR" for the euro,
// empty for none). A column titled by a code alone is an amount in that currency.
QString nomecolonna(const QString &testo, QString *valuta = nullptr)
{
    QString t = testo.normalized(QString::NormalizationForm_D);
    t.removeIf(
        [](QChar c) { return c.category() == QChar::Mark_NonSpacing || c == u'.' || c == u':'; });
    t = t.toLower().replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
    static const QRegularExpression suffisso(
        QStringLiteral("\\s*(\\(([^)]*)\\)|\\bin euro|\\beuro|€|\\b([a-z]{3}))$"));
    QString codice;
    if (const QRegularExpressionMatch m = suffisso.match(t); m.hasMatch()) {
        const QString dentro = m.captured(2).trimmed(), parola = m.captured(3);
        const bool tonde = m.captured(1).startsWith(QLatin1Char('('));
        const bool euro =
            !tonde || dentro.isEmpty() || dentro == u"eur" || dentro == u"euro" || dentro == u"€";
        if (!parola.isEmpty()) {
            if (codicenoto(parola)) {
                codice = parola.toUpper();
                t.truncate(m.capturedStart());
            }
        } else {
            codice = euro ? QStringLiteral("EUR") : codicevaluta(dentro);
            t.truncate(m.capturedStart());
            // "Amount (Foreign Currency)": the row's own currency, not the account's.
            if (tonde && codice.isEmpty() &&
                (dentro.contains(QLatin1String("currency")) ||
                 dentro.contains(QLatin1String("valuta")) ||
                 dentro.contains(QLatin1String("origin"))))
                t += QStringLiteral(" currency");
        }
        if (!codice.isEmpty() && t.trimmed().isEmpty())
            t = QStringLiteral("importo");
    }
    if (valuta)
        *valuta = codice;
    return t.simplified();
}

// The column of each role found in a header line; -1 where there is none.
struct Colonne {
    int colonna[int(Ruolo::quanti)];
    int preferenza[int(Ruolo::quanti)] = {};
    QString valuta[int(Ruolo::quanti)]; // the currency its title names: "EUR", a code or none
    int importi = 0;                    // columns that may be the account's euro amounts

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
        QString valuta;
        const auto n = nomi().constFind(nomecolonna(celle[i], &valuta));
        if (n == nomi().constEnd())
            continue;
        const int r = int(n->ruolo);
        // Among amounts of one name the euro one first, then one of no stated currency.
        const int p = n->preferenza * 3 + (valuta == u"EUR" ? 0 : valuta.isEmpty() ? 1 : 2);
        c.importi += n->ruolo == Ruolo::importo && (valuta.isEmpty() || valuta == u"EUR") ? 1 : 0;
        if (c.colonna[r] < 0 || p < c.preferenza[r]) {
            c.colonna[r] = i;
            c.preferenza[r] = p;
            c.valuta[r] = valuta;
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
    if (t.startsWith(QLatin1String("total")))
        return Frase::totale;
    if (t.startsWith(QLatin1String("disponibilita")))
        return Frase::saldo;
    // "Saldo" and words that only say which balance: any other word ("Saldo fattura") makes it
    // a text of a movement.
    const QStringList parole = t.split(QLatin1Char(' '));
    if (parole.first() != u"saldo")
        return Frase::nessuna;
    static const QStringList vuote{"liquido",     "disponibile", "sbf",     "per",      "conti",
                                   "unici",       "in",          "euro",    "eur",      "al",
                                   "del",         "di",          "conto",   "corrente", "c",
                                   "effettivo",   "reale",       "attuale", "ad",       "oggi",
                                   "giornaliero", "periodo",     "mese",    "alla",     "data"};
    Frase f = Frase::saldo;
    for (qsizetype i = 1; i < parole.size(); ++i) {
        const QString &p = parole[i];
        if (p == u"iniziale" || p == u"apertura" || p == u"inizio" || p == u"precedente")
            f = Frase::iniziale;
        else if (p == u"finale" || p == u"chiusura")
            f = Frase::finale;
        else if (p == u"contabile")
            f = f == Frase::saldo ? Frase::contabile : f;
        else if (!vuote.contains(p))
            return Frase::nessuna;
    }
    return f;
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
    QString testo;
    bool dadare = false; // its figure stands in the debit column
};

// The periods of a table as its balance lines divide it, and the lines that are no movements.
// The opening of a period is stated "iniziale", else it is a balance above its first movement;
// its closing is stated "finale", else "contabile" below its movements; a stated closing ends
// the period, and the movements after it begin the next.
class Periodi
{
  public:
    explicit Periodi(Estratto &e) : e(e) {}

    // The balance the file has reached: the period's opening plus its movements in euro.
    std::optional<qint64> raggiunto() const
    {
        const Periodo &p = periodi.last();
        if (chiuso)
            return p.chiusura;
        return p.apertura ? std::optional<qint64>(piu(*p.apertura, somma)) : std::nullopt;
    }

    void movimento(RigaEstratto r)
    {
        if (chiuso) {
            const Periodo prima = periodi.last();
            nuovo();
            periodi.last().apertura = prima.chiusura; // where the last one ended
        }
        somma = piu(somma, r.valuta.isEmpty() ? r.importo : 0);
        e.righe.append(std::move(r));
        periodi.last().fine = e.righe.size();
    }

    void escludi(const Bilancio &b, const QString &stato)
    {
        if (b.importo)
            e.escluse.append({b.data, b.testo, *b.importo, stato});
    }

    void saldo(const Bilancio &b)
    {
        if (b.frase == Frase::totale)
            return escludi(b, QStringLiteral("totale"));
        if (!b.importo)
            return; // a heading, such as "Saldo" above a column
        if (e.valuta.isEmpty())
            e.valuta = b.valuta;
        Periodo *p = &periodi.last();
        const bool movimenti = p->fine > p->primo;
        // A file newest first states the closing balance above the movements, the opening below.
        if (b.frase == Frase::finale && !movimenti && !p->apertura && !p->chiusura && !chiuso)
            rovescio = true;
        else if (rovescio && b.frase != Frase::finale && movimenti && !p->apertura) {
            p->apertura = b.importo, p->aperturaincerta = b.dadare;
            chiuso = true, rovescio = false;
            return escludi(b, QStringLiteral("saldo iniziale"));
        } else if (b.frase == Frase::iniziale || (b.frase != Frase::finale && !movimenti &&
                                                  !p->apertura && !chiuso && !rovescio)) {
            if (movimenti || chiuso)
                nuovo(), p = &periodi.last();
            if (p->apertura)
                return escludi(b, QStringLiteral("saldo"));
            p->apertura = b.importo, p->aperturaincerta = b.dadare;
            return escludi(b, QStringLiteral("saldo iniziale"));
        }
        const bool stimata = p->chiusura && !chiuso && !rovescio;
        if (b.frase == Frase::finale && (!p->chiusura || stimata)) {
            if (stimata)
                e.escluse[chiusura].stato = QStringLiteral("saldo");
            chiuso = !rovescio;
        } else if (b.frase != Frase::contabile || !movimenti || p->chiusura) {
            return escludi(b, QStringLiteral("saldo"));
        }
        p->chiusura = b.importo, p->chiusuraincerta = b.dadare, p->datachiusura = b.data;
        chiusura = e.escluse.size();
        escludi(b, QStringLiteral("saldo finale"));
    }

    // Balances above the header: the file's opening and closing, where its table states none.
    void sopra(const Bilancio &b)
    {
        if (b.frase == Frase::iniziale && !aperturasopra)
            aperturasopra = b;
        else if (b.frase == Frase::finale && !chiusurasopra)
            chiusurasopra = b;
        else
            return escludi(b, QStringLiteral("saldo"));
        escludi(b, b.frase == Frase::iniziale ? QStringLiteral("saldo iniziale")
                                              : QStringLiteral("saldo finale"));
        if (e.valuta.isEmpty())
            e.valuta = b.valuta;
    }

    QList<Periodo> fine()
    {
        if (aperturasopra && !periodi.first().apertura)
            periodi.first().apertura = aperturasopra->importo;
        if (chiusurasopra && !periodi.last().chiusura)
            periodi.last().chiusura = chiusurasopra->importo,
            periodi.last().datachiusura = chiusurasopra->data;
        return periodi;
    }

  private:
    void nuovo()
    {
        periodi.append(Periodo{});
        periodi.last().primo = periodi.last().fine = e.righe.size();
        somma = 0;
        chiuso = rovescio = false;
    }

    Estratto &e;
    QList<Periodo> periodi{Periodo{}};
    qint64 somma = 0;
    bool chiuso = false;     // the period's closing was stated
    bool rovescio = false;   // its closing stated above its movements, its opening to come
    qsizetype chiusura = -1; // the line in escluse of the period's closing
    std::optional<Bilancio> aperturasopra, chiusurasopra;
};

// What the lines around a table say of it: a card's masked number, a currency.
struct Intorno {
    QString carta;          // "Carta **** 4643"
    QString valuta;         // "EUR", a code, or empty when nothing says
    bool dicecarta = false; // a word names a card: a masked account number is no card
};

bool parolacarta(const QString &testo)
{
    const QString t = testo.toLower();
    for (const char *parola : {"carta", "card", "visa", "mastercard", "american express", "nexi",
                               "conto di riferimento"})
        if (t.contains(QLatin1String(parola)))
            return true;
    return false;
}

// A masked card number ("**** 4643", "1234 **** **** 4321") as "Carta **** 4643".
QString cartamascherata(const QString &testo)
{
    static const QRegularExpression forma(
        QStringLiteral("(?:^|\\D)(?:\\d{4}[ -]?)?(?:[*xX\u2022]{4}[ -]?){1,3}(\\d{4})\\b"));
    const QRegularExpressionMatch m = forma.match(testo);
    return m.hasMatch() ? QStringLiteral("Carta **** ") + m.captured(1) : QString();
}

// An amount with the sign its own column gives ("D", "Avere", "-", "CRDT"); nothing when that
// column says what is no sign, since then the amount cannot be booked right.
std::optional<qint64> consegno(qint64 importo, const QString &segno)
{
    static const QStringList dare{"d", "dare", "-", "debit", "dbit", "dr", "db", "addebito"};
    static const QStringList avere{"a", "c", "avere", "+", "credit", "crdt", "cr", "accredito"};
    const QString s = segno.trimmed().toLower();
    if (s.isEmpty())
        return importo;
    if (dare.contains(s))
        return -qAbs(importo);
    if (avere.contains(s))
        return qAbs(importo);
    return std::nullopt;
}

class Lettore
{
  public:
    Lettore(const Colonne &c, bool serialiexcel, const Intorno &intorno)
        : c(c), serialiexcel(serialiexcel), intorno(intorno)
    {
    }

    // The movement of a line; an empty motivo with no movement means the line is passed over.
    std::optional<RigaEstratto> riga(const QStringList &celle, QString &motivo) const
    {
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : celle.value(c[r]); };
        const QString testodata = celle.value(c.data()).trimmed();
        const bool senzaimporto = this->senzaimporto(celle);
        const Contabile stato = contabilizzata(cella(Ruolo::stato));
        if (testodata.isEmpty() && senzaimporto)
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
        // A fee charged beside the amount moves the account too; whether the amount already
        // holds it only a running balance tells, which then judges the row.
        bool confee = false;
        if (const QString fee = cella(Ruolo::commissione).trimmed(); !fee.isEmpty()) {
            const std::optional<qint64> f = importoestratto(fee);
            if (!f) {
                motivo = QStringLiteral("commissione non valida.");
                return std::nullopt;
            }
            r.importo = meno(r.importo, qAbs(*f));
            confee = *f != 0 && c[Ruolo::saldo] < 0;
        }
        r.descrizione1 = descrizione(celle);
        r.descrizione2 = senzaguardia(cella(Ruolo::descrizione2).trimmed());
        r.tipo = c[Ruolo::descrizione] < 0 ? QString() : cella(Ruolo::tipo);
        r.valuta = valuta(celle, r.valuta);
        r.incerta = stato == Contabile::forse || confee || dubbia(celle, r);
        return r;
    }

    // A movement the line may not be: a negative figure in the credit column (money in or a credit
    // reversed?), a kind that contradicts the sign, a figure that reads both ways ("1.500" is 1,5
    // or 1500) where no spreadsheet's number format says which.
    bool dubbia(const QStringList &celle, const RigaEstratto &r) const
    {
        const auto cella = [&](Ruolo q) { return c[q] < 0 ? QString() : celle.value(c[q]); };
        if (c[Ruolo::importo] < 0 && importoestratto(cella(Ruolo::entrate)).value_or(0) < 0)
            return true;
        // A kind of movement that is a sign ("Addebito") against the amount's own sign: the
        // amount may be written without it.
        if (const std::optional<qint64> s = consegno(r.importo, cella(Ruolo::tipo).trimmed());
            s && *s != r.importo)
            return true;
        return !serialiexcel && std::any_of(std::begin(figure), std::end(figure),
                                            [&](Ruolo f) { return ambigua(cella(f)); });
    }

    // Without a description column the kind of movement is its description.
    QString descrizione(const QStringList &celle) const
    {
        const Ruolo nome = c[Ruolo::descrizione] >= 0 ? Ruolo::descrizione : Ruolo::tipo;
        return c[nome] < 0 ? QString() : senzaguardia(celle.value(c[nome]).trimmed());
    }

    bool senzaimporto(const QStringList &celle) const
    {
        const auto vuoto = [&](Ruolo r) {
            return c[r] < 0 || celle.value(c[r]).trimmed().isEmpty();
        };
        return c[Ruolo::importo] >= 0 ? vuoto(Ruolo::importo)
                                      : vuoto(Ruolo::entrate) && vuoto(Ruolo::uscite);
    }

    // A row the bank says it has not booked, with its amount: shown, never imported.
    std::optional<Bilancio> nonprenotata(const QStringList &celle) const
    {
        if (c[Ruolo::stato] < 0 || contabilizzata(celle.value(c[Ruolo::stato])) != Contabile::no)
            return std::nullopt;
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : celle.value(c[r]); };
        Bilancio b;
        b.data = data(celle.value(c.data()), serialiexcel);
        b.testo = descrizione(celle);
        b.importo = importo(cella, b.valuta);
        return b;
    }

    // The balance this program's own export carried from the month before: no account, not a
    // movement.
    std::optional<Bilancio> riportato(const QStringList &celle) const
    {
        if (c[Ruolo::conto] < 0 || !celle.value(c[Ruolo::conto]).trimmed().isEmpty() ||
            descrizione(celle) != QLatin1String("SALDO PRECEDENTE"))
            return std::nullopt;
        Bilancio b;
        b.testo = descrizione(celle);
        b.data = data(celle.value(c.data()), serialiexcel);
        cifra(celle, c[Ruolo::descrizione], b);
        return b;
    }

    // The running balance the line states, where the file has a column for it.
    std::optional<qint64> progressivo(const QStringList &celle) const
    {
        return c[Ruolo::saldo] < 0 ? std::nullopt : importoestratto(celle.value(c[Ruolo::saldo]));
    }

    // The masked card number of a row, where the file names the card on each.
    QString carta(const QStringList &celle) const
    {
        return c[Ruolo::carta] < 0 ? QString() : cartamascherata(celle.value(c[Ruolo::carta]));
    }

    // A balance or summary line: its phrase in any field ("Totale" only first). A balance phrase
    // is a balance when the line has no booking date, no value date where the file has such a
    // column, says it is the opening or closing one, or its figure is the balance the file has
    // reached (raggiunto); otherwise it is a movement ("Saldo fattura 123", "SALDO 2025").
    std::optional<Bilancio> bilancio(const QStringList &celle,
                                     const std::optional<qint64> &raggiunto) const
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
        if (dove < 0)
            return std::nullopt;
        b.testo = celle[dove];
        b.testo.remove(QLatin1Char('|'));
        const bool datata = data(celle.value(c.data()), serialiexcel).isValid();
        if (!b.data.isValid())
            b.data = data(celle.value(c.data()), serialiexcel);
        cifra(celle, dove, b);
        const bool senzavaluta =
            c[Ruolo::datavaluta] >= 0 && c[Ruolo::data] >= 0 && !datavaluta(celle).isValid();
        if (!datata || senzavaluta)
            return b;
        if (b.frase == Frase::iniziale || b.frase == Frase::finale)
            return b;
        if (b.frase != Frase::totale && b.importo && raggiunto && uguale(*b.importo, *raggiunto))
            return b;
        return std::nullopt;
    }

  private:
    // The figure of a balance line: in the amount columns, else in any field that is no date.
    // One in the debit column is taken as written, its sign left to the arithmetic.
    void cifra(const QStringList &celle, qsizetype dove, Bilancio &b) const
    {
        // Stray marks around the amount ("1.234,56|") are no part of it.
        QStringList pulite = celle;
        for (QString &p : pulite)
            p.remove(QLatin1Char('|'));
        const auto cella = [&](Ruolo r) { return c[r] < 0 ? QString() : pulite.value(c[r]); };
        if (c[Ruolo::importo] >= 0) {
            b.importo = importovaluta(cella(Ruolo::importo), b.valuta);
        } else if (!cella(Ruolo::entrate).trimmed().isEmpty()) {
            b.importo = importovaluta(cella(Ruolo::entrate), b.valuta);
        } else if (!cella(Ruolo::uscite).trimmed().isEmpty()) {
            b.importo = importovaluta(cella(Ruolo::uscite), b.valuta);
            b.dadare = b.importo.has_value();
            if (b.importo)
                b.importo = qAbs(*b.importo);
        }
        for (qsizetype i = 0; !b.importo && i < pulite.size(); ++i)
            if (i != dove && !pulite[i].trimmed().isEmpty() && !data(pulite[i], false).isValid())
                b.importo = importovaluta(pulite[i], b.valuta);
        b.valuta = valuta(celle, b.valuta);
    }

    template <typename F> std::optional<qint64> importo(const F &cella, QString &valuta) const
    {
        if (c[Ruolo::importo] >= 0) {
            const std::optional<qint64> v = importovaluta(cella(Ruolo::importo), valuta);
            if (valuta.isEmpty())
                valuta = codicevaluta(c.valuta[int(Ruolo::importo)]);
            return c[Ruolo::segno] < 0 || !v ? v : consegno(*v, cella(Ruolo::segno));
        }
        // A value in the expense column is an expense whatever its sign.
        std::optional<qint64> totale;
        for (Ruolo r : {Ruolo::entrate, Ruolo::uscite}) {
            const QString testo = cella(r).trimmed();
            if (testo.isEmpty())
                continue;
            const std::optional<qint64> v = importovaluta(testo, valuta);
            if (!v)
                return std::nullopt;
            if (valuta.isEmpty())
                valuta = codicevaluta(c.valuta[int(r)]);
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

    // The currency of a line: its currency column's, else the code written with its amount or
    // in the amount's column title, else the one the lines above the table name.
    QString valuta(const QStringList &celle, const QString &dallimporto) const
    {
        const QString v = c[Ruolo::valuta] < 0 ? QString() : celle.value(c[Ruolo::valuta]);
        if (!v.trimmed().isEmpty() && !data(v, serialiexcel).isValid())
            return codicevaluta(v);
        return dallimporto.isEmpty() ? codicevaluta(intorno.valuta) : dallimporto;
    }

    // One to three digits, a point or a comma, three digits, and no other digit: "1.500",
    // "EUR 12,000". By hand, as it runs on every figure of every line.
    static bool ambigua(const QString &t)
    {
        const auto cifre = [&](qsizetype &i) {
            const qsizetype da = i;
            while (i < t.size() && t[i].isDigit())
                ++i;
            return i - da;
        };
        qsizetype i = 0;
        while (i < t.size() && !t[i].isDigit())
            ++i;
        const qsizetype prima = cifre(i);
        if (prima < 1 || prima > 3 || i == t.size() || (t[i] != u'.' && t[i] != u','))
            return false;
        ++i;
        if (cifre(i) != 3)
            return false;
        while (i < t.size() && !t[i].isDigit())
            ++i;
        return i == t.size();
    }

    static constexpr Ruolo figure[] = {Ruolo::importo, Ruolo::entrate, Ruolo::uscite};
    Colonne c;
    bool serialiexcel;
    Intorno intorno;
};

// "Divisa: CHF", or a label field followed by a code field ("Valuta", "CHF").
QString valutasopra(const QStringList &celle, qsizetype i)
{
    static const QRegularExpression forma(
        QStringLiteral("^(divisa|valuta|currency|divisa del conto|valuta del conto)\\s*:?\\s*"
                       "([a-z]{3}|euro|€)?$"));
    QString t = celle[i].toLower().simplified();
    t.remove(QLatin1Char('.'));
    const QRegularExpressionMatch m = forma.match(t);
    if (!m.hasMatch())
        return {};
    QString codice = m.captured(2);
    for (qsizetype j = i + 1; codice.isEmpty() && j < celle.size(); ++j)
        if (!celle[j].trimmed().isEmpty())
            codice = celle[j].trimmed().toLower();
    if (codice == u"eur" || codice == u"euro" || codice == u"€")
        return QStringLiteral("EUR");
    return codicevaluta(codice);
}

// The lines above the header: an IBAN, a card, a currency, and balances as a label field
// followed by an amount field ("Saldo Iniziale", "627,89 EUR").
void sopra(const QStringList &celle, Estratto &e, Periodi &periodi, Intorno &intorno)
{
    for (qsizetype i = 0; i < celle.size(); ++i) {
        if (e.conto.isEmpty())
            e.conto = ibanin(celle[i]);
        if (intorno.carta.isEmpty())
            intorno.carta = cartamascherata(celle[i]);
        intorno.dicecarta = intorno.dicecarta || parolacarta(celle[i]);
        if (intorno.valuta.isEmpty())
            intorno.valuta = valutasopra(celle, i);
        Bilancio b;
        b.frase = frase(celle[i], b.data);
        if (b.frase == Frase::nessuna || b.frase == Frase::totale)
            continue;
        qsizetype j = i + 1;
        while (j < celle.size() && celle[j].trimmed().isEmpty())
            ++j;
        b.testo = celle[i];
        if (j < celle.size() && (b.importo = importovaluta(celle[j], b.valuta)))
            periodi.sopra(b);
    }
}

// The second line of a header split over two ("Data;;Descrizione;EUR" then "Operaz.;Valuta"):
// words only, and the two joined name the columns.
bool seguito(const QStringList &prima, const QStringList &seconda, QStringList &unite)
{
    if (vuota(seconda) || colonne(seconda).valida() ||
        std::any_of(seconda.begin(), seconda.end(), [](const QString &t) {
            return std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
        }))
        return false;
    unite = prima;
    for (qsizetype i = 0; i < seconda.size(); ++i) {
        if (i >= unite.size())
            unite.append(QString());
        unite[i] = (unite[i] + QLatin1Char(' ') + seconda[i]).simplified();
    }
    return colonne(unite).valida();
}

// A card list: its purchases are positive, refunds negative or named as such.
bool rimborso(const RigaEstratto &r)
{
    for (const QString *t : {&r.tipo, &r.descrizione1, &r.descrizione2}) {
        const QString s = t->toLower();
        for (const char *parola : {"rimbors", "storno", "refund", "accredito"})
            if (s.contains(QLatin1String(parola)))
                return true;
    }
    return false;
}

void dacarta(Estratto &e, qsizetype primo)
{
    qsizetype positive = 0;
    for (qsizetype i = primo; i < e.righe.size(); ++i)
        positive += e.righe[i].importo > 0 ? 1 : 0;
    if (positive * 2 <= e.righe.size() - primo)
        return; // purchases already written as expenses
    for (qsizetype i = primo; i < e.righe.size(); ++i) {
        RigaEstratto &r = e.righe[i];
        if (r.importo < 0 || !rimborso(r))
            r.importo = -r.importo;
    }
}

} // namespace

bool intestazioneestratto(const QStringList &celle)
{
    return colonne(celle).valida();
}

namespace {

// A balance's phrase alone ("SALDO", "SALDO CONTABILE", "Saldo al 15/03/2026"), which may be the
// bank's balance; "SALDO 2025", "Saldo 45" are a balance paid, as their figures say.
bool frasesola(const RigaEstratto &r)
{
    for (const QString *t : {&r.descrizione1, &r.descrizione2}) {
        QDate d;
        const Frase f = frase(*t, d);
        const bool cifre = std::any_of(t->begin(), t->end(), [](QChar x) { return x.isDigit(); });
        if (f != Frase::nessuna && f != Frase::totale &&
            (f != Frase::saldo || d.isValid() || !cifre))
            return true;
    }
    return false;
}

// The header again, as a bank repeats it on each page of a long list.
bool ripetuta(const QList<RigaTabella> &righe, qsizetype testa, qsizetype inizio,
              const QStringList &celle)
{
    for (qsizetype k = testa; k < inizio; ++k)
        if (righe[k].celle == celle)
            return true;
    return false;
}

// A text beyond the header's last column: a separator in an unquoted text has shifted the
// fields after it, so the amount read may be another field. Spreadsheet cells do not shift.
bool oltre(const QList<RigaTabella> &righe, qsizetype testa, qsizetype inizio,
           const QStringList &celle)
{
    qsizetype colonne = 0;
    for (qsizetype k = testa; k < inizio; ++k)
        colonne = qMax(colonne, righe[k].celle.size());
    for (qsizetype k = colonne; k < celle.size(); ++k)
        if (!celle[k].trimmed().isEmpty())
            return true;
    return false;
}

// A line naming an account other than the one read: the movements below it are that one's.
bool altrocc(const QStringList &celle, const QString &conto)
{
    const QString iban = ibanin(celle.join(QLatin1Char(' ')));
    return !iban.isEmpty() && iban != conto;
}

QString motivoaltroconto()
{
    return QStringLiteral("da qui i movimenti sono di un altro conto; scaricare un file per "
                          "conto.");
}

// The header among the first 40 lines, at testa, joined with its second line where it has
// one; inizio is then the first line below it.
Colonne intestazione(const QList<RigaTabella> &righe, qsizetype &testa, qsizetype &inizio)
{
    Colonne c;
    for (inizio = 0; inizio < righe.size() && righe[inizio].numero <= 40; ++inizio) {
        QStringList unite;
        const QStringList &celle = righe[inizio].celle;
        const bool due =
            inizio + 1 < righe.size() && seguito(celle, righe[inizio + 1].celle, unite);
        c = colonne(celle);
        testa = inizio;
        if (due && (!c.valida() || colonne(unite).importi >= c.importi)) {
            c = colonne(unite);
            ++inizio;
        }
        if (c.valida())
            break;
    }
    ++inizio;
    return c;
}

} // namespace

Esito leggitabella(const QList<RigaTabella> &righe, bool serialiexcel, const QString &nome,
                   Estratto &e)
{
    qsizetype testa = 0, inizio = 0;
    const Colonne c = intestazione(righe, testa, inizio);
    if (!c.valida())
        return Esito::fallito(nome, motivosenzaintestazione());
    Periodi periodi(e);
    Intorno intorno;
    for (qsizetype i = 0; i < testa; ++i)
        sopra(righe[i].celle, e, periodi, intorno);
    // Two amounts that may each be the account's euros, and nothing to say which: no guess.
    if (c.importi > 1 && c.valuta[int(Ruolo::importo)].isEmpty() && c[Ruolo::valuta] < 0 &&
        intorno.valuta.isEmpty())
        return Esito::fallito(nome, QStringLiteral("Il file ha più colonne di importi e non dice "
                                                   "quale è in euro."));
    const Lettore lettore(c, serialiexcel, intorno);
    QList<std::optional<qint64>> progressivi;
    bool piede = false;        // a balance or total below movements: lines of words may follow
    qsizetype altroconto = -1; // the line that names another account below movements
    for (qsizetype i = inizio; i < righe.size(); ++i) {
        const QStringList &celle = righe[i].celle;
        if (vuota(celle) || ripetuta(righe, testa, inizio, celle))
            continue;
        if (const std::optional<Bilancio> b = lettore.nonprenotata(celle)) {
            periodi.escludi(*b, QStringLiteral("non contabilizzato"));
            continue;
        }
        if (const std::optional<Bilancio> b = lettore.riportato(celle)) {
            periodi.escludi(*b, QStringLiteral("saldo"));
            continue;
        }
        if (const std::optional<Bilancio> b = lettore.bilancio(celle, periodi.raggiunto())) {
            piede = piede || !e.righe.isEmpty();
            periodi.saldo(*b);
            continue;
        }
        QString motivo;
        std::optional<RigaEstratto> r = lettore.riga(celle, motivo);
        if (!r && altroconto < 0 && !e.righe.isEmpty() && altrocc(celle, e.conto))
            altroconto = righe[i].numero;
        // Below a footer a line that is no movement is a note ("Numero movimenti: 12").
        if (piede && !r && lettore.senzaimporto(celle))
            continue;
        if (!motivo.isEmpty())
            return Esito::fallito(nome, motivoriga(righe[i].numero, motivo));
        if (!r)
            continue;
        if (altroconto >= 0)
            return Esito::fallito(nome, motivoriga(altroconto, motivoaltroconto()));
        // Without a balance reached to compare it with, only the user can tell.
        if (!periodi.raggiunto() && frasesola(*r))
            r->incerta = true;
        if (!serialiexcel && oltre(righe, testa, inizio, celle))
            return Esito::fallito(
                nome, motivoriga(righe[i].numero, QStringLiteral("più campi dell'intestazione.")));
        if (intorno.carta.isEmpty())
            intorno.carta = lettore.carta(celle);
        progressivi.append(lettore.progressivo(celle));
        periodi.movimento(std::move(*r));
    }
    // A card's list: its own name, its purchases expenses.
    if (!intorno.carta.isEmpty() && (intorno.dicecarta || c[Ruolo::carta] >= 0) &&
        c[Ruolo::importo] >= 0 && c[Ruolo::saldo] < 0) {
        e.conto = intorno.carta;
        dacarta(e, 0);
    }
    verificaestratto(e, progressivi, periodi.fine());
    return Esito::riuscito();
}
