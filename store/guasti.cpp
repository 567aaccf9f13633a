#include "store/guasti.h"

namespace {
Guasto &gestore()
{
    static Guasto g;
    return g;
}
} // namespace

void impostaguasto(Guasto g)
{
    gestore() = std::move(g);
}

bool guasto(Operazione operazione, const QString &file)
{
    const Guasto &g = gestore();
    return g && g(operazione, file);
}
