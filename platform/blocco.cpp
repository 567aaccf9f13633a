#include "platform/blocco.h"

#include <QFileDevice>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
// Open-file-description locks are not dropped when another descriptor of the same file is
// closed in this process; plain POSIX record locks are the fallback where they are missing.
int blocca(int fd, short tipo)
{
    struct flock fl = {};
    fl.l_type = tipo;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, also past its current end
    for (;;) {
#ifdef F_OFD_SETLKW
        if (::fcntl(fd, F_OFD_SETLKW, &fl) == 0)
            return 0;
        if (errno == EINVAL) {
            if (::fcntl(fd, F_SETLKW, &fl) == 0)
                return 0;
        }
#else
        if (::fcntl(fd, F_SETLKW, &fl) == 0)
            return 0;
#endif
        if (errno != EINTR)
            return errno;
    }
}

bool nonsupportato(int codice)
{
    return codice == ENOLCK || codice == EOPNOTSUPP || codice == ENOSYS || codice == EINVAL ||
           codice == EBADF;
}
#endif

} // namespace

BloccoFile::BloccoFile(QFileDevice &f, Tipo tipo) : file(f)
{
    const int fd = file.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    OVERLAPPED ov = {};
    const DWORD flag = tipo == Esclusivo ? LOCKFILE_EXCLUSIVE_LOCK : 0;
    if (LockFileEx(h, flag, 0, MAXDWORD, MAXDWORD, &ov))
        preso = true;
    else if (GetLastError() != ERROR_NOT_SUPPORTED && GetLastError() != ERROR_INVALID_FUNCTION)
        esito = EIO;
#else
    const int codice = blocca(fd, tipo == Esclusivo ? F_WRLCK : F_RDLCK);
    if (codice == 0)
        preso = true;
    else if (!nonsupportato(codice))
        esito = codice;
#endif
}

BloccoFile::~BloccoFile()
{
    if (!preso)
        return;
    const int fd = file.handle();
    if (fd < 0)
        return;
#ifdef Q_OS_WIN
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    OVERLAPPED ov = {};
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &ov);
#else
    blocca(fd, F_UNLCK);
#endif
}
