#include "store/conti.h"

#include "store/codepage.h"
#include "store/filemese.h"
#include "store/filerecord.h"

namespace {

FileRecord fileconti(const QString &percorso)
{
    return FileRecord(percorsoconti(percorso), conti::dimensione);
}

QByteArray record(const QString &nome)
{
    QByteArray r(conti::dimensione, ' ');
    codificacampo(nome, r.data(), conti::dimensione);
    return r;
}

} // namespace

QString percorsoconti(const QString &percorso)
{
    return cartelladati(percorso) + QStringLiteral("\\listconto");
}

Esito leggiconti(const QString &percorso, QStringList &nomi)
{
    nomi.clear();
    QByteArray dati;
    Esito e = fileconti(percorso).leggitutto(dati);
    for (qsizetype p = 0; p + conti::dimensione <= dati.size(); p += conti::dimensione)
        nomi.append(decodificatesto(dati.constData() + p, conti::dimensione));
    return e;
}

Esito scriviconto(const QString &percorso, qint32 numero, const QString &nome)
{
    return fileconti(percorso).riscrivi(numero, record(nome));
}

Esito aggiungiconto(const QString &percorso, const QString &nome, qint32 *numero, qint32 minimo)
{
    return fileconti(percorso).aggiungi(record(nome), numero, minimo);
}

QString nomecontoregistrato(const QString &nome)
{
    const QByteArray r = record(nome);
    return decodificatesto(r.constData(), r.size());
}
