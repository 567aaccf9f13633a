// The five commands of the backup window and the file loop they share.
#include "windows/backup/formbackup.h"

#include "app/stato.h"
#include "platform/date.h"
#include "platform/dialoghi.h"
#include "store/copiacartella.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

namespace {

const QString successo = QStringLiteral("Procedura eseguita con successo");
const QString errore = QStringLiteral("Si è verificato un errore Imprevisto");

QString cartelladati()
{
    return stato().percorso + QStringLiteral("\\quaderoladati");
}

QString dentro(const QString &cartella, const QString &nome)
{
    return cartella + QLatin1Char('\\') + nome;
}

// The action that copies a file of da into a, under its own name.
std::function<Esito(const QString &)> copiain(const QString &da, const QString &a)
{
    return [da, a](const QString &nome) { return copiafile(dentro(da, nome), dentro(a, nome)); };
}

// A long copy over the network shows the busy cursor; no input is handled meanwhile.
struct Occupato {
    Occupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Occupato() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void Formbackup::avvia()
{
    const Testi testi{successo, errore};
    const QString dati = cartelladati();
    if (!apri(dati, testi))
        return;
    if (!conferma(this, QStringLiteral("Sicuro di effettuare copia Backup Quaderola?")))
        return;
    const QString copia =
        stato().percorso + QStringLiteral("\\backupquaderoladati") + dataddmmyy(oggi());
    if (!crea(copia, testi))
        return;
    ciclofile(dati, copiain(dati, copia), testi);
}

void Formbackup::salva()
{
    const Testi testi{successo + QLatin1Char('!'), errore + QLatin1Char('.')};
    const QString dati = cartelladati();
    if (!apri(dati, testi))
        return;
    const QString scelta =
        sceglicartella(this, QStringLiteral("Seleziona la cartella di destinazione"));
    if (scelta.isEmpty())
        return;
    const QString copia = scelta + QStringLiteral("\\quaderoladati");
    if (!crea(copia, testi))
        return;
    ciclofile(dati, copiain(dati, copia), testi);
}

void Formbackup::carica()
{
    const Testi testi{successo + QLatin1Char('!'), errore + QLatin1Char('.')};
    const QString origine =
        sceglicartella(this, QStringLiteral("Seleziona la cartella di Origine"));
    if (!origine.contains(QStringLiteral("quaderoladati"), Qt::CaseInsensitive))
        return;
    if (ciclofile(origine, copiain(origine, cartelladati()), testi))
        terminaprogramma();
}

void Formbackup::ripristina()
{
    const Testi testi{successo + QLatin1Char('!'), errore + QLatin1Char('.')};
    if (!conferma(this, QStringLiteral("Sicuro di Ripristinare Copia Backup?")))
        return;
    const QString origine =
        sceglicartella(this, QStringLiteral("Seleziona la cartella Backup desiderata"));
    if (!origine.contains(QStringLiteral("backupquaderoladati"), Qt::CaseInsensitive))
        return;
    if (ciclofile(origine, copiain(origine, cartelladati()), testi))
        terminaprogramma();
}

void Formbackup::cancella()
{
    const Testi testi{successo, errore};
    const QString dati = cartelladati();
    if (!apri(dati, testi))
        return;
    if (!conferma(this, QStringLiteral("Sicuro di Cancellare l 'intero Archivio?")))
        return;
    const auto elimina = [dati](const QString &nome) { return cancellafile(dentro(dati, nome)); };
    if (ciclofile(dati, elimina, testi))
        terminaprogramma();
}

// The data folder must be readable before anything is asked.
bool Formbackup::apri(const QString &cartella, const Testi &testi)
{
    QStringList nomi;
    const Esito esito = elencafile(cartella, nomi);
    if (!esito)
        fallisce(testi, esito);
    return esito.ok;
}

bool Formbackup::crea(const QString &cartella, const Testi &testi)
{
    const Esito esito = creacartella(cartella);
    if (!esito)
        fallisce(testi, esito);
    return esito.ok;
}

// Runs azione on every file directly in sorgente, stepping the bar just before each. True when
// every file was handled; false, with the status line untouched, when there was no file, and
// false with the error text at the first failure (the files handled before it stay handled).
bool Formbackup::ciclofile(const QString &sorgente, const Azione &azione, const Testi &testi)
{
    QStringList nomi;
    if (const Esito esito = elencafile(sorgente, nomi); !esito) {
        fallisce(testi, esito);
        return false;
    }
    if (nomi.isEmpty())
        return false;
    const Occupato occupato;
    ProgressBar1->setRange(1, int(nomi.size()) + 1);
    ProgressBar1->setValue(1);
    for (const QString &nome : nomi) {
        ProgressBar1->setValue(ProgressBar1->value() + 1);
        ProgressBar1->repaint();
        if (const Esito esito = azione(nome); !esito) {
            fallisce(testi, esito);
            return false;
        }
    }
    Label1->setText(testi.successo);
    Label1->setToolTip(QString());
    return true;
}

// The status line takes the command's own text; the file and the reason stay in its tooltip.
void Formbackup::fallisce(const Testi &testi, const Esito &esito)
{
    Label1->setText(testi.errore);
    Label1->setToolTip(esito.messaggio());
}

// The data on disk no longer matches what the program holds in memory.
void Formbackup::terminaprogramma()
{
    avviso(this, QStringLiteral("Riavviare il programma"));
    stato().terminato = true;
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
