#include "windows/scadenze/sceltaserie.h"

#include <QMessageBox>
#include <QPushButton>

Portata sceltaserie(QWidget *padre, const QString &domanda)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), domanda, QMessageBox::Cancel,
                    padre);
    auto *sola = box.addButton(QStringLiteral("solo questa"), QMessageBox::AcceptRole);
    auto *successive =
        box.addButton(QStringLiteral("questa e le successive"), QMessageBox::AcceptRole);
    sola->setObjectName(QStringLiteral("solaquesta"));
    successive->setObjectName(QStringLiteral("successive"));
    box.setDefaultButton(sola);
    box.exec();
    if (box.clickedButton() == sola)
        return Portata::solaquesta;
    return box.clickedButton() == successive ? Portata::successive : Portata::nessuna;
}
