#pragma once

#include <QWidgetAction>

// An account button of the toolbar. Its caption is the account's name exactly as typed: the
// action's text and icon text, the button's text and what the button draws ("B&B Riviera",
// "Varie..."), where a plain toolbar action would take "&" for a mnemonic and drop "...".
class AzioneConto : public QWidgetAction
{
  public:
    AzioneConto(const QString &nome, QObject *parent);
    void rinomina(const QString &nome);

  protected:
    QWidget *createWidget(QWidget *parent) override;
};
