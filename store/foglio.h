#pragma once

#include <QByteArray>
#include <QString>

// A table as a spreadsheet opens it by double click on an Italian system: UTF-8 with a
// byte-order mark, fields split by ';', lines ended by CR LF, a field holding ';', '"' or a line
// break between quotes with its quotes doubled.
class FoglioCsv
{
  public:
    FoglioCsv();

    // A text. One that a spreadsheet would take for a formula ('=', '+', '-', '@', a tab or a
    // carriage return first) gets a leading apostrophe, so a description never runs.
    FoglioCsv &testo(const QString &campo);
    // A number written as it is ("-1234,50"), so the spreadsheet sums it.
    FoglioCsv &numero(const QString &campo);
    // Ends the line.
    void acapo();

    const QByteArray &dati() const { return byte; }

  private:
    void scrivi(const QString &campo);

    QByteArray byte;
    bool primo = true; // no field on this line yet
};
