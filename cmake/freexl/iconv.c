/* iconv over MultiByteToWideChar and WideCharToMultiByte. freexl converts each text whole, so
   each call converts all of its input or fails with EILSEQ (E2BIG when out has no room),
   leaving the pointers as they were. */
#include "iconv.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#define UTF16LE 1200

typedef struct {
    UINT codepage;
} Conversione;

iconv_t iconv_open(const char *verso, const char *da)
{
    UINT cp = 0;
    if (strcmp(verso, "UTF-8") != 0) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    if (strcmp(da, "UTF-16LE") == 0)
        cp = UTF16LE;
    else if (strcmp(da, "ASCII") == 0)
        cp = 20127;
    else if (strcmp(da, "MacRoman") == 0)
        cp = 10000;
    else if (strncmp(da, "CP", 2) == 0)
        cp = (UINT)strtoul(da + 2, NULL, 10);
    if (cp == 0 || (cp != UTF16LE && !IsValidCodePage(cp))) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    Conversione *c = malloc(sizeof *c);
    if (!c) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    c->codepage = cp;
    return c;
}

size_t iconv(iconv_t cd, char **in, size_t *restanti, char **out, size_t *liberi)
{
    const Conversione *c = cd;
    if (!in || !*in || *restanti == 0)
        return 0;
    if (*restanti > 0x3fffffff || *liberi > 0x7fffffff) {
        errno = E2BIG;
        return (size_t)-1;
    }
    wchar_t *largo = NULL;
    const wchar_t *testo;
    int n;
    if (c->codepage == UTF16LE) {
        if (*restanti % 2) {
            errno = EILSEQ;
            return (size_t)-1;
        }
        testo = (const wchar_t *)*in;
        n = (int)(*restanti / 2);
    } else {
        n = MultiByteToWideChar(c->codepage, MB_ERR_INVALID_CHARS, *in, (int)*restanti, NULL, 0);
        largo = n > 0 ? malloc(sizeof(wchar_t) * n) : NULL;
        if (!largo ||
            MultiByteToWideChar(c->codepage, MB_ERR_INVALID_CHARS, *in, (int)*restanti, largo,
                                n) != n) {
            free(largo);
            errno = EILSEQ;
            return (size_t)-1;
        }
        testo = largo;
    }
    const int scritti =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, testo, n, NULL, 0, NULL, NULL);
    if (scritti <= 0 || (size_t)scritti > *liberi) {
        free(largo);
        errno = scritti <= 0 ? EILSEQ : E2BIG;
        return (size_t)-1;
    }
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, testo, n, *out, scritti, NULL, NULL);
    free(largo);
    *in += *restanti;
    *restanti = 0;
    *out += scritti;
    *liberi -= (size_t)scritti;
    return 0;
}

int iconv_close(iconv_t cd)
{
    free(cd);
    return 0;
}
