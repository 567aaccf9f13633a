#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// An electronic invoice as the exchange system delivers it (.xml, signed .xml.p7m, or many in a
// .zip): what a payments-due list needs of each invoice, read by the file's content alone.

// A party of the invoice, as the header names it.
struct Soggetto {
    QString nome;          // Denominazione, else Nome Cognome
    QString paese;         // IdFiscaleIVA/IdPaese, in capitals
    QString codiceiva;     // IdFiscaleIVA/IdCodice, in capitals, without blanks
    QString codicefiscale; // in capitals, without blanks
    QString indirizzo;     // Indirizzo and NumeroCivico
    QString cap;
    QString comune;
    QString provincia;
    QString nazione;
};

// One DettaglioPagamento: an instalment or a way of paying.
struct Rata {
    QDate scadenza;     // DataScadenzaPagamento; invalid when the file gives none
    QDate riferimento;  // DataRiferimentoTerminiPagamento
    int giorni = -1;    // GiorniTerminiPagamento; -1 when absent
    qint64 importo = 0; // ten-thousandths, as written (a credit note's are usually positive)
    QString modalita;   // MP01...
    QString iban;
    QString codice; // CodicePagamento
};

// One invoice body.
struct Fattura {
    Soggetto cedente, cessionario;
    QString tipo;   // TD01, TD04, ...
    QString numero; // free text, trimmed
    QDate data;
    QString valuta;               // ISO 4217 code as written ("EUR")
    std::optional<qint64> totale; // ImportoTotaleDocumento
    qint64 arrotondamento = 0;    // of the document
    qint64 imponibile = 0;        // the summaries' taxable amounts
    qint64 imposta = 0;           // the summaries' VAT
    qint64 impostascissa = 0;     // VAT of the summaries under split payment (EsigibilitaIVA S)
    qint64 ritenuta = 0;          // every ImportoRitenuta
    bool pagamento = false;       // the body has a payment block
    QList<Rata> rate;
};

enum class Genere { fatture, ricevuta, metadati, illeggibile };

// What one file (or one part of a zip) turned out to be.
struct FileFattura {
    QString nome; // the file's name; "archivio.zip/parte" for a part of a zip
    Genere genere = Genere::illeggibile;
    QString motivo; // why it is illeggibile
    QList<Fattura> fatture;
};

// Past these sizes a file is refused, not read.
constexpr qsizetype fatturamassima = 64 * 1024 * 1024;   // bytes of a file or of a zip part
constexpr qsizetype archiviofatture = 256 * 1024 * 1024; // bytes of all the parts of a zip

// The file's contents: one entry, or one per part of a zip (none is passed over in silence).
QList<FileFattura> leggifatture(const QByteArray &dati, const QString &nome);

// "ricevuta SDI", "metadati", "illeggibile"; empty for invoices.
QString generefattura(Genere genere);

// The document a signed envelope (DER or BER, or base64 text of it) holds; empty with motivo set
// when the envelope is broken or holds nothing. The signature is not checked.
QByteArray contenutofirmato(const QByteArray &busta, QString &motivo);
