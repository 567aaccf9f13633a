#include "windows/fatture/formfatture.h"

#include "app/stato.h"
#include "ledger/importafatture.h"
#include "platform/aspetto.h"
#include "platform/dialoghi.h"
#include "platform/soldi.h"
#include "store/fattureditta.h"
#include "store/scadenze.h"

#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

const int larghezze[] = {300, 2600, 3300, 1200, 1450, 1450, 1800}; // twips

QPushButton *pulsante(QWidget *padre, const char *nome, const char *testo, int x)
{
    auto *b = new QPushButton(QString::fromUtf8(testo), padre);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(area(x, 6300, 1800, 450));
    return b;
}

// The party's VAT number with its country, else its codice fiscale.
QString codice(const Soggetto &s)
{
    const QString iva = partitaiva(s);
    return iva.isEmpty() ? s.codicefiscale : iva;
}

} // namespace

Formfatture::Formfatture(const QStringList &file, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Formfatture"));
    setWindowTitle(QStringLiteral("Importa fatture elettroniche"));
    setFixedSize(tw(12600), tw(7000));
    sfondo(this, QColor(192, 192, 192));
    costruisci();
    leggi(file);
    const Stato &s = stato();
    if (const Esito e = leggiidentita(s.percorso, s.dittacorrente, codiceditta); !e)
        avviso(this, e.messaggio());
    if (codiceditta.isEmpty() && !file.isEmpty())
        chiediditta();
    else
        classifica();
}

void Formfatture::costruisci()
{
    griglia = new QTableWidget(0, 7, this);
    griglia->setObjectName(QStringLiteral("fatture"));
    griglia->setGeometry(area(120, 120, 12360, 5500));
    griglia->setHorizontalHeaderLabels(
        {"", "Fattura", "Controparte", "Scadenza", "DA INCASSARE", "DA PAGARE", "Stato"});
    grigliafissa(griglia, larghezze);
    riepilogo = new QLabel(this);
    riepilogo->setObjectName(QStringLiteral("riepilogo"));
    riepilogo->setGeometry(area(120, 5760, 12360, 330));
    connect(pulsante(this, "ditta", "Ditta...", 120), &QPushButton::clicked, this,
            &Formfatture::chiediditta);
    connect(pulsante(this, "registra", "Registra", 8760), &QPushButton::clicked, this,
            &Formfatture::registra);
    auto *annulla =
        pulsanteimmagine(this, "annulla", area(11520, 6200, 855, 735), QStringLiteral("Chiudi"));
    connect(annulla, &QToolButton::clicked, this, &QDialog::reject);
}

void Formfatture::leggi(const QStringList &file)
{
    for (const QString &nome : file) {
        QFile f(nome);
        const QString breve = QFileInfo(nome).fileName();
        if (f.size() > fatturamassima || !f.open(QIODevice::ReadOnly)) {
            FileFattura guasto{breve, Genere::illeggibile, {}, {}};
            guasto.motivo = f.isOpen() || f.size() > fatturamassima
                                ? QStringLiteral("File troppo grande")
                                : motivoerrore(f);
            letti.append(guasto);
            continue;
        }
        letti += leggifatture(f.readAll(), breve);
    }
}

void Formfatture::chiediditta()
{
    QList<Fattura> tutte;
    for (const FileFattura &l : std::as_const(letti))
        tutte += l.fatture;
    QString proposta = codiceditta;
    if (proposta.isEmpty())
        if (const std::optional<Soggetto> comune = dittacomune(tutte))
            proposta = codice(*comune);
    bool ok = false;
    const QString scelta =
        QInputDialog::getText(this, QStringLiteral("Ditta"),
                              QStringLiteral("Partita IVA o codice fiscale della ditta:"),
                              QLineEdit::Normal, proposta, &ok)
            .trimmed()
            .toUpper();
    if (ok && !scelta.isEmpty() && scelta != codiceditta) {
        const Stato &s = stato();
        if (const Esito e = scriviidentita(s.percorso, s.dittacorrente, scelta); !e)
            avviso(this, e.messaggio());
        codiceditta = scelta;
    }
    classifica();
}

void Formfatture::classifica()
{
    righe.clear();
    QSet<QString> lette;
    const Stato &s = stato();
    if (const Esito e = leggichiavi(s.percorso, s.dittacorrente, lette); !e)
        avviso(this, e.messaggio());
    for (const FileFattura &l : std::as_const(letti)) {
        if (l.genere != Genere::fatture) {
            Riga r;
            r.fattura = l.nome;
            r.stato = generefattura(l.genere);
            r.motivo = l.motivo;
            righe.append(r);
        }
        // The same invoice in two files chosen together (its .xml and its .p7m) is
        // imported from the first alone.
        for (const Fattura &f : l.fatture) {
            aggiungi(l.nome, f, lette);
            lette.insert(chiavefattura(f));
        }
    }
    riempi();
}

// The rows of one invoice: its items, or one row saying why it makes none.
void Formfatture::aggiungi(const QString &nome, const Fattura &f, const QSet<QString> &lette)
{
    Riga r;
    r.fattura = f.numero + QStringLiteral(" del ") + f.data.toString(QStringLiteral("dd/MM/yyyy"));
    r.chiave = chiavefattura(f);
    r.motivo = nome;
    const Lato lato = latoditta(f, codiceditta, codiceditta);
    r.altro = lato == Lato::cedente ? f.cessionario : f.cedente;
    r.voce.controparte = taglioparola(r.altro.nome, scadenze::larghezzadescrizione);
    if (f.valuta.compare(QLatin1String("EUR"), Qt::CaseInsensitive) != 0)
        r.stato = QStringLiteral("altra valuta");
    else if (lato != Lato::cedente && lato != Lato::cessionario)
        r.stato = QStringLiteral("non della ditta");
    if (!r.stato.isEmpty()) {
        righe.append(r);
        return;
    }
    const bool presente = lette.contains(r.chiave);
    for (const Voce &v : vocifattura(f, lato)) {
        r.voce = v;
        r.importabile = !presente;
        r.stato = presente         ? QStringLiteral("già presente")
                  : v.senzatermini ? QStringLiteral("senza termini")
                                   : QStringLiteral("nuova");
        righe.append(r);
    }
}

void Formfatture::riempi()
{
    griglia->setRowCount(int(righe.size()));
    QSet<QString> fatture, presenti;
    int voci = 0;
    for (int i = 0; i < righe.size(); ++i) {
        const Riga &r = righe[i];
        auto *spunta = cellafissa(QString());
        if (r.importabile) {
            spunta->setFlags(spunta->flags() | Qt::ItemIsUserCheckable);
            spunta->setCheckState(Qt::Checked);
            ++voci;
        }
        griglia->setItem(i, 0, spunta);
        griglia->setItem(i, 1, cellafissa(r.fattura));
        griglia->setItem(i, 2, cellafissa(r.voce.controparte));
        const bool voce = r.voce.scadenza.isValid();
        const QString importo = voce ? fixed(qAbs(r.voce.importo)) : QString();
        griglia->setItem(
            i, 3,
            cellafissa(voce ? r.voce.scadenza.toString(QStringLiteral("dd/MM/yyyy")) : QString(),
                       Qt::AlignHCenter));
        griglia->setItem(i, 4,
                         cellafissa(r.voce.importo > 0 ? importo : QString(), Qt::AlignRight));
        griglia->setItem(i, 5,
                         cellafissa(r.voce.importo < 0 ? importo : QString(), Qt::AlignRight));
        auto *stato = cellafissa(r.stato);
        stato->setToolTip(r.motivo);
        griglia->setItem(i, 6, stato);
        if (!r.chiave.isEmpty())
            fatture.insert(r.chiave);
        if (r.stato == QStringLiteral("già presente"))
            presenti.insert(r.chiave);
    }
    riepilogo->setText(QStringLiteral("%1 fatture, %2 scadenze, %3 già presenti")
                           .arg(fatture.size())
                           .arg(voci)
                           .arg(presenti.size()));
}

void Formfatture::registra()
{
    QList<Sceltafattura> scelte;
    for (int i = 0; i < righe.size(); ++i)
        if (righe[i].importabile && griglia->item(i, 0)->checkState() == Qt::Checked)
            scelte.append({righe[i].chiave, righe[i].voce, righe[i].altro});
    const Stato &s = stato();
    QStringList importate;
    if (const Esito e = importafatture(s.percorso, s.dittacorrente, scelte, importate); !e) {
        avviso(this, e.messaggio());
        if (importate.isEmpty())
            return;
    }
    accept();
}
