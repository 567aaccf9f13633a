#include "app/formprincipale.h"
#include "support/finestre.h"
#include "windows/guida/formguida.h"

#include <QDialog>
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWindow>

namespace {

// The page the guide shows and whether it scrolls: a click below the handle of its scroll bar,
// through the guide's own window as the user clicks, which a modal window would swallow.
struct Vista {
    QString pagina;
    bool scorre = false;
};

Vista guarda(Formguida *g)
{
    auto *testo = g->findChild<QTextBrowser *>("testo");
    QScrollBar *s = testo->verticalScrollBar();
    const int prima = s->value();
    const QPoint sotto = s->mapTo(g, QPoint(s->width() / 2, s->height() - s->width() - 4));
    QTest::mouseClick(g->windowHandle(), Qt::LeftButton, {}, sotto);
    return {testo->source().fileName(), s->value() > prima};
}

// F1 where the user types: the window's focused control, else the window.
void premif1(QWidget *finestra)
{
    QTest::keyClick(finestra->focusWidget() ? finestra->focusWidget() : finestra, Qt::Key_F1);
}

} // namespace

TEST(Formguida, F1OpensThePageOfTheWindowInFrontAlsoWhileAModalWindowWaits)
{
    nuovoarchivio({"Alfa"});
    Formprincipale f;
    f.show();
    const struct {
        const char *pulsante; // the modal window it opens; "" the main window
        const char *pagina;
    } casi[] = {{"", "registro.md"},
                {"nuovo", "movimenti.md"},
                {"vedisaldi", "saldi.md"},
                {"", "registro.md"}};
    for (const auto &c : casi) {
        Vista vista;
        const auto leggi = [&](QWidget *finestra) {
            premif1(finestra);
            vista = guarda(f.findChild<Formguida *>());
        };
        if (*c.pulsante) {
            quandomodale([&](QWidget *modale) {
                leggi(modale);
                static_cast<QDialog *>(modale)->reject();
            });
            clicca(&f, c.pulsante);
        } else {
            leggi(&f);
        }
        EXPECT_EQ(vista.pagina.toStdString(), c.pagina) << c.pulsante;
        EXPECT_TRUE(vista.scorre) << c.pulsante;
    }
    EXPECT_EQ(f.findChildren<Formguida *>().size(), 1); // the same guide at each page
    EXPECT_EQ(f.findChild<QAbstractButton *>("guida")->toolTip().toStdString(), "Guida (F1)");
}

TEST(Formguida, EveryPageAWindowNamesAndEveryLinkAndPictureOfTheGuideResolve)
{
    for (const QString &pagina : paginefinestre())
        EXPECT_TRUE(QFile::exists(":/guida/" + pagina)) << pagina.toStdString();
    const QRegularExpression collegamento(R"(\]\(([^)#]*)[^)]*\))");
    QDirIterator pagine(":/guida", {"*.md"});
    int lette = 0;
    while (pagine.hasNext()) {
        const QString pagina = pagine.next();
        ++lette;
        const QString testo = QString::fromUtf8(leggibyte(pagina));
        for (const QRegularExpressionMatch &m : collegamento.globalMatch(testo)) {
            const QString meta = ":/guida/" + m.captured(1);
            EXPECT_TRUE(m.captured(1).endsWith(".md") ? QFile::exists(meta)
                                                      : !QImage(meta).isNull())
                << pagina.toStdString() << ": " << m.captured(0).toStdString();
        }
    }
    EXPECT_GE(lette, 10);
}
