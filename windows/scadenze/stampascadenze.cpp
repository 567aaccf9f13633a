#include "windows/scadenze/stampascadenze.h"

#include "platform/stampante.h"
#include "windows/stampa/rapporto.h"
#include "windows/stampa/scrittura.h"

namespace {

// The share of the width each column takes.
const double quote[] = {1300, 2500, 2300, 1600, 1600, 1200, 1900};
const QStringList titoli = {"SCADENZA",  "DESCRIZIONE", "DESCRIZIONE 2", "DA INCASSARE",
                            "DA PAGARE", "CONTO",       "STATO"};
constexpr int colonne = 7;
constexpr double punti = 9; // seven columns fit a portrait page in this type

bool destra(int colonna)
{
    return colonna == 3 || colonna == 4;
}

// One job, every step skipped after the first failure, as the ledger's report does.
class Pagine : Scrittura
{
  public:
    Pagine(Stampante &s, const Elencoscadenze &e, const Lavoro &l) : Scrittura(s), e(e), l(l) {}

    bool esegui()
    {
        ok = s.qualita(l.qualita) && s.copie(l.copie) &&
             s.carattere(QStringLiteral("arial"), punti, true) && s.centimetri();
        if (ok) {
            W = s.larghezza();
            H = s.altezza();
            double somma = 0;
            for (double q : quote)
                somma += q;
            x[0] = 0.5;
            for (int c = 0; c < colonne; ++c)
                x[c + 1] = x[c] + (W - 1) * quote[c] / somma;
            intestazione();
        }
        for (const QStringList &r : e.righe) {
            salto();
            riga(r, false);
        }
        for (const QString &p : e.piede) {
            salto();
            scrivi(0.8, p, true);
        }
        const bool chiuso = s.fine();
        return ok && chiuso;
    }

  private:
    void intestazione()
    {
        grassetto(true);
        scrivi((W - s.larghezzatesto(l.titolo)) / 2, l.titolo, false);
        const QString numero = QStringLiteral("Pag. %1").arg(pagina);
        scrivi(W - s.larghezzatesto(numero) - 0.5, numero, true);
        scrivi(0, QString(), true);
        carattere(7, true); // the headings whole in their columns
        riga(titoli, true);
        carattere(punti, false);
    }

    // A line of cells, each cut to its column, between rules.
    void riga(const QStringList &celle, bool intestazione)
    {
        orizzontale();
        const double sopra = s.y();
        for (int c = 0; c < colonne && ok; ++c) {
            QString t = celle.value(c);
            const double spazio = x[c + 1] - x[c] - 0.2;
            while (!t.isEmpty() && s.larghezzatesto(t) > spazio)
                t.chop(1);
            const bool adestra = destra(c) && !intestazione;
            scrivi(adestra ? x[c + 1] - 0.1 - s.larghezzatesto(t) : x[c] + 0.1, t, false);
        }
        scrivi(0, QString(), true);
        for (double v : x)
            linea(v, sopra, v, s.y());
        orizzontale();
    }

    void salto()
    {
        if (!ok || s.y() < H - 2)
            return;
        ok = s.nuovapagina();
        ++pagina;
        intestazione();
    }

    void carattere(double dimensione, bool neretto)
    {
        if (ok)
            ok = s.carattere(QStringLiteral("arial"), dimensione, neretto);
    }

    const Elencoscadenze &e;
    const Lavoro &l;
    double x[colonne + 1] = {};
    int pagina = 1;
};

} // namespace

bool stampascadenze(Stampante &s, const Elencoscadenze &e, const Lavoro &l)
{
    return Pagine(s, e, l).esegui();
}
