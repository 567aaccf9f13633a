// Electronic invoices: the kind of each file found by its first bytes, the XML read by element
// paths (local names only: prefixes and namespaces vary from sender to sender).
#include "store/fattura.h"

#include "ledger/importo.h"
#include "store/codepage.h"
#include "store/estrattoformati.h"
#include "store/xmlesterno.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <limits>
#include <memory>
#include <zip.h>

namespace {

const QString radicefattura = QStringLiteral("FatturaElettronica");

// The roots of the exchange system's receipts and notices, and of its metadata files.
bool ricevuta(const QString &radice)
{
    static const QStringList nomi{"RicevutaConsegna",
                                  "NotificaMancataConsegna",
                                  "NotificaScarto",
                                  "NotificaEsito",
                                  "NotificaEsitoCommittente",
                                  "ScartoEsitoCommittente",
                                  "NotificaDecorrenzaTermini",
                                  "AttestazioneTrasmissioneFattura",
                                  "RicevutaScarto",
                                  "RicevutaImpossibilitaRecapito"};
    return nomi.contains(radice);
}

bool metadati(const QString &radice)
{
    return radice == QLatin1String("FileMetadati") || radice == QLatin1String("MetadatiInvioFile");
}

// A decimal as the format writes it: a point, never a comma, no grouping.
std::optional<qint64> importo(const QString &testo)
{
    static const QRegularExpression forma(QStringLiteral("^-?[0-9]{1,13}(\\.[0-9]{1,8})?$"));
    if (!forma.match(testo).hasMatch())
        return std::nullopt;
    return leggiimporto(testo).valore;
}

// xs:date, with the time zone some senders add ("2015-06-03+02:00") ignored.
QDate data(const QString &testo)
{
    static const QRegularExpression forma(
        QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2})(Z|[+-][0-9]{2}:[0-9]{2})?$"));
    const QRegularExpressionMatch m = forma.match(testo);
    return m.hasMatch() ? QDate::fromString(m.captured(1), Qt::ISODate) : QDate();
}

QString codice(const QString &testo)
{
    return QString(testo).remove(QLatin1Char(' ')).toUpper();
}

// The text of a file: its declared single-byte encoding honoured only when the bytes are no
// UTF-8 (files declare windows-1252 and hold UTF-8).
std::optional<QString> testoxml(QByteArray dati)
{
    if (dati.startsWith("\xEF\xBB\xBF"))
        dati.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString testo = utf8.decode(dati);
    if (!utf8.hasError())
        return testo;
    static const QRegularExpression dichiarata(
        QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QString prologo = QString::fromLatin1(dati.left(200));
    const QString nome = dichiarata.match(prologo).captured(1).toLower();
    if (nome == QLatin1String("windows-1252") || nome == QLatin1String("cp1252"))
        return decodificatesto(dati);
    if (nome == QLatin1String("iso-8859-1") || nome == QLatin1String("latin1") ||
        nome == QLatin1String("iso-8859-15"))
        return QString::fromLatin1(dati);
    return std::nullopt;
}

// Reads one FatturaElettronica document, element by element.
class Lettore
{
  public:
    explicit Lettore(QXmlStreamReader &x) : x(x) {}

    QString inizio();
    QString fine();
    void caratteri()
    {
        if (testo.size() < 4096)
            testo += x.text();
    }
    QList<Fattura> fatture;

  private:
    QString soggetto(Soggetto &s, const QString &percorso, const QString &valore);
    QString corpo(const QString &percorso, const QString &valore);
    QString rata(Rata &r, const QString &campo, const QString &valore);
    QString chiudicorpo();

    QXmlStreamReader &x;
    QStringList pila;
    QString testo;
    Soggetto cedente, cessionario;
    std::optional<Fattura> aperta;
    qint64 imponibile = 0, imposta = 0;
    bool scissa = false;
};

QString Lettore::inizio()
{
    const QString nome = x.name().toString();
    if (pila.size() >= 64)
        return QStringLiteral("il file XML ha elementi annidati oltre 64 livelli.");
    // Attachments may be megabytes of base64, a signature is checked elsewhere.
    if (nome == QLatin1String("Allegati") || nome == QLatin1String("Signature")) {
        x.skipCurrentElement();
        return {};
    }
    pila.append(nome);
    testo.clear();
    const QString percorso = pila.mid(1).join(QLatin1Char('/'));
    if (percorso == QLatin1String("FatturaElettronicaBody")) {
        aperta = Fattura{};
    } else if (aperta && percorso == QLatin1String("FatturaElettronicaBody/DatiPagamento")) {
        aperta->pagamento = true;
    } else if (aperta &&
               percorso ==
                   QLatin1String("FatturaElettronicaBody/DatiPagamento/DettaglioPagamento")) {
        aperta->rate.append(Rata{});
        aperta->rate.last().importo = std::numeric_limits<qint64>::min();
    } else if (aperta &&
               percorso == QLatin1String("FatturaElettronicaBody/DatiBeniServizi/DatiRiepilogo")) {
        imponibile = imposta = 0;
        scissa = false;
    }
    return {};
}

QString Lettore::fine()
{
    if (pila.isEmpty())
        return {};
    const QString percorso = pila.mid(1).join(QLatin1Char('/'));
    const QString valore = testo.trimmed();
    testo.clear();
    pila.removeLast();
    static const QString cp = QStringLiteral("FatturaElettronicaHeader/CedentePrestatore/");
    static const QString cc = QStringLiteral("FatturaElettronicaHeader/CessionarioCommittente/");
    if (percorso.startsWith(cp))
        return soggetto(cedente, percorso.mid(cp.size()), valore);
    if (percorso.startsWith(cc))
        return soggetto(cessionario, percorso.mid(cc.size()), valore);
    if (aperta && percorso == QLatin1String("FatturaElettronicaBody"))
        return chiudicorpo();
    static const QString corpo_ = QStringLiteral("FatturaElettronicaBody/");
    if (aperta && percorso.startsWith(corpo_))
        return corpo(percorso.mid(corpo_.size()), valore);
    return {};
}

QString Lettore::soggetto(Soggetto &s, const QString &percorso, const QString &valore)
{
    static const QString anagrafici = QStringLiteral("DatiAnagrafici/");
    static const QString sede = QStringLiteral("Sede/");
    if (percorso.startsWith(anagrafici)) {
        const QString campo = percorso.mid(anagrafici.size());
        if (campo == QLatin1String("IdFiscaleIVA/IdPaese"))
            s.paese = codice(valore);
        else if (campo == QLatin1String("IdFiscaleIVA/IdCodice"))
            s.codiceiva = codice(valore);
        else if (campo == QLatin1String("CodiceFiscale"))
            s.codicefiscale = codice(valore);
        else if (campo == QLatin1String("Anagrafica/Denominazione"))
            s.nome = valore;
        else if (campo == QLatin1String("Anagrafica/Nome") && s.nome.isEmpty())
            s.nome = valore;
        else if (campo == QLatin1String("Anagrafica/Cognome"))
            s.nome = s.nome.isEmpty() ? valore : s.nome + QLatin1Char(' ') + valore;
    } else if (percorso.startsWith(sede)) {
        const QString campo = percorso.mid(sede.size());
        if (campo == QLatin1String("Indirizzo"))
            s.indirizzo = s.indirizzo.isEmpty() ? valore : valore + QLatin1Char(' ') + s.indirizzo;
        else if (campo == QLatin1String("NumeroCivico"))
            s.indirizzo = s.indirizzo.isEmpty() ? valore : s.indirizzo + QLatin1Char(' ') + valore;
        else if (campo == QLatin1String("CAP"))
            s.cap = valore;
        else if (campo == QLatin1String("Comune"))
            s.comune = valore;
        else if (campo == QLatin1String("Provincia"))
            s.provincia = codice(valore);
        else if (campo == QLatin1String("Nazione"))
            s.nazione = codice(valore);
    }
    return {};
}

QString Lettore::corpo(const QString &percorso, const QString &valore)
{
    Fattura &f = *aperta;
    static const QString documento = QStringLiteral("DatiGenerali/DatiGeneraliDocumento/");
    static const QString riepilogo = QStringLiteral("DatiBeniServizi/DatiRiepilogo");
    static const QString dettaglio = QStringLiteral("DatiPagamento/DettaglioPagamento");
    const auto somma = [&](qint64 &a, const char *campo) {
        const auto i = importo(valore);
        if (!i)
            return QStringLiteral("l'importo %1 \"%2\" non è un numero.").arg(campo, valore);
        a += *i;
        return QString();
    };
    if (percorso.startsWith(documento)) {
        const QString campo = percorso.mid(documento.size());
        if (campo == QLatin1String("TipoDocumento"))
            f.tipo = codice(valore);
        else if (campo == QLatin1String("Divisa"))
            f.valuta = codice(valore);
        else if (campo == QLatin1String("Numero"))
            f.numero = valore;
        else if (campo == QLatin1String("Data") && !(f.data = data(valore)).isValid())
            return QStringLiteral("la data della fattura \"%1\" non è una data.").arg(valore);
        else if (campo == QLatin1String("ImportoTotaleDocumento")) {
            f.totale = 0;
            return somma(*f.totale, "ImportoTotaleDocumento");
        } else if (campo == QLatin1String("Arrotondamento"))
            return somma(f.arrotondamento, "Arrotondamento");
        else if (campo == QLatin1String("DatiRitenuta/ImportoRitenuta"))
            return somma(f.ritenuta, "ImportoRitenuta");
    } else if (percorso.startsWith(riepilogo + QLatin1Char('/'))) {
        const QString campo = percorso.mid(riepilogo.size() + 1);
        if (campo == QLatin1String("ImponibileImporto"))
            return somma(imponibile, "ImponibileImporto");
        if (campo == QLatin1String("Imposta"))
            return somma(imposta, "Imposta");
        if (campo == QLatin1String("EsigibilitaIVA"))
            scissa = codice(valore) == QLatin1String("S");
    } else if (percorso == riepilogo) {
        f.imponibile += imponibile;
        f.imposta += imposta;
        if (scissa)
            f.impostascissa += imposta;
    } else if (percorso == dettaglio) {
        if (f.rate.last().importo == std::numeric_limits<qint64>::min())
            return QStringLiteral("un pagamento della fattura non ne dice l'importo.");
    } else if (percorso.startsWith(dettaglio + QLatin1Char('/'))) {
        return rata(f.rate.last(), percorso.mid(dettaglio.size() + 1), valore);
    }
    return {};
}

QString Lettore::rata(Rata &r, const QString &campo, const QString &valore)
{
    if (campo == QLatin1String("ImportoPagamento")) {
        const auto i = importo(valore);
        if (!i)
            return QStringLiteral("l'importo del pagamento \"%1\" non è un numero.").arg(valore);
        r.importo = *i;
    } else if (campo == QLatin1String("DataScadenzaPagamento") ||
               campo == QLatin1String("DataRiferimentoTerminiPagamento")) {
        QDate &d = campo.startsWith(QLatin1String("DataScadenza")) ? r.scadenza : r.riferimento;
        if (!valore.isEmpty() && !(d = data(valore)).isValid())
            return QStringLiteral("la data del pagamento \"%1\" non è una data.").arg(valore);
    } else if (campo == QLatin1String("GiorniTerminiPagamento") && !valore.isEmpty()) {
        bool ok = false;
        r.giorni = valore.toInt(&ok);
        if (!ok || r.giorni < 0 || r.giorni > 999)
            return QStringLiteral("i giorni dei termini di pagamento \"%1\" non sono un numero "
                                  "da 0 a 999.")
                .arg(valore);
    } else if (campo == QLatin1String("ModalitaPagamento")) {
        r.modalita = codice(valore);
    } else if (campo == QLatin1String("IBAN")) {
        r.iban = codice(valore);
    } else if (campo == QLatin1String("CodicePagamento")) {
        r.codice = valore;
    }
    return {};
}

// A body is an invoice only with its type, number, date and currency: without them it cannot
// be booked right, so the file is refused.
QString Lettore::chiudicorpo()
{
    Fattura f = std::move(*aperta);
    aperta.reset();
    if (f.tipo.isEmpty() || f.numero.isEmpty() || !f.data.isValid() || f.valuta.isEmpty())
        return QStringLiteral("una fattura del file non ne dice tipo, numero, data e valuta.");
    f.cedente = cedente;
    f.cessionario = cessionario;
    if (f.cedente.codiceiva.isEmpty() && f.cedente.codicefiscale.isEmpty())
        return QStringLiteral("il file non dice la partita IVA del cedente.");
    fatture.append(std::move(f));
    return {};
}

FileFattura leggixml(const QByteArray &dati, const QString &nome)
{
    FileFattura esito{nome, Genere::illeggibile, {}, {}};
    std::unique_ptr<QXmlStreamReader> x;
    if (dati.startsWith("\xFF\xFE") || dati.startsWith("\xFE\xFF")) {
        x = std::make_unique<QXmlStreamReader>(dati); // UTF-16, told by its BOM
    } else if (const auto testo = testoxml(dati)) {
        x = std::make_unique<QXmlStreamReader>(*testo);
    } else {
        esito.motivo = QStringLiteral("il testo del file non è nella codifica che dichiara.");
        return esito;
    }
    Lettore lettore(*x);
    QString radice;
    const auto inizio = [&] {
        if (radice.isEmpty()) {
            radice = x->name().toString();
            if (ricevuta(radice) || metadati(radice)) {
                esito.genere = ricevuta(radice) ? Genere::ricevuta : Genere::metadati;
                return radice; // its kind is all that is wanted of it: read no further
            }
            if (radice == QLatin1String("FatturaElettronicaSemplificata"))
                return QStringLiteral("è una fattura semplificata, che non si importa.");
            if (radice != radicefattura)
                return QStringLiteral("non è una fattura elettronica.");
        }
        return lettore.inizio();
    };
    QString motivo = percorrixml(
        *x, inizio, [&] { lettore.caratteri(); }, [&] { return lettore.fine(); });
    if (esito.genere != Genere::illeggibile)
        return esito;
    if (motivo.isEmpty() && x->hasError())
        motivo = QStringLiteral("il file XML è danneggiato (riga %1: %2).")
                     .arg(x->lineNumber())
                     .arg(x->errorString());
    if (motivo.isEmpty() && lettore.fatture.isEmpty())
        motivo = QStringLiteral("il file non contiene alcuna fattura.");
    if (!motivo.isEmpty()) {
        esito.motivo = motivo;
        return esito;
    }
    esito.genere = Genere::fatture;
    esito.fatture = std::move(lettore.fatture);
    return esito;
}

enum class Tipo { xml, firmato, zip, altro };

Tipo tipofile(const QByteArray &dati)
{
    if (dati.startsWith("PK\x03\x04") || dati.startsWith("PK\x05\x06"))
        return Tipo::zip;
    const QByteArray inizio = dati.left(64).trimmed();
    if (inizio.startsWith('\x30'))
        return Tipo::firmato;
    if (inizio.startsWith("MI") || inizio.startsWith("-----BEGIN"))
        return Tipo::firmato;
    if (inizio.startsWith('<') || inizio.startsWith("\xEF\xBB\xBF") ||
        inizio.startsWith("\xFF\xFE") || inizio.startsWith("\xFE\xFF"))
        return Tipo::xml;
    return Tipo::altro;
}

FileFattura leggiuno(const QByteArray &dati, const QString &nome)
{
    const auto illeggibile = [&](const QString &motivo) {
        return FileFattura{nome, Genere::illeggibile, motivo, {}};
    };
    if (dati.size() > fatturamassima)
        return illeggibile(
            QStringLiteral("il file supera %1 MB.").arg(fatturamassima / (1024 * 1024)));
    switch (tipofile(dati)) {
    case Tipo::xml:
        return leggixml(dati, nome);
    case Tipo::firmato: {
        QString motivo;
        const QByteArray documento = contenutofirmato(dati, motivo);
        if (!motivo.isEmpty())
            return illeggibile(motivo);
        if (tipofile(documento) != Tipo::xml)
            return illeggibile(QStringLiteral("la busta firmata non contiene un documento XML."));
        return leggixml(documento, nome);
    }
    case Tipo::zip:
        return illeggibile(QStringLiteral("è un archivio zip dentro un archivio, non letto."));
    case Tipo::altro:
        break;
    }
    return illeggibile(QStringLiteral("non è una fattura elettronica."));
}

// Every part of the archive but folders, each read by its content; a part that cannot be read
// is listed as such.
QList<FileFattura> leggiarchivio(const QByteArray &dati, const QString &nome)
{
    const auto illeggibile = [&](const QString &motivo) {
        return QList<FileFattura>{{nome, Genere::illeggibile, motivo, {}}};
    };
    const Archivio z = apriarchivio(dati);
    if (!z)
        return illeggibile(QStringLiteral("il file zip è danneggiato."));
    const zip_int64_t n = zip_get_num_entries(z.get(), 0);
    if (n > partimassime)
        return illeggibile(
            QStringLiteral("il file zip contiene più di %1 file.").arg(partimassime));
    QList<FileFattura> file;
    qsizetype totale = 0;
    for (zip_int64_t i = 0; i < n; ++i) {
        const QString parte = QString::fromUtf8(zip_get_name(z.get(), zip_uint64_t(i), 0));
        if (!partecandidata(parte))
            continue;
        const QString chi = nome + QLatin1Char('/') + parte;
        QByteArray contenuto;
        if (const QString m = partezip(z.get(), parte, QStringLiteral("zip"), contenuto);
            !m.isEmpty()) {
            file.append({chi, Genere::illeggibile, m, {}});
            continue;
        }
        if ((totale += contenuto.size()) > archiviofatture)
            return illeggibile(QStringLiteral("il file zip supera %1 MB una volta estratto.")
                                   .arg(archiviofatture / (1024 * 1024)));
        file.append(leggiuno(contenuto, chi));
    }
    if (file.isEmpty())
        return illeggibile(QStringLiteral("il file zip è vuoto."));
    return file;
}

} // namespace

QList<FileFattura> leggifatture(const QByteArray &dati, const QString &nome)
{
    if (dati.size() <= fatturamassima && tipofile(dati) == Tipo::zip)
        return leggiarchivio(dati, nome);
    return {leggiuno(dati, nome)};
}

QString generefattura(Genere genere)
{
    switch (genere) {
    case Genere::ricevuta:
        return QStringLiteral("ricevuta SDI");
    case Genere::metadati:
        return QStringLiteral("metadati");
    case Genere::illeggibile:
        return QStringLiteral("illeggibile");
    case Genere::fatture:
        break;
    }
    return {};
}
