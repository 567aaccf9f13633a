#include "app/azioneconto.h"

#include <QStyleOption>
#include <QStylePainter>
#include <QToolButton>

namespace {

// The style draws a button's text with mnemonics; doubling every "&" makes it draw them as
// they are, while the button keeps the name itself as its text.
QString letterale(QString testo)
{
    return testo.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

class BottoneConto : public QToolButton
{
  public:
    explicit BottoneConto(QWidget *parent) : QToolButton(parent) {}

    QSize sizeHint() const override
    {
        QSize s = QToolButton::sizeHint();
        const QFontMetrics fm = fontMetrics();
        s.rwidth() += fm.size(Qt::TextShowMnemonic, letterale(text())).width() -
                      fm.size(Qt::TextShowMnemonic, text()).width();
        return s;
    }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opzioni;
        initStyleOption(&opzioni);
        opzioni.text = letterale(opzioni.text);
        p.drawComplexControl(QStyle::CC_ToolButton, opzioni);
    }
};

} // namespace

AzioneConto::AzioneConto(const QString &nome, QObject *parent) : QWidgetAction(parent)
{
    rinomina(nome);
}

// Set explicitly, the icon text is not derived from the text, which strips "&" and "...".
void AzioneConto::rinomina(const QString &nome)
{
    setText(nome);
    setIconText(nome);
}

QWidget *AzioneConto::createWidget(QWidget *parent)
{
    auto *b = new BottoneConto(parent);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setDefaultAction(this);
    return b;
}
