#include "ledger/importazione.h"

#include "ledger/testibanca.h"
#include "store/codepage.h"

#include <limits>

namespace {

using movimento::larghezzadescrizione;

// A bank's text in the code page of the record, without the line breaks and tabs a text box
// could not hold.
QByteArray perrecord(const QString &testo)
{
    QString t = testo;
    for (QChar &c : t)
        if (c.unicode() < 0x20 || c == QChar(0x7F))
            c = QLatin1Char(' ');
    return codificatesto(spuntato(t));
}

QString chiave(const QString &nome)
{
    QString k = nome.toCaseFolded();
    k.removeIf([](QChar c) { return c.isSpace(); });
    return k;
}

// Cents exact: a bank may give more decimals than the ledger shows, never more than it means.
qint64 alcentesimo(qint64 importo)
{
    const qint64 positivo = importo < 0 ? -importo : importo;
    return (positivo + 50) / 100 * 100;
}

} // namespace

Nomicontatti::Nomicontatti(const QList<Contatto> &rubrica)
{
    // Record numbers past the 16-bit field cannot be stored in a movement.
    const qsizetype n = qMin(rubrica.size(), qsizetype(32767));
    for (qsizetype i = 0; i < n; ++i) {
        nomi.append(rubrica[i].ragionesociale.trimmed());
        const QString k = chiave(rubrica[i].ragionesociale);
        if (!k.isEmpty() && !numeri.contains(k))
            numeri.insert(k, qint16(i + 1));
    }
}

qint16 Nomicontatti::numero(const QString &nome) const
{
    if (numeri.isEmpty())
        return 0; // no name to fold for a company without an address book
    return numeri.value(chiave(nome), 0);
}

QString Nomicontatti::nome(qint16 numero) const
{
    return nomi.value(numero - 1);
}

Regole::Regole(const QList<Regola> &regole)
{
    for (const Regola &r : regole)
        perchiave.insert(chiaveregola(r.controparte), r);
}

const Regola *Regole::regola(const QString &controparte) const
{
    if (perchiave.isEmpty())
        return nullptr;
    const auto trovata = perchiave.constFind(chiaveregola(controparte));
    return trovata == perchiave.constEnd() ? nullptr : &*trovata;
}

QByteArray taglioparole(const QByteArray &testo, qsizetype n, QByteArray *resto)
{
    qsizetype taglio = testo.size();
    if (taglio > n) {
        taglio = testo.lastIndexOf(' ', n); // the blank may stand just past the field
        if (taglio <= 0)
            taglio = n;
    }
    if (resto)
        *resto = testo.mid(taglio).trimmed();
    return testo.left(taglio).trimmed();
}

Movimento movimentoestratto(const RigaEstratto &riga, qint16 conto, qint16 ditta,
                            const Nomicontatti &rubrica)
{
    return movimentoestratto(riga, conto, ditta, rubrica, Regole());
}

Movimento movimentoestratto(const RigaEstratto &riga, qint16 conto, qint16 ditta,
                            const Nomicontatti &rubrica, const Regole &regole,
                            Provenienza *provenienza)
{
    const Testobanca pulito = leggitestobanca(riga);
    const bool conosciuto = !pulito.controparte.isEmpty();
    // Both descriptions, as the entry window requires of a saved movement.
    const QByteArray tipo = perrecord(riga.tipo), ripiego = "Estratto conto";
    QByteArray prima = perrecord(conosciuto ? pulito.controparte : riga.descrizione1);
    QByteArray seconda = perrecord(conosciuto ? pulito.causale : riga.descrizione2);
    if (prima.isEmpty())
        std::swap(prima, seconda);
    if (prima.isEmpty())
        prima = tipo.isEmpty() ? ripiego : tipo;
    const QString controparte = decodificatesto(prima);
    QByteArray oltre;
    prima = taglioparole(prima, larghezzadescrizione, &oltre);
    if (seconda.isEmpty())
        seconda = oltre;
    if (seconda.isEmpty() && tipo != prima)
        seconda = tipo;
    if (seconda.isEmpty())
        seconda = ripiego;

    Movimento m;
    m.giorno = qint16(riga.data.day());
    m.descrizione1 = decodificatesto(prima);
    m.descrizione2 = decodificatesto(taglioparole(seconda, larghezzadescrizione));
    m.segno = riga.importo < 0 ? movimento::uscita : movimento::entrata;
    m.importo = alcentesimo(riga.importo);
    m.conto = conto;
    m.ditta = ditta;
    const Regola *r = regole.regola(controparte);
    if (r) {
        if (!r->descrizione1.isEmpty())
            m.descrizione1 = r->descrizione1;
        if (!r->descrizione2.isEmpty())
            m.descrizione2 = r->descrizione2;
    }
    // The contact the rule links, else the one the counterparty or the first description names.
    m.contatto = r && !rubrica.nome(r->contatto).isEmpty() ? r->contatto : 0;
    if (m.contatto == 0)
        m.contatto = rubrica.numero(m.descrizione1);
    if (m.contatto == 0)
        m.contatto = rubrica.numero(controparte);
    if (m.contatto != 0)
        m.descrizione1 = rubrica.nome(m.contatto); // a field of 50, as the description
    if (provenienza)
        *provenienza = {controparte, r != nullptr};
    return m;
}

qint64 scarto(const Estratto &e)
{
    if (e.scarto)
        return *e.scarto;
    if (!e.saldoiniziale || !e.saldofinale)
        return 0;
    // Wide enough for any file's figures, however absurd.
    __int128 saldo = *e.saldoiniziale;
    for (const RigaEstratto &r : e.righe)
        saldo += r.valuta.isEmpty() ? r.importo : 0; // another currency is no part of the euros
    const __int128 manca = *e.saldofinale - saldo;
    const __int128 alto = std::numeric_limits<qint64>::max();
    return qint64(qMin(manca < 0 ? -manca : manca, alto));
}

QDate ultimadata(const Estratto &e)
{
    if (e.datasaldofinale.isValid())
        return e.datasaldofinale;
    QDate ultima;
    for (const RigaEstratto &r : e.righe)
        if (!ultima.isValid() || r.data > ultima)
            ultima = r.data;
    return ultima;
}

StatoRiga statoestratto(const RigaEstratto &riga, StatoRiga registro)
{
    if (!riga.valuta.isEmpty())
        return StatoRiga::altravaluta;
    if (riga.incerta && registro == StatoRiga::nuovo)
        return StatoRiga::daverificare;
    return registro;
}
