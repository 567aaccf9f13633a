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
    const QByteArray alfabeto("aArRsS \xE0\xC0\x9A\x8A\xFF\x9F\xB5\xDF"
                              "1");
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
        if (prova % 3 == 0 && !testo.isEmpty()) {
            const int da = caso.bounded(int(testo.size()));
            cercato = testo.mid(da, 1 + caso.bounded(int(testo.size()) - da));
            cercato = caso.bounded(2) ? cercato.toUpper() : cercato.toLower();
        } else if (prova % 3 == 1) {
            cercato = fissi[caso.bounded(int(fissi.size()))];
        }
        ASSERT_EQ(TestoCercato(cercato).trovatoin(campo.constData(), campo.size()),
                  testo.contains(cercato, Qt::CaseInsensitive))
            << testo.toStdString() << " / " << cercato.toStdString();
    }
}
