// An Excel 97-2003 statement through the real import window. movimenti.xls was saved by a
// spreadsheet program: a preamble with the account, its IBAN and both balances, date cells with
// and without a time, dates typed as text and as plain day counts, amounts of seven digits and
// with a binary fraction's noise (-0.30000000000000004), an unbooked row, a total by formula
// and a second sheet that is no part of the statement.
#include "app/formprincipale.h"
#include "app/stato.h"
#include "platform/percorsi.h"
#include "support/archivio.h"
#include "support/finestre.h"
#include "windows/importa/formimporta.h"

#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <zip.h>

namespace {

QByteArray archivio(const QList<std::pair<const char *, QByteArray>> &parti)
{
    QTemporaryDir cartella;
    const QByteArray file = cartella.filePath("estratti.zip").toUtf8();
    zip_t *z = zip_open(file.constData(), ZIP_CREATE, nullptr);
    for (const auto &[parte, dati] : parti)
        zip_file_add(z, parte, zip_source_buffer(z, dati.constData(), dati.size(), 0), 0);
    zip_close(z);
    return leggibyte(file);
}

// What the window shows (heading, each row's cells, the balances) or the message refusing the
// file, its path written FILE.
QString importa(Formprincipale &principale, const QString &file, const QByteArray &dati)
{
    scrivibyte(file, dati);
    scegli(file);
    QStringList visto;
    quandomodale([&](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w))
            return visto << box->text(), box->accept();
        visto << testo(w, "intestazione");
        const auto *g = w->findChild<QTableWidget *>("griglia");
        for (int r = 0; r < g->rowCount(); ++r)
            for (int k = 1; k < 7; ++k)
                visto << g->item(r, k)->text();
        visto << testo(w, "saldoiniziale") + " " + testo(w, "saldofinale") +
                     (w->findChild<QLabel *>("avvisoquadra")->isHidden() ? "" : " non quadra");
        static_cast<QDialog *>(w)->reject();
    });
    clicca(&principale, "importa");
    return visto.join('|').replace(QDir::toNativeSeparators(file), "FILE");
}

} // namespace

TEST(Formimporta, ExcelWorkbooks)
{
    nuovoarchivio({"Alfa"});
    Formprincipale principale;
    stato().annogestione = "26";
    const QByteArray cartella = leggibyte(":/prove/movimenti.xls");
    const QString letta =
        "IT60 X054 2811 1010 0000 0123 456 · dal 02/03/2026 al 12/03/2026 · 4 movimenti|"
        "02/03/26|Rossi|Fattura n° 12 – caffè € e più|12345,67||nuovo|"
        "05/03/26|Banca|Commissione||0,30|nuovo|07/03/26|Cassa|Bancomat||20,00|nuovo|"
        "12/03/26|Bar Sport|Pagamento POS||45,50|nuovo|1000,00 13279,87";
    // The same workbook switched to counting its days from 1904: a plain day count would read
    // four years off there, so it is refused.
    QByteArray dal1904 = cartella;
    dal1904.replace(QByteArray("\x22\x00\x02\x00\x00\x00", 6),
                    QByteArray("\x22\x00\x02\x00\x01\x00", 6));
    QByteArray altro = cartella;
    altro.replace(QByteArray("W\0o\0r\0k\0b", 9), QByteArray("T\0h\0u\0m\0b", 9));
    const struct {
        const char *file;
        QByteArray dati;
        QString atteso;
    } casi[] = {
        {"movimenti.xls", cartella, letta},
        // Beside it, a file of the same container that is no workbook, as Windows leaves in
        // a folder of pictures.
        {"estratti.zip", archivio({{"Thumbs.db", altro}, {"marzo/movimenti.xls", cartella}}),
         letta},
        {"1904.xls", dal1904,
         "Il file FILE non è un estratto conto leggibile: Riga 9: data non valida (\"46088\")."},
        {"cut.xls", cartella.first(cartella.size() / 2),
         "Il file FILE non è un estratto conto leggibile: il file Excel 97-2003 è danneggiato."},
    };
    for (const auto &c : casi)
        EXPECT_EQ(importa(principale, cartellautente() + "/" + c.file, c.dati).toStdString(),
                  c.atteso.toStdString())
            << c.file;
    // Nothing of the copy freexl read is left behind.
    EXPECT_EQ(QDir::temp().entryList({"quaderola-*.xls"}).join(' ').toStdString(), "");
}
