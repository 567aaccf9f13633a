#pragma once

#include <QDate>
#include <QString>

QDate oggi();

QString datadmy(const QDate &d);    // "DD/MM/YY"
QString dataddmmyy(const QDate &d); // "DDMMYY"
QString annoyy(const QDate &d);     // "YY"

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
int annoquattrocifre(int anno);

// Reads a day/month/year text ("5/3/08", "01/01/2009", "1/1/9"); an invalid date when the text
// is not one. A year of one or two digits goes through annoquattrocifre.
QDate leggidata(const QString &testo);
