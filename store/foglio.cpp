#include "store/foglio.h"

FoglioCsv::FoglioCsv() : byte("\xEF\xBB\xBF") {}

FoglioCsv &FoglioCsv::testo(const QString &campo)
{
    static const QString formula = QStringLiteral("=+-@\t\r");
    if (!campo.isEmpty() && formula.contains(campo.front()))
        scrivi(QLatin1Char('\'') + campo);
    else
        scrivi(campo);
    return *this;
}

FoglioCsv &FoglioCsv::numero(const QString &campo)
{
    scrivi(campo);
    return *this;
}

void FoglioCsv::acapo()
{
    byte += "\r\n";
    primo = true;
}

void FoglioCsv::scrivi(const QString &campo)
{
    if (!primo)
        byte += ';';
    primo = false;
    const QByteArray utf8 = campo.toUtf8();
    bool virgolette = false;
    for (char c : utf8)
        virgolette |= c == ';' || c == '"' || c == '\n' || c == '\r';
    if (!virgolette) {
        byte += utf8;
        return;
    }
    byte += '"';
    for (char c : utf8)
        byte += c == '"' ? QByteArrayView("\"\"") : QByteArrayView(&c, 1);
    byte += '"';
}
