#include "ledger/importo.h"
#include "ledger/testocercato.h"
#include "store/codepage.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

// The byte search must agree with QString::contains(Qt::CaseInsensitive) on the decoded,
// trimmed field for every text: accents, the Windows-1252 letters outside Latin-1, blanks at
// the ends of the text, matches at the very end of the field and across the 16-byte blocks.
TEST(TestoCercato, AgreesWithQStringOnTheDecodedField)
{
    const QByteArray alfabeto("1aArRsS \xE0\xC0\x9A\x8A\xFF\x9F\xB5\xDF");
    const QStringList fissi = {"\u03bc", "ss", " r", "r ", QString(30, 'a'), "", "A"};
    QRandomGenerator caso(11);
    auto pezzo = [&](int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i)
            b += alfabeto[caso.bounded(int(alfabeto.size()))];
        return b;
    };
    for (int prova = 0; prova < 4000; ++prova) {
        QByteArray campo = QByteArray(caso.bounded(4), ' ') + pezzo(caso.bounded(47));
        campo += QByteArray(50 - campo.size(), caso.bounded(8) ? ' ' : '\0');
        const QString testo = decodificatesto(campo.constData(), campo.size());
        QString cercato = decodificatesto(pezzo(1 + caso.bounded(3)));
        const QString parte = testo.mid(caso.bounded(int(testo.size()) + 1), 1 + caso.bounded(50));
        if (prova % 3 == 0 && !parte.isEmpty()) // a piece of the field itself, its case changed
            cercato = prova % 2 ? parte.toUpper() : parte.toLower();
        else if (prova % 3 == 1)
            cercato = fissi[caso.bounded(int(fissi.size()))];
        ASSERT_EQ(TestoCercato(cercato).trovatoin(campo.constData(), campo.size()),
                  testo.contains(cercato, Qt::CaseInsensitive))
            << testo.toStdString() << " / " << cercato.toStdString();
    }
}

// A point text rounded to four decimals half away from zero, zero tested before rounding; what
// does not fit 64 bits is refused, not wrapped.
TEST(Importo, ReadsRoundsAndRefuses)
{
    // "text=ten-thousandths" cases split by "|": "0" is a zero as written, "~0" a number that
    // rounds to zero, "?" one out of range.
    const QString casi = "12.5=125000|-7=-70000|-.5=-5000|.5=5000|5.=50000|0.15=1500|"
                         "0.29=2900|007.50=75000|  3.25 =32500|-=0|.=0|=0|0=0|0.00=0|-0=0|-.=0|"
                         "1.23455=12346|1.23454999=12345|"
                         "-1.23455=-12346|0.99995=10000|1.0000000000000000000000000001=10000|"
                         "0.00001=~0|922337203685477.5807=9223372036854775807|"
                         "-922337203685477.5807=-9223372036854775807|"
                         "00000000000000000000000000000000001=10000|922337203685477.5808=?|"
                         "922337203685477.58075=?|922337203685478=?|-922337203685477.5808=?|"
                         "99999999999999999999999999999999999999=?|18446744073709551616=?|"
                         "1844674407370955.1616=?";
    for (const QString &caso : casi.split('|')) {
        const QString atteso = caso.section('=', 1);
        const Importo i = leggiimporto(caso.section('=', 0, 0));
        EXPECT_EQ(i.valore, atteso.toLongLong()) << caso.toStdString();
        EXPECT_EQ(i.zero, atteso == "0") << caso.toStdString();
        EXPECT_EQ(i.fuoriscala, atteso == "?") << caso.toStdString();
    }
}
