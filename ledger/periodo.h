#pragma once

#include <QString>

// The caption of a period: "Anno 20" & anno for 0, the month's name & " 20" & anno for 1 to
// 12, the empty text for anything else.
QString nomeperiodo(int periodo, const QString &anno);

// The four-digit year the program shows for the two-digit management year: "20" & anno.
QString annointero(const QString &anno);

// "Gennaio" to "Dicembre" for 1 to 12, "Anno" for 0.
QString nomemese(int periodo);
