#include "platform/date.h"
#include "store/filemese.h"
#include "store/guasti.h"
#include "store/scadenze.h"
#include "support/finestre.h"
#include "windows/scadenze/formscadenze.h"

#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

// An item whose settlement cannot be written leaves no movement booked for it: the entry window
// stays open with the failure, and saving again must not book the payment twice.
TEST(Formscadenze, NoMovementBookedForAnItemLeftOpen)
{
    nuovoarchivio({"Alfa"});
    sorvegliamodali();
    Stato &s = stato();
    const QDate g = oggi();
    s.dittacorrente = 1, s.annogestione = annoyy(g);
    ASSERT_TRUE(creascadenza("c:", 1, {g, 1, 90 * euro, "Enel", "Bolletta", 0, 2, 0, 0, false}));
    Formscadenze f;
    f.findChild<QTableWidget *>("elenco")->item(0, 0)->setCheckState(Qt::Checked);
    QString rifiuto;
    quandomodale([&](QWidget *w) {
        impostaguasto([](Operazione o, const QString &n) {
            return o == Operazione::Scrittura && n.endsWith("scadenze");
        });
        QTimer::singleShot(0, w, [&] { // the refusal's box, from its own event loop
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            rifiuto = box->text();
            box->accept();
        });
        clicca(w, "registra");
        impostaguasto({});
        clicca(w, "annulla");
    });
    clicca(&f, "registra");
    EXPECT_TRUE(rifiuto.contains("scadenze")) << rifiuto.toStdString();
    QList<Movimento> movimenti;
    ASSERT_TRUE(leggimovimenti(percorsomese("c:", g.month(), annoyy(g)), movimenti));
    EXPECT_TRUE(std::none_of(movimenti.begin(), movimenti.end(), [](const Movimento &m) {
        return m.segno == movimento::entrata || m.segno == movimento::uscita;
    }));
    EXPECT_EQ(scartarisposte(), 0);
}
