#include "support/fatture.h"

#include "store/rubrica.h"
#include "store/scadenze.h"

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

QByteArray fattura(const QString &documento, const QString &corpo, const QString &radice)
{
    return QStringLiteral(
               "<?xml version=\"1.0\"?>\n<%1>"
               "<FatturaElettronicaHeader><CedentePrestatore><DatiAnagrafici><IdFiscaleIVA>"
               "<IdPaese>IT</IdPaese><IdCodice> 01234567890 </IdCodice></IdFiscaleIVA>"
               "<Anagrafica><Denominazione>Alfa srl</Denominazione></Anagrafica>"
               "</DatiAnagrafici></CedentePrestatore><CessionarioCommittente><DatiAnagrafici>"
               "<CodiceFiscale>rssmra80a01h501u</CodiceFiscale><Anagrafica><Nome>Mario</Nome>"
               "<Cognome>Rossi</Cognome></Anagrafica></DatiAnagrafici></CessionarioCommittente>"
               "</FatturaElettronicaHeader><FatturaElettronicaBody><DatiGenerali>"
               "<DatiGeneraliDocumento><TipoDocumento>TD01</TipoDocumento><Divisa>EUR</Divisa>"
               "<Data>2026-03-15</Data><Numero>123/2026</Numero>%2</DatiGeneraliDocumento>"
               "<DatiTrasporto><DatiAnagraficiVettore><IdFiscaleIVA><IdPaese>IT</IdPaese>"
               "<IdCodice>99999999999</IdCodice></IdFiscaleIVA></DatiAnagraficiVettore>"
               "</DatiTrasporto></DatiGenerali><DatiBeniServizi><DatiRiepilogo>"
               "<ImponibileImporto>100.00</ImponibileImporto><Imposta>22.00</Imposta>"
               "</DatiRiepilogo></DatiBeniServizi>%3</FatturaElettronicaBody></%4>")
        .arg(radice, documento, corpo, radice.section(' ', 0, 0))
        .toUtf8();
}

QString rata(const char *campi)
{
    return QStringLiteral("<DettaglioPagamento><ModalitaPagamento>MP05</ModalitaPagamento>%1"
                          "</DettaglioPagamento>")
        .arg(campi);
}

QByteArray tlv(char tag, const QByteArray &contenuto)
{
    QByteArray lunghezza;
    for (qsizetype n = contenuto.size(); n > 0; n >>= 8)
        lunghezza.prepend(char(n & 0xff));
    if (contenuto.size() >= 0x80)
        lunghezza.prepend(char(0x80 | lunghezza.size()));
    else
        lunghezza = QByteArray(1, char(contenuto.size()));
    return tag + lunghezza + contenuto;
}

const QByteArray oiddati("\x06\x09\x2a\x86\x48\x86\xf7\x0d\x01\x07\x01", 11);

QByteArray busta(const QByteArray &documento, bool spezzato, bool separata)
{
    QByteArray stringa = tlv('\x04', documento);
    if (spezzato) {
        stringa = QByteArray("\x24\x80");
        for (qsizetype i = 0; i < documento.size(); i += 100)
            stringa += tlv('\x04', documento.mid(i, 100));
        stringa += QByteArray(2, '\0');
    }
    const QByteArray incapsulato = tlv('\x30', oiddati + (separata ? "" : tlv('\xa0', stringa)));
    const QByteArray firmati =
        tlv('\x30', tlv('\x02', "\x01") + tlv('\x31', {}) + incapsulato + tlv('\x31', {}));
    return tlv('\x30',
               QByteArray("\x06\x09\x2a\x86\x48\x86\xf7\x0d\x01\x07\x02") + tlv('\xa0', firmati));
}

QByteArray archivio(const QList<std::pair<const char *, QByteArray>> &parti)
{
    QTemporaryDir cartella;
    const QByteArray file = (cartella.path() + "/fatture.zip").toUtf8();
    zip_t *z = zip_open(file.constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto &[nome, dati] : parti)
        if (QByteArray(nome).endsWith('/'))
            zip_dir_add(z, nome, 0);
        else
            zip_file_add(z, nome, zip_source_buffer(z, dati.constData(), dati.size(), 0), 0);
    zip_close(z);
    QFile f(QString::fromUtf8(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray piucorpi(const QByteArray &fattura, const QStringList &numeri)
{
    const qsizetype inizio = fattura.indexOf("<FatturaElettronicaBody>"),
                    fine = fattura.lastIndexOf("</FatturaElettronicaBody>") + 25;
    QByteArray corpi;
    for (const QString &n : numeri)
        corpi += fattura.mid(inizio, fine - inizio).replace("123/2026", n.toUtf8());
    return fattura.left(inizio) + corpi + fattura.mid(fine);
}

QStringList griglia(const QWidget *f)
{
    const auto *g = f->findChild<QTableWidget *>("fatture");
    QStringList r;
    for (int i = 0; i < g->rowCount(); ++i) {
        QStringList c{g->item(i, 0)->flags() & Qt::ItemIsUserCheckable
                          ? QString::number(g->item(i, 0)->checkState() == Qt::Checked)
                          : "-"};
        for (int k = 1; k < 7; ++k)
            c << g->item(i, k)->text();
        c << g->item(i, 6)->toolTip().left(12);
        r << c.join(',');
    }
    return r;
}

QStringList vociscritte()
{
    QList<EventoScadenza> eventi;
    EXPECT_TRUE(leggiscadenze("c:", 1, eventi));
    QStringList voci;
    for (const EventoScadenza &e : eventi)
        voci << QStringLiteral("%1,%2,%3,%4,%5,%6")
                    .arg(e.scadenza.data.toString(Qt::ISODate))
                    .arg(e.scadenza.segno)
                    .arg(e.scadenza.importo)
                    .arg(e.scadenza.descrizione1, e.scadenza.descrizione2)
                    .arg(e.scadenza.contatto);
    return voci;
}
