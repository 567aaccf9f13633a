#include "ledger/importo.h"
#include "store/estrattoformati.h"

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
    QString tipo, importo, segno, data;
};

// One Ntry as it is read; only the first TxDtls of a batch names the counterparty.
struct Voce {
    qint64 riga = 0;
    QString importo, segno, stato, contabile, valuta, informazioni;
    QString debitore, creditore, causale, informazionitx;
    int dettagli = 0;
};

class LettoreCamt
{
  public:
    LettoreCamt(QXmlStreamReader &x, Estratto &e) : x(x), e(e) {}

    // An empty text while the document is sound, else why not.
    QString inizio()
    {
        percorso.append(letto(x.namespaceUri()) ? x.name().toString() : QString());
        const QString &nome = percorso.constLast();
        testo.clear();
        if (nome == QLatin1String("Stmt")) {
            apertura.reset();
        } else if (nome == QLatin1String("Bal")) {
            saldo = {};
        } else if (nome == QLatin1String("Ntry") && padre(1, "Stmt")) {
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
        if (percorso.constLast() == QLatin1String("Bal"))
            motivo = chiudisaldo();
        else if (percorso.constLast() == QLatin1String("Stmt") && !e.saldoiniziale && apertura)
            e.saldoiniziale = apertura;
        percorso.removeLast();
        testo.clear();
        return motivo;
    }

    // At the end of the document: no balances for statements of several accounts.
    void chiudi() { unconto.chiudi(e); }

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
        if (qui("Cd") && padre(1, "CdOrPrtry") && padre(3, "Bal"))
            saldo.tipo = t;
        else if (qui("Amt") && padre(1, "Bal"))
            saldo.importo = t;
        else if (qui("CdtDbtInd") && padre(1, "Bal"))
            saldo.segno = t;
        else if ((qui("Dt") || qui("DtTm")) && padre(1, "Dt") && padre(2, "Bal"))
            saldo.data = t;
        else if ((qui("IBAN") && padre(2, "Acct")) ||
                 (qui("Id") && padre(1, "Othr") && padre(3, "Acct")))
            unconto.conto(t);
    }

    QString chiudisaldo()
    {
        const bool chiusura = saldo.tipo == QLatin1String("CLBD");
        const bool iniziale = saldo.tipo == QLatin1String("OPBD") ||
                              (saldo.tipo == QLatin1String("PRCD") && !apertura);
        if (!chiusura && !iniziale)
            return {};
        const std::optional<qint64> v = importo(saldo.importo, saldo.segno);
        const QDate d = dataestratto(saldo.data);
        if (!v || !d.isValid())
            return QStringLiteral("saldo non valido.");
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
                v.importo = t;
            else if (qui("CdtDbtInd"))
                v.segno = t;
            else if (qui("Sts") && !t.isEmpty()) // later versions hold the code in Sts/Cd
                v.stato = t;
            else if (qui("AddtlNtryInf"))
                v.informazioni = t;
        } else if (qui("Cd") && padre(1, "Sts") && padre(2, "Ntry")) {
            v.stato = t;
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
        if (v.stato != QLatin1String("BOOK")) // pending and information entries are no movement
            return {};
        const std::optional<qint64> valore = importo(v.importo, v.segno);
        RigaEstratto r;
        r.data = dataestratto(v.contabile.isEmpty() ? v.valuta : v.contabile);
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
        r.descrizione2 = v.causale.simplified();
        if (r.descrizione2.isEmpty() && !nome.isEmpty())
            r.descrizione2 = descrizione;
        e.righe.append(r);
        return {};
    }

    QXmlStreamReader &x;
    Estratto &e;
    QStringList percorso; // local names from the root; empty for elements of other namespaces
    QString testo;
    Saldo saldo;
    std::optional<qint64> apertura;
    std::optional<Voce> voce;
    Unconto unconto;
    qint64 rigamotivo = 0;
};

} // namespace

Esito leggicamt(const QByteArray &dati, const QString &nome, Estratto &e)
{
    QXmlStreamReader x(dati);
    x.setEntityExpansionLimit(1000);
    LettoreCamt lettore(x, e);
    bool radice = true;
    QString motivo;
    while (motivo.isEmpty() && !x.atEnd()) {
        switch (x.readNext()) {
        case QXmlStreamReader::DTD:
            // Nothing a bank sends needs one; refused, so no entity is ever declared.
            motivo = QStringLiteral("il file XML dichiara una DTD, non accettata.");
            break;
        case QXmlStreamReader::StartElement:
            if (radice && !camt(x.namespaceUri()) && !cbi(x.namespaceUri()))
                return Esito::fallito(nome, QStringLiteral("Il file XML non è un estratto conto "
                                                           "camt.053 o CBI."));
            radice = false;
            motivo = lettore.inizio();
            break;
        case QXmlStreamReader::Characters:
            lettore.caratteri();
            break;
        case QXmlStreamReader::EndElement:
            motivo = lettore.fine();
            break;
        default:
            break;
        }
    }
    if (motivo.isEmpty() && x.hasError())
        motivo = QStringLiteral("il file XML è danneggiato (%1).").arg(x.errorString());
    if (!motivo.isEmpty())
        return Esito::fallito(nome, motivoriga(lettore.riga(), motivo));
    lettore.chiudi();
    return Esito::riuscito();
}
