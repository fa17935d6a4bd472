// Preloaded into the program by a window test: an open() of the file that
// PLENVIK_HOLD_OPEN names waits until "<that name>.los" exists. The test
// so holds the program inside a piece of work for as long as it needs,
// however fast the machine is.

#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <unistd.h>

namespace {
void holdFor(const char *path)
{
    const char *held = getenv("PLENVIK_HOLD_OPEN");
    if (!held || !path || strcmp(held, path) != 0)
        return;
    const std::string release = std::string(held) + ".los";
    while (access(release.c_str(), F_OK) != 0)
        usleep(20000);
}

template <typename Open>
int callOn(const char *name, const char *path, int flags, va_list args)
{
    holdFor(path);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? mode_t(va_arg(args, int)) : 0;
    static const auto real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, name));
    return real(path, flags, mode);
}
} // namespace

extern "C" int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = callOn<int (*)(const char *, int, ...)>("open", path, flags, args);
    va_end(args);
    return fd;
}

extern "C" int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = callOn<int (*)(const char *, int, ...)>("open64", path, flags, args);
    va_end(args);
    return fd;
}
