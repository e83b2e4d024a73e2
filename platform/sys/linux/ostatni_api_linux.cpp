#include "platform/sys/ostatni_api.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/linux/ostatni_api_linux.h"
#include "platform/sys/message.h"

namespace platform::ostatni_API {

std::string applicationFolder()
{
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        throw Failure(message(QT_TRANSLATE_NOOP(
            "platform", "The program's own folder cannot be found (/proc/self/exe is not readable).")));
    std::string path(buffer, size_t(n));
    size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string windowsDirectory()
{
    if (const char* dir = std::getenv("QUELMARN_WINDIR"); dir && *dir) return dir;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/quelmarn";
    return homeFolder() + "/.config/quelmarn";
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_dir) return pw->pw_dir;
    return {};
}

char pathSeparator() { return '/'; }

} // namespace platform::ostatni_API
