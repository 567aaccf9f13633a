#include "platform/caratteri.h"
#include "support/aiuti.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    nuovacasa();
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(guida);
    caricacaratteri();
    sorvegliamodali();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
