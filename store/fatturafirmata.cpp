// The signed envelope of an electronic invoice (CAdES, .xml.p7m): the document it holds, taken
// out with OpenSSL's CMS functions. The signature is the exchange system's business, not ours.
#include "store/fattura.h"

#include <memory>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/objects.h>

namespace {

// The base64 text of an envelope, with any line breaks and "-----BEGIN ...-----" framing, as
// binary; empty when it is no such text.
QByteArray dabase64(const QByteArray &testo)
{
    QByteArray pulito;
    pulito.reserve(testo.size());
    for (const QByteArray &riga : testo.split('\n')) {
        const QByteArray r = riga.trimmed();
        if (r.startsWith("-----"))
            continue;
        for (char c : r)
            if (c != ' ' && c != '\t' && c != '\r')
                pulito.append(c);
    }
    const auto esito =
        QByteArray::fromBase64Encoding(pulito, QByteArray::AbortOnBase64DecodingErrors);
    return esito ? esito.decoded : QByteArray();
}

QByteArray estrai(const QByteArray &der, QString &motivo)
{
    const auto *p = reinterpret_cast<const unsigned char *>(der.constData());
    std::unique_ptr<CMS_ContentInfo, decltype(&CMS_ContentInfo_free)> cms(
        d2i_CMS_ContentInfo(nullptr, &p, long(der.size())), &CMS_ContentInfo_free);
    if (!cms) {
        ERR_clear_error(); // the failure is told in motivo, not left for the next caller
        motivo = QStringLiteral("la busta firmata è danneggiata.");
        return {};
    }
    if (OBJ_obj2nid(CMS_get0_type(cms.get())) != NID_pkcs7_signed) {
        motivo = QStringLiteral("il file non è una busta firmata (.p7m).");
        return {};
    }
    ASN1_OCTET_STRING **contenuto = CMS_get0_content(cms.get());
    if (!contenuto || !*contenuto) {
        motivo = QStringLiteral("la busta firmata non contiene il documento (firma separata).");
        return {};
    }
    return QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(*contenuto)),
                      ASN1_STRING_length(*contenuto));
}

} // namespace

QByteArray contenutofirmato(const QByteArray &busta, QString &motivo)
{
    motivo.clear();
    const QByteArray inizio = busta.trimmed();
    QByteArray der = inizio.startsWith('\x30') ? busta : dabase64(busta);
    if (der.isEmpty() || der[0] != '\x30') {
        motivo = QStringLiteral("la busta firmata è danneggiata.");
        return {};
    }
    // A file signed twice is an envelope inside an envelope.
    for (int livello = 0; livello < 4; ++livello) {
        QByteArray dentro = estrai(der, motivo);
        if (!motivo.isEmpty())
            return {};
        if (!dentro.startsWith('\x30'))
            return dentro;
        der = std::move(dentro);
    }
    motivo = QStringLiteral("la busta firmata contiene troppe buste una dentro l'altra.");
    return {};
}
