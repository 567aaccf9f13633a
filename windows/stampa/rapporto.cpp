#include "windows/stampa/rapporto.h"

#include "ledger/tabellamese.h"
#include "platform/date.h"
#include "platform/soldi.h"
#include "platform/stampante.h"
#include "windows/stampa/scrittura.h"

#include <cmath>

namespace {

// The area is kept to four decimals, like every amount of the program.
double quattrodecimali(double v)
{
    return std::round(v * 10000) / 10000;
}

QString datariga(const RigaMese &r, const QString &anno)
{
    const QString testo = QStringLiteral("%1/%2/%3").arg(r.giorno).arg(r.mese).arg(anno);
    const QDate d = leggidata(testo);
    return d.isValid() ? datadmy(d) : testo;
}

QString euro(qint64 importo)
{
    return QStringLiteral("€ ") + fixed(importo);
}

// One job. Every step goes through a wrapper that stops passing calls on after the first
// failure, so the job ends exactly where the printer gave up.
class Rapporto : Scrittura
{
  public:
    Rapporto(Stampante &s, const TabellaMese &t, const Lavoro &l) : Scrittura(s), t(t), l(l) {}

    bool esegui()
    {
        ok = s.qualita(l.qualita) && s.copie(l.copie) &&
             s.carattere(QStringLiteral("arial"), 12, true) && s.centimetri();
        if (ok) {
            W = quattrodecimali(s.larghezza());
            H = quattrodecimali(s.altezza());
            U = quattrodecimali(W / 6);
            intestazione();
        }
        for (int i = 1; ok && i <= t.numerorighe; ++i) {
            riga(t.riga(i));
            salto();
        }
        orizzontale();
        const bool chiuso = s.fine();
        return ok && chiuso;
    }

  private:
    void intestazione()
    {
        acapo();
        grassetto(true);
        scrivi((W - s.larghezzatesto(l.titolo)) / 2, l.titolo, true);
        grassetto(false);
        const QString numero = QStringLiteral("Pag. %1").arg(pagina);
        scrivi(W - s.larghezzatesto(numero) - 0.5, numero, true);
        grassetto(true);
        orizzontale();
        acapo();
        scrivi(1.1, QStringLiteral("DATA"), false);
        scrivi(U + 1.7, QStringLiteral("DESCRIZIONE"), false);
        scrivi(3 * U + 0.5, QStringLiteral("ENTRATE"), false);
        scrivi(4 * U + 0.5, QStringLiteral("USCITE"), false);
        scrivi(5 * U + 0.5, QStringLiteral("SALDO"), true);
        acapo();
        verticali(1.5);
    }

    // Two printed lines: date and first description; second description, amount and balance.
    void riga(const RigaMese &r)
    {
        grassetto(false);
        orizzontale();
        scrivi(0.8, datariga(r, l.anno), false);
        grassetto(true);
        scrivi(U - 0.5, r.descrizione[0], true);
        grassetto(false);
        scrivi(U - 0.5, r.descrizione[1], false);
        // Each figure ends a millimetre before the next column's rule; a damaged sign counts in
        // neither column.
        if (r.segno == 0)
            importo(3 * U + 0.5, U - 0.9, euro(r.importo), false);
        else if (r.segno == 1)
            importo(4 * U + 0.5, U - 1.1, euro(r.importo), false);
        if (r.saldo < 0)
            grassetto(true);
        importo(W - 0.5, U - 0.1, euro(r.saldo), true);
        verticali(0.99);
    }

    // An amount in smaller type when it does not fit its room: from x on, or, for the balance
    // (which ends the line), up to x.
    void importo(double x, double spazio, const QString &testo, bool saldo)
    {
        double punti = 12;
        while (ok && s.larghezzatesto(testo) > spazio && punti > 6)
            ok = s.carattere(QStringLiteral("arial"), punti -= 0.5, neretto);
        scrivi(saldo ? x - s.larghezzatesto(testo) : x, testo, saldo && punti == 12);
        if (punti == 12)
            return;
        if (ok) // the line ends in the row's own type, as every other row's
            ok = s.carattere(QStringLiteral("arial"), 12, neretto);
        if (saldo)
            acapo();
    }

    // Made after every row, the last included.
    void salto()
    {
        if (!ok || s.y() < H - 2)
            return;
        orizzontale();
        if (ok)
            ok = s.nuovapagina();
        ++pagina;
        intestazione();
    }

    void grassetto(bool attivo)
    {
        neretto = attivo;
        Scrittura::grassetto(attivo);
    }
    void acapo()
    {
        if (ok)
            ok = s.scrivi(QString(), true);
    }
    // The rules left of each column and the right border, from altezza above y down to y.
    void verticali(double altezza)
    {
        for (double x : {0.5, U - 0.7, 3 * U, 4 * U - 0.3, 5 * U - 0.5, W - 0.5})
            linea(x, s.y() - altezza, x, s.y());
    }

    const TabellaMese &t;
    const Lavoro &l;
    bool neretto = true;
    double U = 0;
    int pagina = 1;
};

} // namespace

bool stampapagine(Stampante &s, const TabellaMese &t, const Lavoro &l)
{
    return Rapporto(s, t, l).esegui();
}

Esitostampa stampamese(Stampante &s, const QString &nome, const TabellaMese &t, const Lavoro &l)
{
    return stampasu(s, nome, [&](Stampante &p) { return stampapagine(p, t, l); });
}

Esitostampa stampasu(Stampante &s, const QString &nome,
                     const std::function<bool(Stampante &)> &disegna)
{
    if (nome.isEmpty() || !s.stampanti().contains(nome, Qt::CaseSensitive))
        return Esitostampa::nessunastampante;
    if (!s.scegli(nome)) {
        s.fine();
        return Esitostampa::interrotta;
    }
    return disegna(s) ? Esitostampa::completata : Esitostampa::interrotta;
}
