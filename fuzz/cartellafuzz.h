#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A data root in a temporary folder, made once, where a target writes the input as a file.
inline QString radicefuzz()
{
    static QTemporaryDir cartella;
    static const bool pronta = QDir().mkpath(cartella.path() + "/quaderoladati");
    (void)pronta;
    return cartella.path() + "/";
}

inline void scrivifuzz(const QString &nome, const uint8_t *dati, size_t n)
{
    QFile f(radicefuzz() + "quaderoladati/" + nome);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(reinterpret_cast<const char *>(dati), qint64(n));
}

#define FUZZ_CHECK(condizione)                                                                     \
    do {                                                                                           \
        if (!(condizione))                                                                         \
            __builtin_trap();                                                                      \
    } while (0)
