// Preloaded into velmora-render to give it a file system that cannot hold a file without a name,
// as some network and FUSE file systems are: open() with O_TMPFILE fails as theirs does.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

using OpenFunction = int (*)(const char *, int, ...);

int openWithoutUnnamedFiles(const char *which, const char *path, int flags, va_list rest)
{
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    const mode_t mode = (flags & O_CREAT) != 0 ? mode_t(va_arg(rest, int)) : 0;
    const auto real = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, which));
    return real(path, flags, mode);
}

} // namespace

extern "C" int open(const char *path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int descriptor = openWithoutUnnamedFiles("open", path, flags, rest);
    va_end(rest);
    return descriptor;
}

extern "C" int open64(const char *path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int descriptor = openWithoutUnnamedFiles("open64", path, flags, rest);
    va_end(rest);
    return descriptor;
}
