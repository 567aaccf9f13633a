#pragma once

#include "platform/stampante.h"

#include <QList>

// A print service that records every drawing with its position. Text is 0.2 cm a character
// (0.25 in bold) and a line 0.5 cm high.
struct Operazione {
    enum Tipo { testo, linea, pagina } tipo;
    double x, y, x2, y2;
    QString scritto;
    bool grassetto;
};

class Registratore : public Stampante
{
  public:
    QStringList nomi = {"Ufficio", "Laser"};
    QString attuale = "Laser", scelta;
    double W = 18, H = 27, px = 0, py = 0;
    int falliscidopo = -1; // index of the drawing that fails; -1 none
    int qualitadata = 0, copiedate = 0, fini = 0;
    bool neretto = false;
    QList<Operazione> fatte;

    QStringList stampanti() const override { return nomi; }
    QString corrente() const override { return attuale; }
    bool scegli(const QString &n) override { return (scelta = attuale = n), true; }
    bool qualita(int c) override { return (qualitadata = c), true; }
    bool copie(int n) override { return (copiedate = n), true; }
    bool carattere(const QString &, double, bool b) override { return grassetto(b); }
    bool grassetto(bool b) override { return (neretto = b), true; }
    bool centimetri() override { return true; }
    double larghezza() const override { return W; }
    double altezza() const override { return H; }
    double x() const override { return px; }
    double y() const override { return py; }
    void posizione(double x, double y) override { px = x, py = y; }
    double larghezzatesto(const QString &t) const override
    {
        return t.size() * (neretto ? 0.25 : 0.2);
    }
    bool scrivi(const QString &t, bool acapo) override
    {
        if (!registra({Operazione::testo, px, py, 0, 0, t, neretto}))
            return false;
        acapo ? posizione(0, py + 0.5) : posizione(px + larghezzatesto(t), py);
        return true;
    }
    bool linea(double x1, double y1, double x2, double y2) override
    {
        return registra({Operazione::linea, x1, y1, x2, y2, {}, neretto}) &&
               (posizione(x2, y2), true);
    }
    bool nuovapagina() override
    {
        return registra({Operazione::pagina, 0, 0, 0, 0, {}, neretto}) && (posizione(0, 0), true);
    }
    bool fine() override { return ++fini, true; }
    QString motivo() const override { return "La stampante è spenta."; }

    QList<Operazione> tipo(Operazione::Tipo t) const
    {
        QList<Operazione> l;
        for (const Operazione &o : fatte)
            if (o.tipo == t && (t != Operazione::testo || !o.scritto.isEmpty()))
                l.append(o);
        return l;
    }
    bool stampato(const QString &testo) const
    {
        return std::any_of(fatte.begin(), fatte.end(), [&](auto &o) { return o.scritto == testo; });
    }

  private:
    bool registra(const Operazione &o)
    {
        return falliscidopo != fatte.size() && (fatte.append(o), true);
    }
};
