#include "store/estrattoformati.h"

#include <QXmlStreamReader>
#include <functional>
#include <zip.h>

namespace {

const QString xlsx = QStringLiteral("XLSX");

// Walks an XML part, every token to quale; a DTD is refused, so no entity is ever declared.
QString scorri(const QByteArray &xml, const QString &nome,
               const std::function<QString(QXmlStreamReader &)> &quale)
{
    QXmlStreamReader x(xml);
    x.setEntityExpansionLimit(1000);
    while (!x.atEnd()) {
        if (x.readNext() == QXmlStreamReader::DTD)
            return QStringLiteral("la parte %1 del file XLSX dichiara una DTD.").arg(nome);
        if (const QString motivo = quale(x); !motivo.isEmpty())
            return motivo;
    }
    if (x.hasError())
        return QStringLiteral("la parte %1 del file XLSX è danneggiata (riga %2: %3).")
            .arg(nome)
            .arg(x.lineNumber())
            .arg(x.errorString());
    return {};
}

bool inizio(const QXmlStreamReader &x, const char *nome)
{
    return x.tokenType() == QXmlStreamReader::StartElement && x.name() == QLatin1String(nome);
}

bool fine(const QXmlStreamReader &x, const char *nome)
{
    return x.tokenType() == QXmlStreamReader::EndElement && x.name() == QLatin1String(nome);
}

// The parts the workbook points at: its first sheet and its shared strings, if any.
struct Parti {
    QString foglio, testi;
};

QString parti(zip_t *z, Parti &p)
{
    QByteArray xml;
    QString id;
    if (QString m = partezip(z, QStringLiteral("xl/workbook.xml"), xlsx, xml); !m.isEmpty())
        return m;
    QString motivo = scorri(xml, QStringLiteral("xl/workbook.xml"), [&](QXmlStreamReader &x) {
        for (const QXmlStreamAttribute &a : x.attributes())
            if (inizio(x, "sheet") && id.isEmpty() && a.name() == QLatin1String("id") &&
                !a.namespaceUri().isEmpty())
                id = a.value().toString();
        return QString();
    });
    const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
    if (motivo.isEmpty())
        motivo = partezip(z, rels, xlsx, xml);
    if (!motivo.isEmpty())
        return motivo;
    motivo = scorri(xml, rels, [&](QXmlStreamReader &x) {
        if (!inizio(x, "Relationship"))
            return QString();
        const auto a = x.attributes();
        QString bersaglio = a.value(QLatin1String("Target")).toString();
        bersaglio = bersaglio.startsWith(QLatin1Char('/')) ? bersaglio.mid(1) : "xl/" + bersaglio;
        if (a.value(QLatin1String("Id")) == id && !id.isEmpty())
            p.foglio = bersaglio;
        else if (a.value(QLatin1String("Type")).endsWith(QLatin1String("/sharedStrings")))
            p.testi = bersaglio;
        return QString();
    });
    if (motivo.isEmpty() && p.foglio.isEmpty())
        motivo = QStringLiteral("il file XLSX non ha fogli di lavoro.");
    return motivo;
}

QString testicondivisi(zip_t *z, const QString &nome, QStringList &testi)
{
    QByteArray xml;
    if (QString m = partezip(z, nome, xlsx, xml); !m.isEmpty())
        return m;
    bool fonetica = false; // the reading aid of East Asian texts is no part of the text
    return scorri(xml, nome, [&](QXmlStreamReader &x) {
        if (inizio(x, "si") && testi.size() >= cellemassime)
            return motivotroppo();
        if (inizio(x, "si"))
            testi.append(QString());
        else if (inizio(x, "rPh") || fine(x, "rPh"))
            fonetica = inizio(x, "rPh");
        else if (inizio(x, "t") && !fonetica && !testi.isEmpty())
            testi.last() += x.readElementText();
        return QString();
    });
}

// "B12" is column 1; -1 past colonnemassime or for a reference that is none.
int colonna(QStringView riferimento)
{
    int c = 0;
    for (QChar l : riferimento) {
        if (l < QLatin1Char('A') || l > QLatin1Char('Z'))
            break;
        c = c * 26 + (l.unicode() - 'A' + 1);
        if (c > colonnemassime)
            return -1;
    }
    return c - 1;
}

// The rows of the sheet, each cell as its text: shared and inline strings looked up, numbers
// and the day counts of date cells as written.
QString foglio(zip_t *z, const QString &nome, const QStringList &testi, QList<RigaTabella> &righe)
{
    QByteArray xml;
    if (QString m = partezip(z, nome, xlsx, xml); !m.isEmpty())
        return m;
    QString tipo, valore;
    int c = -1;
    qsizetype celle = 0;
    return scorri(xml, nome, [&](QXmlStreamReader &x) -> QString {
        if (inizio(x, "row") && righe.size() >= righemassime)
            return motivoriga(righe.last().numero, motivotroppo());
        if (inizio(x, "row")) {
            const qsizetype n = x.attributes().value(QLatin1String("r")).toLongLong();
            righe.append(
                RigaTabella{n > 0 ? n : (righe.isEmpty() ? 1 : righe.last().numero + 1), {}});
            c = -1;
        } else if (inizio(x, "c") && !righe.isEmpty()) {
            const QStringView r = x.attributes().value(QLatin1String("r"));
            c = r.isEmpty() ? c + 1 : colonna(r);
            if (c < 0 || c >= colonnemassime)
                return motivoriga(righe.last().numero, QStringLiteral("troppe colonne."));
            tipo = x.attributes().value(QLatin1String("t")).toString();
            valore.clear();
        } else if ((inizio(x, "v") || inizio(x, "t")) && valore.size() < rigamassima) {
            valore += x.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (fine(x, "c") && !righe.isEmpty() && c >= 0) {
            if (tipo == QLatin1String("s")) {
                bool ok = false;
                const qsizetype i = valore.toLongLong(&ok);
                if (!ok || i < 0 || i >= testi.size())
                    return motivoriga(righe.last().numero,
                                      QStringLiteral("testo condiviso mancante."));
                valore = testi[i];
            }
            QStringList &riga = righe.last().celle;
            if (valore.isEmpty()) // an empty cell adds nothing, so costs nothing
                return {};
            celle += qMax(qsizetype(0), c + 1 - riga.size());
            if (celle > cellemassime)
                return motivoriga(righe.last().numero, motivotroppo());
            riga.resize(qMax(riga.size(), qsizetype(c + 1)));
            riga[c] = valore;
        }
        return {};
    });
}

} // namespace

Esito leggicartellalavoro(zip *z, const QString &nome, QList<Estratto> &pezzi)
{
    Parti p;
    QStringList testi;
    QList<RigaTabella> righe;
    QString motivo = parti(z, p);
    if (motivo.isEmpty() && !p.testi.isEmpty())
        motivo = testicondivisi(z, p.testi, testi);
    if (motivo.isEmpty())
        motivo = foglio(z, p.foglio, testi, righe);
    if (!motivo.isEmpty())
        return Esito::fallito(nome, motivo[0].toUpper() + motivo.mid(1));
    Estratto e;
    Esito esito = leggitabella(righe, true, nome, e);
    if (esito)
        pezzi.append(e);
    return esito;
}
