#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/guasti.h"
#include "support/aiuti.h"
#include "windows/percorso/formpercorso.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the folder dialog by choosing cartella, or cancels it when cartella is empty.
void scegli(const QString &cartella, QString *titolo = nullptr)
{
    quandomodale([cartella, titolo](QWidget *w) {
        auto *dialogo = qobject_cast<QFileDialog *>(w);
        ASSERT_TRUE(dialogo && dialogo->parentWidget()->inherits("Formpercorso"));
        if (titolo)
            *titolo = dialogo->windowTitle();
        if (cartella.isEmpty())
            return dialogo->reject();
        dialogo->setDirectory(cartella);
        static_cast<QDialog *>(dialogo)->accept(); // QFileDialog::accept, protected there
    });
}

QString testo(const Formpercorso &f)
{
    return f.findChild<QLineEdit *>("Text1")->text();
}

void premi(const Formpercorso &f, const char *nome)
{
    f.findChild<QAbstractButton *>(QString::fromLatin1(nome))->click();
}

// Closes the window with its "X" label, as the user does.
void chiudi(QPointer<Formpercorso> &f)
{
    QTest::mouseClick(f->findChild<QLabel *>("Label2"), Qt::LeftButton);
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

QString impostazioni()
{
    return QDir::homePath() + "/quaderoladati/impoqx.txt";
}

} // namespace

TEST(Percorso, ChosenFolderBecomesTheRootAndIsRememberedOnClose)
{
    const QString casa = nuovacasa();
    cartellalocale();
    const QString rete = casa + "/rete/";
    ASSERT_TRUE(QDir().mkpath(rete + "QuaderolaDati/vecchi"));
    ASSERT_TRUE(QDir().mkpath(casa + "/archivio"));
    stato().percorso = "c:";
    QPointer<Formpercorso> f = new Formpercorso;
    f->show();
    EXPECT_EQ(testo(*f), "c:");

    // A folder outside any data folder, and a cancelled dialog, change nothing.
    QString titolo;
    scegli(casa + "/archivio", &titolo);
    premi(*f, "apriseleziona");
    EXPECT_EQ(titolo, "Seleziona il percorso di Rete:");
    scegli("");
    premi(*f, "apriseleziona");
    EXPECT_EQ(stato().percorso, "c:");

    scegli(rete + "QuaderolaDati/vecchi");
    premi(*f, "apriseleziona");
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_EQ(stato().percorso, rete);
    EXPECT_EQ(testo(*f), rete);
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni()), "\"" + rete.toUtf8() + "\"\r\n");
    stato().percorso = "c:";
    Formprincipale prossimoavvio; // reads the root written
    EXPECT_EQ(stato().percorso, rete);
}

TEST(Percorso, EveryCloseWritesTheRootAndAFailureIsReported)
{
    nuovacasa();
    scrivibyte(cartellalocale() + "/impoqx.txt", "\"/altrove/\"   ,resto\r\n");
    stato().percorso = "/altrove/";
    QPointer<Formpercorso> f = new Formpercorso;
    f->show();
    premi(*f, "selc");
    EXPECT_EQ(testo(*f), "c:");
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni()), "\"c:\"\r\n");

    stato().percorso = "/altrove/";
    f = new Formpercorso;
    f->show();
    impostaguasto([](Operazione, const QString &file) { return file.contains("impoqx"); });
    QString messaggio;
    accettamessaggio(&messaggio);
    chiudi(f);
    impostaguasto({});
    EXPECT_TRUE(messaggio.contains("impoqx.txt")) << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains("non sarà ricordato")) << messaggio.toStdString();
    EXPECT_EQ(stato().percorso, "/altrove/");
    EXPECT_EQ(leggibyte(impostazioni()), "\"c:\"\r\n");
}

TEST(Percorso, MainWindowOpensOneWindowWithoutWaiting)
{
    nuovacasa();
    cartellalocale();
    auto *principale = new Formprincipale;
    principale->show();
    auto *pulsante = principale->findChild<QAbstractButton *>("impostazioni");
    pulsante->click(); // returns at once: the window is not modal
    ASSERT_EQ(aperte().size(), 1);
    QPointer<Formpercorso> f = aperte().first();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    pulsante->click();
    EXPECT_EQ(aperte(), QList<Formpercorso *>({f.data()}));
    chiudi(f);
    pulsante->click();
    ASSERT_EQ(aperte().size(), 1);
    f = aperte().first();

    // It outlives the main window and still writes the settings when it closes.
    delete principale;
    ASSERT_TRUE(f && f->isVisible());
    premi(*f, "selc");
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni()), "\"c:\"\r\n");
}
