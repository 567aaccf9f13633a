#include "app/formprincipale.h"
#include "platform/percorsi.h"
#include "store/guasti.h"
#include "support/finestre.h"
#include "windows/percorso/formpercorso.h"

#include <QApplication>
#include <QPointer>

namespace {

// Closes the window with its "X" label, as the user does.
void chiudi(QPointer<Formpercorso> &f)
{
    clicca(f.data(), "Label2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isNull(); }));
}

QList<Formpercorso *> aperte()
{
    QList<Formpercorso *> finestre;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<Formpercorso *>(w); p && p->isVisible())
            finestre.append(p);
    return finestre;
}

} // namespace

// A folder outside any data folder, and a cancelled dialog, change nothing; a folder inside one
// makes its parent the root, written on close and read at the next start.
TEST(Percorso, ChosenFolderBecomesTheRootAndIsRememberedOnCloseEvenAfterTheMainWindow)
{
    const QString impostazioni = nuovoarchivio() + "/impoqx.txt", casa = cartellautente();
    const QString rete = QDir::toNativeSeparators(casa + "/rete/"); // as the dialog gives it
    ASSERT_TRUE(QDir().mkpath(rete + "QuaderolaDati/vecchi") && QDir().mkpath(casa + "/archivio"));
    auto *principale = new Formprincipale;
    principale->show();
    clicca(principale, "impostazioni"); // returns at once: the window is not modal
    clicca(principale, "impostazioni");
    ASSERT_EQ(aperte().size(), 1);
    QPointer<Formpercorso> f = aperte().first();
    QString titolo;
    scegli(casa + "/archivio", &titolo);
    clicca(f, "apriseleziona");
    EXPECT_EQ(titolo, "Seleziona il percorso di Rete:");
    scegli("");
    clicca(f, "apriseleziona");
    EXPECT_EQ(stato().percorso, "c:");
    scegli(rete + "QuaderolaDati/vecchi");
    clicca(f, "apriseleziona");
    EXPECT_EQ(stato().percorso + "|" + testo(f, "Text1"), rete + "|" + rete);
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni), "\"" + rete.toUtf8() + "\"\r\n");
    stato().percorso = "c:";
    delete principale;
    principale = new Formprincipale; // reads the root written
    EXPECT_EQ(stato().percorso, rete);

    // Back to the local disk from a window that outlives the main window.
    clicca(principale, "impostazioni");
    ASSERT_EQ(aperte().size(), 1);
    f = aperte().first();
    delete principale;
    ASSERT_TRUE(f && f->isVisible());
    clicca(f, "selc");
    EXPECT_EQ(testo(f, "Text1"), "c:");
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni), "\"c:\"\r\n");

    // A settings file that cannot be written is reported.
    stato().percorso = "/altrove/";
    (f = new Formpercorso)->show();
    impostaguasto([](Operazione, const QString &file) { return file.contains("impoqx"); });
    const QString m = messaggio([&] { chiudi(f); });
    impostaguasto({});
    EXPECT_TRUE(m.contains("impoqx.txt") && m.contains("non sarà ricordato")) << m.toStdString();
    EXPECT_EQ(stato().percorso, "/altrove/");
    EXPECT_EQ(leggibyte(impostazioni), "\"c:\"\r\n");
}
