// An Excel 97-2003 workbook (BIFF records in an OLE2 compound file), read through libfreexl.
#include "store/estrattoformati.h"

#include <QDir>
#include <QTemporaryFile>
#include <cmath>
#include <freexl.h>
#include <memory>

namespace {

using Cartella = std::unique_ptr<const void, int (*)(const void *)>;

QString danneggiato()
{
    return QStringLiteral("il file Excel 97-2003 è danneggiato.");
}

// What a failure of freexl means to the user.
QString motivofreexl(int codice)
{
    switch (codice) {
    case FREEXL_INSUFFICIENT_MEMORY: // freexl's own limit: a sheet's table over 256 MB
        return motivotroppo();
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: // a Word document, a Thumbs.db
        return motivoxlsaltro();
    case FREEXL_FILE_NOT_FOUND: // a temporary folder whose path the C library cannot spell
        return QStringLiteral("impossibile aprire la copia temporanea del file.");
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return QStringLiteral("il file Excel 97-2003 ha testi in una codifica sconosciuta.");
    default:
        return danneggiato();
    }
}

// A number as the amount reader takes it: fixed to the ten-thousandth, so the binary fraction
// of a double (0.1 + 0.2 worked out in a cell) leaves no noise in the cents.
QString numero(double d)
{
    if (!std::isfinite(d)) // a NUMBER record may hold any bits: then no amount nor date
        return QStringLiteral("?");
    QString t = QString::number(d, 'f', 4);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t;
}

// A cell as its text; dates come as "YYYY-MM-DD[ HH:MM:SS]" where the cell's format is a
// date's, else as the day count.
QString testo(const FreeXL_CellValue &v)
{
    switch (v.type) {
    case FREEXL_CELL_INT:
        return QString::number(v.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return numero(v.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return v.value.text_value ? QString::fromUtf8(v.value.text_value) : QString();
    default:
        return {};
    }
}

// The rows of the active sheet, an empty cell costing nothing.
QString foglio(const void *x, QList<RigaTabella> &righe)
{
    unsigned int nrighe = 0;
    unsigned short ncolonne = 0;
    if (freexl_worksheet_dimensions(x, &nrighe, &ncolonne) != FREEXL_OK)
        return danneggiato();
    if (nrighe > righemassime)
        return motivoriga(righemassime, motivotroppo());
    qsizetype celle = 0;
    for (unsigned int r = 0; r < nrighe; ++r) {
        RigaTabella riga{qsizetype(r) + 1, {}};
        for (unsigned short c = 0; c < ncolonne; ++c) {
            FreeXL_CellValue v;
            if (const int esito = freexl_get_cell_value(x, r, c, &v); esito != FREEXL_OK)
                return motivoriga(riga.numero, motivofreexl(esito));
            const QString t = testo(v);
            if (t.isEmpty())
                continue;
            if (t.size() > rigamassima)
                return motivoriga(riga.numero, QStringLiteral("riga troppo lunga."));
            if (c >= colonnemassime)
                return motivoriga(riga.numero, QStringLiteral("troppe colonne."));
            if ((celle += c + 1 - riga.celle.size()) > cellemassime)
                return motivoriga(riga.numero, motivotroppo());
            riga.celle.resize(c + 1);
            riga.celle[c] = t;
        }
        if (!riga.celle.isEmpty())
            righe.append(std::move(riga));
    }
    return {};
}

// The first worksheet of the workbook at percorso. serialiexcel is false unless the workbook
// counts days from 1900: from 1904 a day count would read four years off, so it is no date.
QString cartella(const QString &percorso, QList<RigaTabella> &righe, bool &serialiexcel)
{
    const void *aperta = nullptr;
    const int esito = freexl_open(QFile::encodeName(percorso).constData(), &aperta);
    const Cartella x(aperta, &freexl_close); // closed even when the opening failed
    if (esito != FREEXL_OK)
        return motivofreexl(esito);
    unsigned int protetto = 0, fogli = 0, data = 0;
    if (freexl_get_info(x.get(), FREEXL_BIFF_PASSWORD, &protetto) != FREEXL_OK ||
        freexl_get_info(x.get(), FREEXL_BIFF_SHEET_COUNT, &fogli) != FREEXL_OK ||
        freexl_get_info(x.get(), FREEXL_BIFF_DATEMODE, &data) != FREEXL_OK)
        return danneggiato();
    if (protetto == FREEXL_BIFF_OBFUSCATED)
        return QStringLiteral("il file Excel 97-2003 è protetto da password: salvarlo senza "
                              "password, o come .csv, e riprovare.");
    if (fogli == 0)
        return QStringLiteral("il file Excel 97-2003 non ha fogli di lavoro.");
    if (const int scelto = freexl_select_active_worksheet(x.get(), 0); scelto != FREEXL_OK)
        return motivofreexl(scelto);
    serialiexcel = data == FREEXL_BIFF_DATEMODE_1900;
    return foglio(x.get(), righe);
}

} // namespace

QString motivoxlsaltro()
{
    return QStringLiteral("Il file è un documento Office, non un foglio Excel.");
}

Esito leggixls(const QByteArray &dati, const QString &nome, QList<Estratto> &pezzi)
{
    // freexl opens a path only: the bytes go through a file of the program's own, removed
    // when this returns.
    QTemporaryFile copia(QDir::tempPath() + QStringLiteral("/quaderola-XXXXXX.xls"));
    if (!copia.open() || copia.write(dati) != dati.size() || !copia.flush())
        return Esito::fallito(nome, QStringLiteral("Impossibile scrivere la copia temporanea "
                                                   "del file: %1")
                                        .arg(motivoerrore(copia)));
    copia.close();
    QList<RigaTabella> righe;
    bool serialiexcel = true;
    if (const QString m = cartella(copia.fileName(), righe, serialiexcel); !m.isEmpty())
        return Esito::fallito(nome, m[0].isLower() ? m[0].toUpper() + m.mid(1) : m);
    Estratto e;
    Esito esito = leggitabella(righe, serialiexcel, nome, e);
    if (esito)
        pezzi.append(e);
    return esito;
}
