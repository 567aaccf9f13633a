#include "ledger/importo.h"
#include "store/estrattoformati.h"
#include "store/xmlesterno.h"

#include <QXmlStreamReader>

namespace {

// camt.053 of any version and the CBI statement messages, told by namespace, never by prefix.
bool camt(QStringView ns)
{
    return ns.startsWith(u"urn:iso:std:iso:20022:tech:xsd:camt.053.");
}

bool cbi(QStringView ns)
{
    for (const char16_t *radice :
         {u"urn:CBI:xsd:CBIBdyBkToCstmrStmtReq.", u"urn:CBI:xsd:CBIBkToCstmrStmtReqLogMsg.",
          u"urn:CBI:xsd:CBIDlyStmtReqLogMsg.", u"urn:CBI:xsd:CBIPrdcStmtReqLogMsg."})
        if (ns.startsWith(radice))
            return true;
    return false;
}

// Below the root, elements of any CBI namespace are read: the names of the envelopes vary.
bool letto(QStringView ns)
{
    return camt(ns) || ns.startsWith(u"urn:CBI:xsd:");
}

// A balance without its sign is a credit, as the banks that leave it out mean it.
std::optional<qint64> importo(const QString &testo, const QString &segno)
{
    // xs:decimal as ISO 20022 restricts it: up to 18 digits, up to 5 of them decimals.
    const qsizetype punto = testo.indexOf(QLatin1Char('.'));
    const QStringView interi = QStringView(testo).first(punto < 0 ? testo.size() : punto);
    const QStringView decimali = punto < 0 ? QStringView() : QStringView(testo).mid(punto + 1);
    const auto cifre = [](QStringView t) {
        return std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (interi.isEmpty() || interi.size() > 18 || !cifre(interi) ||
        (punto >= 0 && (decimali.isEmpty() || decimali.size() > 5 || !cifre(decimali))) ||
        (segno != QLatin1String("CRDT") && segno != QLatin1String("DBIT")))
        return std::nullopt;
    const Importo i = leggiimporto(testo);
    if (i.fuoriscala)
        return std::nullopt;
    return segno == QLatin1String("DBIT") ? -i.valore : i.valore;
}

struct Saldo {
    QString tipo, importo, segno, data, valuta;
};

// One Ntry as it is read; only the first TxDtls of a batch names the counterparty.
struct Voce {
    qint64 riga = 0;
    QString importo, divisa, segno, stato, contabile, valuta, informazioni;
    QString debitore, creditore, causale, informazionitx, famiglia, proprietario;
    int dettagli = 0;
};

// The kind of movement the bank's transaction code names: a CBI causale ("48//") or an ISO
// family, its sub-family first where it says more ("CHRG").
QString tipo(const Voce &v)
{
    if (!v.proprietario.isEmpty())
        return tipomovimento(v.proprietario.section(QLatin1Char('/'), 0, 0));
    const QString t = tipomovimento(v.famiglia.section(QLatin1Char('/'), 1, 1));
    return t.isEmpty() ? tipomovimento(v.famiglia.section(QLatin1Char('/'), 0, 0)) : t;
}

class LettoreCamt
{
  public:
    LettoreCamt(QXmlStreamReader &x, QList<Estratto> &pezzi) : x(x), pezzi(pezzi) {}

    // An empty text while the document is sound, else why not.
    QString inizio()
    {
        percorso.append(letto(x.namespaceUri()) ? x.name().toString() : QString());
        const QString &nome = percorso.constLast();
        testo.clear();
        if (nome == QLatin1String("Amt"))
            divisa = codicevaluta(x.attributes().value(QLatin1String("Ccy")).toString());
        if (nome == QLatin1String("Stmt")) {
            pezzi.append(Estratto{});
            apertura.reset();
            valutasaldi.clear();
            datastatement = datagruppo;
        } else if (nome == QLatin1String("Bal")) {
            saldo = {};
        } else if (nome == QLatin1String("Ntry") && padre(1, "Stmt") && !pezzi.isEmpty()) {
            voce = Voce{};
            voce->riga = x.lineNumber();
        } else if (nome == QLatin1String("TxDtls") && voce) {
            ++voce->dettagli;
        }
        return percorso.size() > 256 ? QStringLiteral("XML annidato troppo in profondità.")
                                     : QString();
    }

    void caratteri()
    {
        if (testo.size() < 4096)
            testo += x.text();
    }

    QString fine()
    {
        QString motivo;
        const QString t = testo.trimmed();
        if (voce)
            motivo = campovoce(t);
        else
            camposaldo(t);
        if (qui("Bal") && !pezzi.isEmpty())
            motivo = chiudisaldo();
        else if (qui("Stmt"))
            chiudistatement();
        percorso.removeLast();
        testo.clear();
        return motivo;
    }

    // The line a failure names: the entry's own for a damaged entry, else where reading stopped.
    qint64 riga() const { return rigamotivo ? rigamotivo : x.lineNumber(); }

  private:
    // The name of the element n levels above the current one is nome.
    bool padre(qsizetype n, const char *nome) const
    {
        return percorso.size() > n && percorso[percorso.size() - 1 - n] == QLatin1String(nome);
    }
    // The current element is nome.
    bool qui(const char *nome) const { return percorso.constLast() == QLatin1String(nome); }

    void camposaldo(const QString &t)
    {
        if (qui("Cd") && padre(1, "CdOrPrtry") && padre(3, "Bal")) {
            saldo.tipo = t;
        } else if (qui("Amt") && padre(1, "Bal")) {
            saldo.importo = t;
            saldo.valuta = divisa;
        } else if (qui("CdtDbtInd") && padre(1, "Bal")) {
            saldo.segno = t;
        } else if ((qui("Dt") || qui("DtTm")) && padre(1, "Dt") && padre(2, "Bal")) {
            saldo.data = t;
        } else if (qui("CreDtTm") && (padre(1, "Stmt") || padre(1, "GrpHdr"))) {
            // The statement's own date, else the message's, for an entry that gives none.
            (padre(1, "Stmt") ? datastatement : datagruppo) = t;
        } else if (!pezzi.isEmpty() && qui("IBAN") && padre(2, "Acct") && padre(3, "Stmt")) {
            pezzi.last().conto = t.toUpper().remove(QLatin1Char(' '));
        } else if (!pezzi.isEmpty() && qui("Ccy") && padre(1, "Acct") && padre(2, "Stmt")) {
            pezzi.last().valuta = codicevaluta(t);
        } else if (!pezzi.isEmpty() && qui("Id") && padre(1, "Othr") && padre(3, "Acct") &&
                   padre(4, "Stmt") && pezzi.last().conto.isEmpty()) {
            pezzi.last().conto = t;
        }
    }

    // The account's currency where the file does not state it: its balances'.
    void chiudistatement()
    {
        if (pezzi.isEmpty())
            return;
        Estratto &e = pezzi.last();
        if (!e.saldoiniziale && apertura)
            e.saldoiniziale = apertura;
        if (e.valuta.isEmpty())
            e.valuta = valutasaldi;
    }

    QString chiudisaldo()
    {
        const bool chiusura = saldo.tipo == QLatin1String("CLBD");
        const bool iniziale = saldo.tipo == QLatin1String("OPBD") ||
                              (saldo.tipo == QLatin1String("PRCD") && !apertura);
        if (!chiusura && !iniziale)
            return {};
        const std::optional<qint64> v =
            importo(saldo.importo, saldo.segno.isEmpty() ? QStringLiteral("CRDT") : saldo.segno);
        const QDate d = dataestratto(saldo.data);
        if (!v || !d.isValid())
            return QStringLiteral("saldo non valido.");
        Estratto &e = pezzi.last();
        valutasaldi = valutasaldi.isEmpty() ? saldo.valuta : valutasaldi;
        e.escluse.append(
            {d, iniziale ? QStringLiteral("Saldo iniziale") : QStringLiteral("Saldo finale"), *v,
             iniziale ? QStringLiteral("saldo iniziale") : QStringLiteral("saldo finale")});
        if (iniziale)
            apertura = v;
        else {
            e.saldofinale = v;
            e.datasaldofinale = d;
        }
        return {};
    }

    // The name of a party: Dbtr/Nm, or Dbtr/Pty/Nm in later versions.
    bool nomedi(const char *parte) const
    {
        return qui("Nm") && (padre(1, parte) || (padre(1, "Pty") && padre(2, parte)));
    }

    QString campovoce(const QString &t)
    {
        Voce &v = *voce;
        if (qui("Ntry"))
            return chiudivoce();
        if (padre(1, "Ntry")) {
            if (qui("Amt"))
                v.importo = t, v.divisa = divisa;
            else if (qui("CdtDbtInd"))
                v.segno = t;
            else if (qui("Sts") && !t.isEmpty()) // later versions hold the code in Sts/Cd
                v.stato = t;
            else if (qui("AddtlNtryInf"))
                v.informazioni = t;
        } else if (qui("Cd") && padre(1, "Sts") && padre(2, "Ntry")) {
            v.stato = t;
        } else if (padre(1, "Fmly") && padre(3, "BkTxCd") && padre(4, "Ntry")) {
            v.famiglia += (qui("Cd") ? QString() : QStringLiteral("/")) + t;
        } else if (qui("Cd") && padre(1, "Prtry") && padre(2, "BkTxCd") && padre(3, "Ntry")) {
            v.proprietario = t;
        } else if ((qui("Dt") || qui("DtTm")) && padre(2, "Ntry")) {
            if (padre(1, "BookgDt"))
                v.contabile = t;
            else if (padre(1, "ValDt"))
                v.valuta = t;
        } else if (v.dettagli == 1) {
            if (nomedi("Dbtr"))
                v.debitore = t;
            else if (nomedi("Cdtr"))
                v.creditore = t;
            else if (qui("Ustrd"))
                v.causale += QLatin1Char(' ') + t;
            else if (qui("AddtlTxInf"))
                v.informazionitx = t;
        }
        return {};
    }

    QString chiudivoce()
    {
        const Voce v = *voce;
        voce.reset();
        // Pending and information entries are no movement; a statement holds booked entries, so
        // one without a status is booked.
        if (!v.stato.isEmpty() && v.stato != QLatin1String("BOOK")) {
            const std::optional<qint64> valore = importo(v.importo, v.segno);
            const QString testo = !v.informazioni.isEmpty() ? v.informazioni
                                  : !v.causale.isEmpty()    ? v.causale
                                                            : v.informazionitx;
            if (valore && !pezzi.isEmpty())
                pezzi.last().escluse.append(
                    {dataestratto(!v.contabile.isEmpty() ? v.contabile : v.valuta), testo, *valore,
                     QStringLiteral("non contabilizzato")});
            return {};
        }
        const std::optional<qint64> valore = importo(v.importo, v.segno);
        RigaEstratto r;
        r.data = dataestratto(!v.contabile.isEmpty() ? v.contabile
                              : !v.valuta.isEmpty()  ? v.valuta
                                                     : datastatement);
        QString motivo;
        if (!valore)
            motivo = QStringLiteral("importo o segno del movimento non valido.");
        else if (!r.data.isValid())
            motivo = QStringLiteral("data contabile mancante o non valida.");
        if (!motivo.isEmpty()) {
            rigamotivo = v.riga;
            return motivo;
        }
        r.importo = *valore;
        const QString nome = *valore < 0 ? v.creditore : v.debitore;
        const QString descrizione = v.informazioni.isEmpty() ? v.informazionitx : v.informazioni;
        r.descrizione1 = nome.isEmpty() ? descrizione : nome;
        r.descrizione2 = v.causale;
        if (r.descrizione2.trimmed().isEmpty() && !nome.isEmpty())
            r.descrizione2 = descrizione;
        // The entry's free text where the names and texts above left it unsaid, else its code.
        const bool detta = nome.isEmpty() || r.descrizione2 == v.informazioni;
        r.tipo = !detta && !v.informazioni.isEmpty() ? v.informazioni : tipo(v);
        r.valuta = v.divisa;
        pezzi.last().righe.append(r);
        return {};
    }

    QXmlStreamReader &x;
    QList<Estratto> &pezzi; // one per Stmt, the last being read
    QStringList percorso;   // local names from the root; empty for elements of other namespaces
    QString testo;
    QString divisa; // the currency of the last Amt opened
    Saldo saldo;
    std::optional<qint64> apertura;
    QString valutasaldi, datastatement, datagruppo;
    std::optional<Voce> voce;
    qint64 rigamotivo = 0;
};

} // namespace

Esito leggicamt(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    QXmlStreamReader x(dati);
    const qsizetype prima = pezzi.size();
    LettoreCamt lettore(x, pezzi);
    bool radice = true;
    const auto inizio = [&] {
        if (radice && !camt(x.namespaceUri()) && !cbi(x.namespaceUri()))
            return motivoxmlaltro();
        radice = false;
        return lettore.inizio();
    };
    QString motivo = percorrixml(
        x, inizio, [&] { lettore.caratteri(); }, [&] { return lettore.fine(); });
    if (motivo == motivoxmlaltro()) // no statement at all, rather than a damaged line of one
        return Esito::fallito(nome, motivo);
    if (motivo.isEmpty() && x.hasError())
        motivo = QStringLiteral("il file XML è danneggiato (%1).").arg(x.errorString());
    if (!motivo.isEmpty()) {
        pezzi.resize(prima);
        return Esito::fallito(nome, motivoriga(lettore.riga(), motivo));
    }
    return Esito::riuscito();
}
