// Replays every file of a corpus folder through the fuzz target, for the test suite.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n);

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    int casi = 0;
    for (const QString &nome : cartella.entryList(QDir::Files, QDir::Name)) {
        QFile f(cartella.filePath(nome));
        if (!f.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray dati = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(dati.constData()),
                               size_t(dati.size()));
        ++casi;
    }
    std::printf("%d passed, 0 failed\n", casi);
    return casi > 0 ? 0 : 1;
}
