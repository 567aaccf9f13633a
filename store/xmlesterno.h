#pragma once

#include <QString>
#include <QXmlStreamReader>

// Walks an XML document from outside (a statement, an invoice) to its end, or to the first event
// whose handler gives a reason to stop, which it returns. A DTD is refused: nothing a bank or the
// exchange system sends needs one, so no entity is ever declared. x.hasError() is the caller's.
template <typename Inizio, typename Caratteri, typename Fine>
QString percorrixml(QXmlStreamReader &x, Inizio inizio, Caratteri caratteri, Fine fine)
{
    x.setEntityExpansionLimit(1000);
    QString motivo;
    while (motivo.isEmpty() && !x.atEnd()) {
        switch (x.readNext()) {
        case QXmlStreamReader::DTD:
            motivo = QStringLiteral("il file XML dichiara una DTD, non accettata.");
            break;
        case QXmlStreamReader::StartElement:
            motivo = inizio();
            break;
        case QXmlStreamReader::Characters:
            caratteri();
            break;
        case QXmlStreamReader::EndElement:
            motivo = fine();
            break;
        default:
            break;
        }
    }
    return motivo;
}
