#include "store/codepage.h"
#include "store/estrattoformati.h"

namespace {

constexpr qsizetype lunghezza = 120; // every record of a CBI flow

// The records of the flow one by one: lines ended by CR LF, LF or CR, or 120-character blocks
// when the bank wrote no line ends.
class Records
{
  public:
    explicit Records(const QByteArray &dati)
    {
        testo = decodificatesto(dati);
        blocchi = !testo.contains(QLatin1Char('\n')) && !testo.contains(QLatin1Char('\r'));
    }

    // False past the last record.
    bool prossimo(QStringView &record)
    {
        if (pos >= testo.size())
            return false;
        qsizetype fine = pos + lunghezza;
        if (!blocchi) {
            fine = pos;
            while (fine < testo.size() && testo[fine] != QLatin1Char('\n') &&
                   testo[fine] != QLatin1Char('\r'))
                ++fine;
        }
        record = QStringView(testo).mid(pos, fine - pos);
        pos = fine + (blocchi ? 0 : 1);
        if (!blocchi && testo.mid(fine, 2) == QLatin1String("\r\n"))
            ++pos;
        ++numero;
        return true;
    }

    qsizetype numero = 0; // of the record last returned, from 1

  private:
    QString testo;
    bool blocchi;
    qsizetype pos = 0;
};

bool cifre(QStringView t)
{
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A date GGMMAA.
QDate data(QStringView t)
{
    if (!cifre(t))
        return {};
    return QDate(annoestratto(t.mid(4, 2).toInt()), t.mid(2, 2).toInt(), t.mid(0, 2).toInt());
}

// A sign C/D and a 15-character amount with its explicit comma ("000000006000,00").
std::optional<qint64> importo(QChar segno, QStringView t)
{
    const QStringView interi = t.first(12).trimmed();
    if ((segno != u'C' && segno != u'D') || t[12] != u',' || interi.isEmpty() || !cifre(interi) ||
        !cifre(t.mid(13)))
        return std::nullopt;
    const std::optional<qint64> v = importoestratto(t.toString());
    if (!v)
        return std::nullopt;
    return segno == u'D' ? -*v : *v;
}

// The movement being read: its 62 and what its 63s add.
struct Movimento {
    RigaEstratto riga;
    QString descrizione;     // the 62's own text, and the 63s it runs on into
    bool continua = false;   // that text fills its field: the next free 63 goes on with it
    QString ordinante;       // the payer of an incoming transfer (63 YYY)
    QString riconciliazione; // the SEPA remittance text (63 RI1 + RI2)
    QString libero;          // 63s without a known layout
};

// The bank account of a 61: its IBAN where the record has its country code, else its Italian
// coordinates.
QString conto(const QString &r)
{
    const QString abi = r.mid(52, 5).trimmed(), cab = r.mid(57, 5).trimmed();
    QString numero = r.mid(62, 12).trimmed();
    if (QStringView(r).mid(99, 2).trimmed().size() == 2)
        return QString(r.mid(99, 4) + r.mid(51, 23)).remove(QLatin1Char(' '));
    while (numero.startsWith(QLatin1Char('0')))
        numero.remove(0, 1);
    if (abi.isEmpty() && cab.isEmpty() && numero.isEmpty())
        return {};
    return QStringLiteral("ABI %1 CAB %2 c/c %3").arg(abi, cab, numero);
}

class LettoreCbi
{
  public:
    explicit LettoreCbi(QList<Estratto> &pezzi) : pezzi(pezzi) {}

    // An empty text when the record is sound, else why not.
    QString record(const QString &r)
    {
        const QStringView tipo = QStringView(r).mid(1, 2);
        if (tipo == u"63")
            return informazioni(r);
        chiudi();
        if (tipo == u"61")
            return saldoiniziale(r);
        if (tipo == u"62")
            return movimento(r);
        if (tipo == u"64")
            return saldofinale(r);
        return {}; // RH, EF, 65 and whatever a bank adds carry no movement
    }

    // The movement read so far goes to its statement: named by the payer, else by its own text,
    // else by its free 63s; the remittance, else the free text, is its second description.
    void chiudi()
    {
        if (!corrente)
            return;
        Movimento &m = *corrente;
        RigaEstratto &r = m.riga;
        const QString propria = m.descrizione.simplified();
        r.descrizione1 = !m.ordinante.isEmpty() ? m.ordinante
                         : !propria.isEmpty()   ? propria
                                                : m.libero;
        r.descrizione2 = m.riconciliazione;
        if (r.descrizione2.trimmed().isEmpty() && r.descrizione1 != m.libero)
            r.descrizione2 = m.libero;
        if (!m.ordinante.isEmpty() && !propria.isEmpty())
            r.tipo = propria;
        statement().righe.append(r);
        corrente.reset();
    }

  private:
    // The statement being read; a movement before any 61 opens one of its own.
    Estratto &statement()
    {
        if (pezzi.size() == prima)
            pezzi.append(Estratto{});
        return pezzi.last();
    }

    QString saldoiniziale(const QString &r)
    {
        const std::optional<qint64> saldo = importo(r[83], QStringView(r).mid(84, 15));
        if (!saldo)
            return QStringLiteral("saldo iniziale non valido.");
        pezzi.append(Estratto{});
        Estratto &e = pezzi.last();
        e.saldoiniziale = saldo;
        e.escluse.append({data(QStringView(r).mid(77, 6)), QStringLiteral("Saldo iniziale"), *saldo,
                          QStringLiteral("saldo iniziale")});
        e.conto = conto(r);
        e.valuta = codicevaluta(r.mid(74, 3));
        return {};
    }

    QString movimento(const QString &r)
    {
        Movimento m;
        m.riga.data = data(QStringView(r).mid(19, 6));
        if (!m.riga.data.isValid())
            return QStringLiteral("data contabile non valida.");
        const std::optional<qint64> v = importo(r[25], QStringView(r).mid(26, 15));
        if (!v)
            return QStringLiteral("importo o segno del movimento non valido.");
        m.riga.importo = *v;
        m.riga.tipo = tipomovimento(r.mid(41, 2));
        m.descrizione = r.mid(86, 34);
        m.continua = r[119] != u' ';
        corrente = m;
        return {};
    }

    QString informazioni(const QString &r)
    {
        if (!corrente)
            return QStringLiteral("record 63 senza il suo movimento.");
        Movimento &m = *corrente;
        const QStringView flag = QStringView(r).mid(13, 3);
        const bool strutturato =
            QStringList{"YYY", "YY2", "ZZ1", "ZZ2", "ZZ3", "KKK", "ID1", "RI1", "RI2"}.contains(
                flag);
        if (flag == u"YYY")
            m.ordinante = r.mid(40, 40).trimmed();
        else if (flag == u"RI1")
            m.riconciliazione = r.mid(16, 104);
        else if (flag == u"RI2")
            m.riconciliazione += r.mid(16, 36);
        else if (!strutturato && m.continua) // a text cut at the field's end goes on here whole
            m.descrizione += r.mid(13);
        else if (!strutturato)
            m.libero += r.mid(13);
        m.continua = !strutturato && m.continua && r[119] != u' ';
        return {};
    }

    QString saldofinale(const QString &r)
    {
        const std::optional<qint64> saldo = importo(r[19], QStringView(r).mid(20, 15));
        const QDate d = data(QStringView(r).mid(13, 6));
        if (!saldo || !d.isValid())
            return QStringLiteral("saldo finale non valido.");
        Estratto &e = statement();
        e.saldofinale = saldo;
        e.datasaldofinale = d;
        e.escluse.append(
            {d, QStringLiteral("Saldo finale"), *saldo, QStringLiteral("saldo finale")});
        if (e.valuta.isEmpty())
            e.valuta = codicevaluta(r.mid(10, 3));
        return {};
    }

    QList<Estratto> &pezzi;
    const qsizetype prima = pezzi.size();
    std::optional<Movimento> corrente;
};

} // namespace

Esito leggicbi(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    const qsizetype prima = pezzi.size();
    LettoreCbi lettore(pezzi);
    Records records(dati);
    QStringView v;
    while (records.prossimo(v)) {
        if (v.trimmed().isEmpty())
            continue;
        while (v.endsWith(QLatin1Char(' ')) && v.size() > lunghezza)
            v.chop(1);
        const bool bianco = v.startsWith(QLatin1Char(' '));
        if (v.size() + (bianco ? 0 : 1) > lunghezza)
            return Esito::fallito(
                nome, motivoriga(records.numero, QStringLiteral("record più lungo di 120 "
                                                                "caratteri.")));
        QString r = bianco ? QString() : QStringLiteral(" ");
        r.append(v);
        r = r.leftJustified(lunghezza);
        if (const QString motivo = lettore.record(r); !motivo.isEmpty()) {
            pezzi.resize(prima);
            return Esito::fallito(nome, motivoriga(records.numero, motivo));
        }
    }
    lettore.chiudi();
    return Esito::riuscito();
}
