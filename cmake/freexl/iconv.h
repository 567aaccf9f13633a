/* The iconv that freexl needs, over the code-page conversions of Win32: from the code pages an
   Excel workbook names (and UTF-16LE) to UTF-8 only. */
#ifndef QUADEROLA_ICONV_H
#define QUADEROLA_ICONV_H

#include <stddef.h>

typedef void *iconv_t;

iconv_t iconv_open(const char *verso, const char *da);
size_t iconv(iconv_t cd, char **in, size_t *restanti, char **out, size_t *liberi);
int iconv_close(iconv_t cd);

#endif
