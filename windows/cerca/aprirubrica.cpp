#include "windows/cerca/aprirubrica.h"

#include "app/stato.h"

// The address-book window comes from another part of the program; until it is built in,
// opening it picks no contact.
#if __has_include("windows/rubrica/formproduttore.h")
#include "windows/rubrica/formproduttore.h"

namespace {
void rubricamodale(QWidget *padre)
{
    Formproduttore rubrica(padre);
    rubrica.exec();
}
} // namespace
#else
namespace {
void rubricamodale(QWidget *)
{
    stato().contattoscelto.clear();
    stato().numerocontattoscelto = 0;
}
} // namespace
#endif

Aprirubrica aprirubrica = rubricamodale;
