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
    const bool virgolette = campo.contains(QLatin1Char(';')) || campo.contains(QLatin1Char('"')) ||
                            campo.contains(QLatin1Char('\n')) || campo.contains(QLatin1Char('\r'));
    if (!virgolette) {
        byte += campo.toUtf8();
        return;
    }
    QString doppie = campo;
    doppie.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    byte += '"' + doppie.toUtf8() + '"';
}
