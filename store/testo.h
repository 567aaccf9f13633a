#pragma once

#include <QByteArray>
#include <QString>

// Reads the fields of the small sequential text files (company list, settings file):
// blanks and line ends before a field are skipped; a field in double quotes runs to the next
// quote and the rest of its line is passed over; any other field runs to a comma or line end.
class LettoreCampi
{
  public:
    explicit LettoreCampi(const QByteArray &dati) : dati(dati) {}
    // False when no field is left.
    bool prossimo(QString &campo);

  private:
    QByteArray dati;
    qsizetype pos = 0;
};
