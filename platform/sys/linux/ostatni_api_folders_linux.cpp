#include "platform/sys/ostatni_api.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace platform::ostatni_API {

std::string tempPath(const char* tmpdir)
{
    std::string path = tmpdir && *tmpdir ? tmpdir : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

namespace {

std::string environmentTempPath()
{
    return tempPath(std::getenv("TMPDIR"));
}

// The folder the C library was loaded from, links resolved
// ("/usr/lib/x86_64-linux-gnu" on Debian for amd64).
std::string systemDirectory()
{
    Dl_info info {};
    if (::dladdr(reinterpret_cast<void*>(&std::getenv), &info) != 0 && info.dli_fname
        && std::strchr(info.dli_fname, '/')) {
        std::string library = info.dli_fname;
        if (char* real = ::realpath(info.dli_fname, nullptr)) {
            library = real;
            std::free(real);
        }
        const size_t slash = library.rfind('/');
        if (slash != std::string::npos && slash > 0) return library.substr(0, slash);
    }
    for (const char* folder : {"/usr/lib64", "/usr/lib"})
        if (::access(folder, F_OK) == 0) return folder;
    return "/usr/lib";
}

} // namespace

unsigned GetWindowsDirectoryA(char* buffer, unsigned size)
{
    return fillBuffer(windowsDirectory(), buffer, size);
}

unsigned GetTempPathA(unsigned size, char* buffer)
{
    return fillBuffer(environmentTempPath(), buffer, size);
}

unsigned GetSystemDirectoryA(char* buffer, unsigned size)
{
    return fillBuffer(systemDirectory(), buffer, size);
}

} // namespace platform::ostatni_API
