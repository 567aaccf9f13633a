// An electronic invoice turned into its payments due, by the file's own terms.
#include "ledger/fatture.h"

namespace {

QString normale(const QString &codice)
{
    return QString(codice).remove(QLatin1Char(' ')).toUpper();
}

bool notadicredito(const QString &tipo)
{
    return tipo == QLatin1String("TD04") || tipo == QLatin1String("TD08");
}

bool ditta(const Soggetto &s, const QString &iva, const QString &cf)
{
    const QString propria = normale(iva);
    const QString sua = partitaiva(s);
    // An Italian number given without its country matches the party's.
    if (!propria.isEmpty() && !sua.isEmpty() &&
        (sua == propria || sua == QLatin1String("IT") + propria))
        return true;
    const QString codice = normale(cf);
    if (codice.isEmpty())
        return false;
    // A company's codice fiscale is often its VAT number: compared with both.
    return codice == s.codicefiscale || QLatin1String("IT") + codice == sua;
}

// What tells a party apart: its VAT number, else its codice fiscale.
QString identita(const Soggetto &s)
{
    const QString iva = partitaiva(s);
    return iva.isEmpty() ? s.codicefiscale : iva;
}

} // namespace

QString partitaiva(const Soggetto &s)
{
    if (s.codiceiva.isEmpty())
        return {};
    // Letters are no part of an Italian number, nor the country's code of a foreign one.
    if (!s.paese.isEmpty() && s.codiceiva.startsWith(s.paese) &&
        s.codiceiva.size() > s.paese.size() + 1)
        return s.codiceiva;
    return s.paese + s.codiceiva;
}

Lato latoditta(const Fattura &f, const QString &partitaiva, const QString &codicefiscale)
{
    const bool venditore = ditta(f.cedente, partitaiva, codicefiscale);
    const bool compratore = ditta(f.cessionario, partitaiva, codicefiscale);
    if (venditore && compratore)
        return Lato::entrambi;
    return venditore ? Lato::cedente : compratore ? Lato::cessionario : Lato::nessuno;
}

QString chiavefattura(const Fattura &f)
{
    const QString venditore = partitaiva(f.cedente);
    return QStringList{venditore.isEmpty() ? f.cedente.codicefiscale : venditore, f.tipo, f.numero,
                       f.data.toString(Qt::ISODate)}
        .join(QLatin1Char('|'));
}

bool senzadenaro(const QString &tipo)
{
    static const QStringList tipi{"TD16", "TD17", "TD18", "TD19", "TD20", "TD21",
                                  "TD22", "TD23", "TD27", "TD28", "TD29"};
    return tipi.contains(tipo);
}

qint64 dapagare(const Fattura &f)
{
    const qint64 riepilogo = f.imponibile + f.imposta + f.arrotondamento;
    qint64 lordo = f.totale.value_or(riepilogo);
    // Some senders state a total already net of the withholding: not taken off twice.
    if (f.totale && f.ritenuta != 0 && *f.totale + f.ritenuta == riepilogo)
        lordo = riepilogo;
    return lordo - f.ritenuta - f.impostascissa;
}

QString taglioparola(const QString &testo, qsizetype massimo)
{
    const QString t = testo.simplified();
    if (t.size() <= massimo)
        return t;
    const qsizetype spazio = t.lastIndexOf(QLatin1Char(' '), massimo);
    return (spazio > 0 ? t.left(spazio) : t.left(massimo)).trimmed();
}

QString descrizionefattura(const Fattura &f)
{
    return QStringLiteral("%1 %2 del %3")
        .arg(notadicredito(f.tipo) ? QStringLiteral("Nota di credito") : QStringLiteral("Fattura"),
             f.numero, f.data.toString(QStringLiteral("dd/MM/yyyy")));
}

QList<Voce> vocifattura(const Fattura &f, Lato lato)
{
    if ((lato != Lato::cedente && lato != Lato::cessionario) || senzadenaro(f.tipo))
        return {};
    const int segno = (lato == Lato::cedente ? 1 : -1) * (notadicredito(f.tipo) ? -1 : 1);
    Voce base;
    base.controparte = taglioparola((lato == Lato::cedente ? f.cessionario : f.cedente).nome, 50);
    base.descrizione = descrizionefattura(f);
    QList<Voce> voci;
    if (!f.pagamento) {
        base.scadenza = f.data;
        base.importo = segno * dapagare(f);
        base.senzatermini = true;
        if (base.importo != 0)
            voci.append(base);
        return voci;
    }
    for (const Rata &r : f.rate) {
        if (r.importo == 0)
            continue;
        Voce v = base;
        v.importo = segno * r.importo;
        v.iban = r.iban;
        v.codice = r.codice;
        v.senzatermini = !r.scadenza.isValid() && r.giorni < 0;
        if (r.scadenza.isValid())
            v.scadenza = r.scadenza;
        else if (r.giorni >= 0)
            v.scadenza = (r.riferimento.isValid() ? r.riferimento : f.data).addDays(r.giorni);
        else
            v.scadenza = f.data;
        voci.append(v);
    }
    return voci;
}

Contatto contattofattura(const Soggetto &s)
{
    Contatto c;
    c.ragionesociale = taglioparola(s.nome, 50);
    c.indirizzo = s.indirizzo;
    c.citta = s.provincia.isEmpty() || s.comune.size() + 5 > 20
                  ? s.comune
                  : QStringLiteral("%1 (%2)").arg(s.comune, s.provincia);
    c.cap = s.cap;
    c.codicefiscale = s.codicefiscale;
    const QString iva = partitaiva(s);
    if (iva.size() == 13 && iva.startsWith(QLatin1String("IT")))
        c.partitaiva = iva.mid(2);
    else if (!iva.isEmpty())
        c.note = QStringLiteral("P.IVA ") + iva;
    return c;
}

std::optional<Soggetto> dittacomune(const QList<Fattura> &fatture)
{
    if (fatture.isEmpty())
        return std::nullopt;
    QList<Soggetto> restano{fatture[0].cedente, fatture[0].cessionario};
    for (const Fattura &f : fatture)
        restano.removeIf([&](const Soggetto &s) {
            const QString chi = identita(s);
            return chi.isEmpty() || (chi != identita(f.cedente) && chi != identita(f.cessionario));
        });
    if (restano.size() != 1)
        return std::nullopt;
    return restano[0];
}
