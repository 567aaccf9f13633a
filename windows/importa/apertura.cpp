// The bank's opening balance, offered as the first movement of an account that has none before
// the statement.
#include "windows/importa/formimporta.h"

#include "app/stato.h"
#include "platform/aspetto.h"

#include <QCheckBox>
#include <algorithm>

namespace {

QDate primadata(const Estratto &e)
{
    QDate prima;
    for (const RigaEstratto &r : e.righe)
        if (!prima.isValid() || r.data < prima)
            prima = r.data;
    return prima;
}

// The opening balance as a movement of its first date: "Saldo iniziale" / "Estratto conto".
Movimento movimentoapertura(const Estratto &e, qint16 conto)
{
    const RigaEstratto r{primadata(e), e.saldoiniziale.value_or(0),
                         QStringLiteral("Saldo iniziale"), QStringLiteral("Estratto conto")};
    return movimentoestratto(r, conto, stato().dittacorrente, Nomicontatti());
}

} // namespace

void Formimporta::costruisciapertura()
{
    saldoapertura = new QCheckBox(
        QStringLiteral("Registrare il saldo iniziale della banca come primo movimento del conto"),
        this);
    saldoapertura->setObjectName(QStringLiteral("saldoapertura"));
    saldoapertura->setGeometry(area(1100, 6030, 10200, 330)); // beneath ricorda
    saldoapertura->hide();
    connect(saldoapertura, &QCheckBox::toggled, this, &Formimporta::aggiornasaldi);
}

void Formimporta::aggiornaapertura()
{
    const QDate prima = primadata(estratto);
    const qint64 giorno = prima.toJulianDay();
    // Movements before the statement, or a carried balance, already say where the account
    // started; one on its first date may be the balance booked by an import before. A year
    // outside the book's range has no month file to take it.
    const bool offerto =
        conto() != 0 && movimentoapertura(estratto, conto()).importo != 0 && prima.isValid() &&
        importabile(anno, prima) &&
        std::none_of(anno.voci.begin(), anno.voci.end(), [&](const AnnoDitta::Voce &v) {
            return v.conto == conto() && v.giorno <= giorno;
        });
    if (!offerto)
        saldoapertura->setChecked(false);
    saldoapertura->setVisible(offerto);
}

std::optional<DaScrivere> Formimporta::apertura() const
{
    if (saldoapertura->isHidden() || !saldoapertura->isChecked())
        return std::nullopt;
    const QDate prima = primadata(estratto);
    return DaScrivere{movimentoapertura(estratto, conto()), prima.month(), prima.year()};
}
