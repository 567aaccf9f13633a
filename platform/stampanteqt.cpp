// The print service over Qt's printing: QPrinterInfo lists the printers, QPrinter is the job
// (a system queue, or a PDF file), QPainter draws the pages in device pixels.
#include "platform/stampante.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr double cmperpollice = 2.54;
constexpr double spessorelinea = 0.02; // cm: a thin rule that still shows in draft quality

// A job on the printer described by info, or a PDF file. The layout depends only on the
// printable area: a portrait page suits it.
std::unique_ptr<QPrinter> nuovastampante(const QPrinterInfo &info, bool pdf)
{
    auto p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (pdf)
        p->setOutputFormat(QPrinter::PdfFormat);
    p->setPageOrientation(QPageLayout::Portrait);
    p->setDocName(QStringLiteral("Quaderola"));
    return p;
}

class StampanteQt : public Stampante
{
  public:
    StampanteQt() = default;
    explicit StampanteQt(const QString &file) : filepdf(file) { nuovolavoro(QPrinterInfo()); }
    // Draws on a printer someone else owns and ends: the print preview's.
    explicit StampanteQt(QPrinter &altrui) : stampa(&altrui), esterna(true) { preparalavoro(); }
    ~StampanteQt() override { fine(); }

    QStringList stampanti() const override { return QPrinterInfo::availablePrinterNames(); }
    QString corrente() const override
    {
        return scelta.isEmpty() ? QPrinterInfo::defaultPrinterName() : scelta;
    }

    bool scegli(const QString &nome) override
    {
        fine();
        const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
        if (info.isNull())
            return fallisci(QStringLiteral("La stampante %1 non è installata.").arg(nome));
        ricorda(nome);
        nuovolavoro(info);
        if (!stampa->isValid())
            return fallisci(QStringLiteral("La stampante %1 non è disponibile.").arg(nome));
        return true;
    }

    void ricorda(const QString &nome) override { scelta = nome; }

    bool qualita(int codice) override
    {
        // High, medium, low and draft as the resolution the pages are drawn at.
        static const int punti[] = {600, 300, 150, 75};
        if (codice < -4 || codice > -1)
            return fallisci(QStringLiteral("Qualità non valida."));
        if (!modificabile())
            return false;
        stampa->setResolution(punti[codice + 4]);
        return true;
    }

    bool copie(int numero) override
    {
        if (numero < 1)
            return fallisci(QStringLiteral("Numero di copie non valido."));
        if (!modificabile())
            return false;
        stampa->setCopyCount(numero);
        return true;
    }

    bool carattere(const QString &nome, double punti, bool grassetto) override
    {
        font = QFont(nome);
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(punti);
        font.setBold(grassetto);
        if (pittore)
            pittore->setFont(font);
        return true;
    }

    bool grassetto(bool attivo) override
    {
        font.setBold(attivo);
        if (pittore)
            pittore->setFont(font);
        return true;
    }

    bool centimetri() override { return stampa != nullptr || fallisci(nessuna()); }

    double larghezza() const override { return area().width() / 10.0; }
    double altezza() const override { return area().height() / 10.0; }

    double x() const override { return px; }
    double y() const override { return py; }
    void posizione(double x, double y) override
    {
        px = x;
        py = y;
    }

    double larghezzatesto(const QString &testo) const override
    {
        return centim(metriche().horizontalAdvance(testo));
    }

    bool scrivi(const QString &testo, bool acapo) override
    {
        if (!avvia())
            return false;
        const QFontMetricsF fm = metriche();
        if (!testo.isEmpty())
            pittore->drawText(QPointF(punti(px), punti(py) + fm.ascent()), testo);
        px += centim(fm.horizontalAdvance(testo));
        if (acapo) {
            px = 0;
            py += centim(fm.lineSpacing());
        }
        return controlla();
    }

    bool linea(double x1, double y1, double x2, double y2) override
    {
        if (!avvia())
            return false;
        pittore->drawLine(QPointF(punti(x1), punti(y1)), QPointF(punti(x2), punti(y2)));
        posizione(x2, y2);
        return controlla();
    }

    bool nuovapagina() override
    {
        if (!avvia())
            return false;
        if (!stampa->newPage())
            return fallisci(QStringLiteral("Impossibile iniziare una nuova pagina."));
        posizione(0, 0);
        return controlla();
    }

    bool fine() override
    {
        if (!pittore) {
            lascia();
            return true;
        }
        bool ok = pittore->end();
        pittore.reset();
        if (!ok)
            fallisci(QStringLiteral("Il lavoro non è stato accettato."));
        ok = controlla() && ok;
        // A queue removed while the pages were drawn cannot have received them.
        if (ok && !esterna && filepdf.isEmpty() && QPrinterInfo::printerInfo(scelta).isNull())
            ok = fallisci(QStringLiteral("La stampante %1 non è più disponibile.").arg(scelta));
        lascia();
        return ok;
    }

    QString motivo() const override { return errore; }

  private:
    void nuovolavoro(const QPrinterInfo &info)
    {
        propria = nuovastampante(info, !filepdf.isEmpty());
        stampa = propria.get();
        if (!filepdf.isEmpty())
            stampa->setOutputFileName(filepdf);
        preparalavoro();
    }
    void preparalavoro()
    {
        font = QFont(QStringLiteral("arial"));
        posizione(0, 0);
        errore.clear();
    }
    void lascia()
    {
        stampa = nullptr;
        propria.reset();
    }

    bool fallisci(const QString &testo)
    {
        errore = testo;
        return false;
    }
    static QString nessuna() { return QStringLiteral("Nessuna stampante scelta."); }

    // Settings that shape the pages must come before the first drawing.
    bool modificabile()
    {
        if (!stampa)
            return fallisci(nessuna());
        if (pittore)
            return fallisci(QStringLiteral("Il lavoro è già iniziato."));
        return true;
    }

    bool avvia()
    {
        if (pittore)
            return true;
        if (!stampa)
            return fallisci(nessuna());
        pittore = std::make_unique<QPainter>();
        if (!pittore->begin(stampa)) {
            pittore.reset();
            return fallisci(
                filepdf.isEmpty()
                    ? QStringLiteral("La stampante %1 non accetta il lavoro.").arg(scelta)
                    : QStringLiteral("Impossibile scrivere il file %1.").arg(filepdf));
        }
        pittore->setFont(font);
        pittore->setPen(QPen(Qt::black, punti(spessorelinea)));
        return true;
    }

    bool controlla()
    {
        const QPrinter::PrinterState s = stampa ? stampa->printerState() : QPrinter::Error;
        if (s == QPrinter::Error || s == QPrinter::Aborted)
            return fallisci(QStringLiteral("La stampante ha segnalato un errore."));
        return true;
    }

    QRectF area() const { return stampa ? stampa->pageRect(QPrinter::Millimeter) : QRectF(); }
    QFontMetricsF metriche() const
    {
        return stampa ? QFontMetricsF(font, stampa) : QFontMetricsF(font);
    }
    double dpi() const { return stampa ? stampa->resolution() : 96.0; }
    double punti(double cm) const { return cm / cmperpollice * dpi(); }
    double centim(double pixel) const { return pixel / dpi() * cmperpollice; }

    QString filepdf;
    QString scelta;
    std::unique_ptr<QPrinter> propria; // the job's own printer; none for a preview's
    QPrinter *stampa = nullptr;
    bool esterna = false;
    std::unique_ptr<QPainter> pittore;
    QFont font;
    double px = 0;
    double py = 0;
    QString errore;
};

Stampante *sostituta = nullptr;

} // namespace

Stampante &stampante()
{
    if (sostituta)
        return *sostituta;
    // Never destroyed: a printer must not outlive the application object at exit.
    static StampanteQt *sistema = new StampanteQt;
    return *sistema;
}

void usastampante(Stampante *nuova)
{
    sostituta = nuova;
}

std::unique_ptr<Stampante> stampantepdf(const QString &file)
{
    return std::make_unique<StampanteQt>(file);
}

bool anteprima(QWidget *padre, const QString &nome, const std::function<bool(Stampante &)> &disegna,
               QString &motivo)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    const std::unique_ptr<QPrinter> p = nuovastampante(info, info.isNull());
    QPrintPreviewDialog finestra(p.get(), padre);
    finestra.setObjectName(QStringLiteral("anteprima"));
    bool ok = true;
    QObject::connect(&finestra, &QPrintPreviewDialog::paintRequested, [&](QPrinter *pagine) {
        StampanteQt s(*pagine);
        if (!disegna(s) && ok) {
            ok = false;
            motivo = s.motivo();
        }
    });
    // The preview accepts once it has printed; a PDF file written from it is no printer.
    if (finestra.exec() == QDialog::Accepted && p->outputFormat() == QPrinter::NativeFormat)
        stampante().ricorda(p->printerName());
    return ok;
}
