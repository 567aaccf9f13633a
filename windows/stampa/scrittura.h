#pragma once

#include "platform/stampante.h"

#include <QString>

// What a print job writes goes through here: after the first step the printer refuses nothing
// more is asked of it, so the job ends exactly where the printer gave up and says so once, at
// its end.
class Scrittura
{
  protected:
    explicit Scrittura(Stampante &s) : s(s) {}

    void grassetto(bool attivo)
    {
        if (ok)
            ok = s.grassetto(attivo);
    }
    void scrivi(double x, const QString &testo, bool acapo)
    {
        if (!ok)
            return;
        s.impostax(x);
        ok = s.scrivi(testo, acapo);
    }
    void linea(double x1, double y1, double x2, double y2)
    {
        if (ok)
            ok = s.linea(x1, y1, x2, y2);
    }
    // A rule across the page at the current line.
    void orizzontale() { linea(0.5, s.y(), W - 0.5, s.y()); }

    Stampante &s;
    bool ok = true;
    double W = 0, H = 0; // the page, in centimetres
};
