#include "app/formprincipale.h"
#include "app/stato.h"
#include "store/guasti.h"
#include "support/aiuti.h"
#include "windows/percorso/formpercorso.h"
#include "windows/percorso/radicedati.h"

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

struct Scelta {
    QString titolo;
    QWidget *padre = nullptr;
};

// Answers the folder dialog by choosing cartella, or cancels it when cartella is empty.
void scegli(const QString &cartella, Scelta *s = nullptr) {
    quandomodale([cartella, s](QWidget *w) {
        auto *dialogo = qobject_cast<QFileDialog *>(w);
        ASSERT_TRUE(dialogo);
        if (s) *s = {dialogo->windowTitle(), dialogo->parentWidget()};
        if (cartella.isEmpty()) {
            dialogo->reject();
            return;
        }
        dialogo->setDirectory(cartella);
        static_cast<QDialog *>(dialogo)->accept(); // QFileDialog::accept, protected there
    });
}

QString testo(const Formpercorso &f) {
    return f.findChild<QLineEdit *>("Text1")->text();
}

void premi(const Formpercorso &f, const char *nome) {
    f.findChild<QAbstractButton *>(QString::fromLatin1(nome))->click();
}

// Closes the window with its "X" label, as the user does.
void chiudi(QPointer<Formpercorso> &f) {
    QTest::mouseClick(f->findChild<QLabel *>("Label2"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isNull(); }));
}

QList<Formpercorso *> aperte() {
    QList<Formpercorso *> finestre;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<Formpercorso *>(w); p && p->isVisible()) finestre.append(p);
    return finestre;
}

QString impostazioni() {
    return QDir::homePath() + "/quaderoladati/impoqx.txt";
}

} // namespace

TEST(Percorso, RootIsThePathBeforeTheDataFolderInAnyCase) {
    EXPECT_EQ(radicedati("/mnt/rete/QuaderolaDati/vecchi"), "/mnt/rete/");
    EXPECT_EQ(radicedati("/mnt/rete/quaderoladati"), "/mnt/rete/");
    EXPECT_EQ(radicedati("Z:\\QUADEROLADATI"), "Z:\\");
    EXPECT_EQ(radicedati("\\\\server\\condivisa\\quaderoladati"), "\\\\server\\condivisa\\");
    EXPECT_EQ(radicedati("/mnt/rete/archivio"), "");
    EXPECT_EQ(radicedati(""), "");
}

TEST(Percorso, ChosenFolderBecomesTheRootAndIsRememberedOnClose) {
    const QString casa = nuovacasa();
    cartellalocale();
    const QString rete = casa + "/rete/";
    ASSERT_TRUE(QDir().mkpath(rete + "QuaderolaDati/vecchi"));
    ASSERT_TRUE(QDir().mkpath(casa + "/archivio"));
    stato().percorso = "c:";

    QPointer<Formpercorso> f = new Formpercorso;
    f->show();
    EXPECT_EQ(f->windowTitle(), "");
    EXPECT_EQ(testo(*f), "c:");

    // A folder outside any data folder, and a cancelled dialog, change nothing.
    Scelta s;
    scegli(casa + "/archivio", &s);
    premi(*f, "apriseleziona");
    EXPECT_EQ(s.titolo, "Seleziona il percorso di Rete:");
    EXPECT_EQ(s.padre, f.data());
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

    // The next start works under the root written.
    Formprincipale principale;
    EXPECT_EQ(stato().percorso, rete);
}

TEST(Percorso, LocalDiskIsWrittenAsCOnEveryClose) {
    nuovacasa();
    const QString dati = cartellalocale();
    scrivibyte(dati + "/impoqx.txt", "\"/altrove/\"   ,resto\r\n");
    stato().percorso = "/altrove/";

    QPointer<Formpercorso> f = new Formpercorso;
    f->show();
    EXPECT_EQ(testo(*f), "/altrove/");
    premi(*f, "selc");
    EXPECT_EQ(stato().percorso, "c:");
    EXPECT_EQ(testo(*f), "c:");
    chiudi(f);
    EXPECT_EQ(leggibyte(dati + "/impoqx.txt"), "\"c:\"\r\n");

    // Opened and closed with no choice: the file is still rewritten, with the same root.
    scrivibyte(dati + "/impoqx.txt", "\"c:\",vecchio\r\n");
    f = new Formpercorso;
    f->show();
    f->close();
    EXPECT_EQ(leggibyte(dati + "/impoqx.txt"), "\"c:\"\r\n");
}

TEST(Percorso, UnwritableSettingsAreReportedAndTheRootKept) {
    const QString casa = nuovacasa();
    const QString dati = cartellalocale();
    QDir().mkpath(casa + "/rete/quaderoladati");
    stato().percorso = "c:";
    QPointer<Formpercorso> f = new Formpercorso;
    f->show();
    scegli(casa + "/rete/quaderoladati");
    premi(*f, "apriseleziona");

    impostaguasto([](Operazione, const QString &file) { return file.contains("impoqx"); });
    QString messaggio;
    accettamessaggio(&messaggio);
    chiudi(f);
    impostaguasto({});
    EXPECT_TRUE(nessunarispostainattesa());
    EXPECT_TRUE(messaggio.contains("impoqx.txt")) << messaggio.toStdString();
    EXPECT_TRUE(messaggio.contains("non sarà ricordato")) << messaggio.toStdString();
    EXPECT_EQ(stato().percorso, casa + "/rete/");
    EXPECT_FALSE(QFile::exists(dati + "/impoqx.txt"));
}

TEST(Percorso, MainWindowOpensOneWindowWithoutWaiting) {
    nuovacasa();
    cartellalocale();
    auto *principale = new Formprincipale;
    principale->show();
    auto *pulsante = principale->findChild<QAbstractButton *>("impostazioni");
    pulsante->click(); // returns at once: the window is not modal
    ASSERT_EQ(aperte().size(), 1);
    QPointer<Formpercorso> f = aperte().first();
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    pulsante->click();
    EXPECT_EQ(aperte(), QList<Formpercorso *>({f.data()}));

    chiudi(f);
    pulsante->click();
    ASSERT_EQ(aperte().size(), 1);
    f = aperte().first();

    // It outlives the main window and still writes the settings when it closes.
    delete principale;
    ASSERT_FALSE(f.isNull());
    EXPECT_TRUE(f->isVisible());
    premi(*f, "selc");
    chiudi(f);
    EXPECT_EQ(leggibyte(impostazioni()), "\"c:\"\r\n");
}
