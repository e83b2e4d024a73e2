#include "platform/sys/ostatni_api.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sys/wildcard.h"

namespace platform::ostatni_API {
namespace {

std::string lowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

} // namespace

std::vector<std::string> filesMatching(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    DIR* const dir = ::opendir(folder.c_str());
    if (!dir) return names;
    const std::string lowerPattern = lowerAscii(pattern);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.' || !file_operations::wildcardMatch(lowerPattern, lowerAscii(name))) continue;
        const std::string path = folder + "/" + name;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0)
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

std::string tempPath(const char* tmpdir)
{
    std::string path = tmpdir && *tmpdir ? tmpdir : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}

std::vector<std::string> programFolders(const char* path)
{
    std::string list;
    if (path) {
        list = path;
    } else if (const size_t size = ::confstr(_CS_PATH, nullptr, 0); size > 0) {
        // What the C library's execvp searches without a PATH.
        list.resize(size);
        ::confstr(_CS_PATH, list.data(), size);
        list.resize(size - 1);
    }
    std::vector<std::string> folders;
    for (size_t start = 0; start <= list.size();) {
        const size_t colon = std::min(list.find(':', start), list.size());
        if (colon > start) folders.push_back(list.substr(start, colon - start));
        start = colon + 1;
    }
    return folders;
}

namespace {

std::string environmentTempPath() { return tempPath(std::getenv("TMPDIR")); }

// The folder the C library was loaded from, links resolved
// ("/usr/lib/x86_64-linux-gnu" on Debian for amd64).
std::string systemDirectory()
{
    Dl_info info{};
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

// A folder joined with a relative part, written the one way a folder
// compares equal ("/usr/share/" and "/usr//share" name one folder).
std::string normalJoin(const std::string& folder, const std::string& part)
{
    std::string path = (std::filesystem::path(folder) / part).lexically_normal().string();
    if (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

const std::string languagesPart = "quelmarn/languages";

} // namespace

LanguageFolders languageFolders(const std::string& applicationFolder, const char* dataHome, const std::string& home,
                                const char* dataDirs)
{
    LanguageFolders folders;
    folders.application = applicationFolder;
    const bool ownDataHome = dataHome && dataHome[0] == '/';
    if (ownDataHome)
        folders.user = normalJoin(dataHome, languagesPart);
    else if (!home.empty())
        folders.user = normalJoin(home, ".local/share/" + languagesPart);

    const std::string dirs = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
    for (size_t start = 0; start <= dirs.size();) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string entry = dirs.substr(start, end - start);
        if (!entry.empty() && entry[0] == '/') folders.system.push_back(normalJoin(entry, languagesPart));
        start = end + 1;
    }
    if (!applicationFolder.empty()) folders.installed = normalJoin(applicationFolder, QUELMARN_LANGUAGES_FROM_BINDIR);
    return folders;
}

std::optional<std::string> findFile(const std::vector<std::string>& folders, const std::string& name)
{
    for (const std::string& folder : folders) {
        const std::string path = folder + "/" + name;
        struct stat st {};
        // Any entry but a folder counts, so that a FIFO or a device in the way
        // is reported by the reader for what it is rather than passed over;
        // so does a symbolic link that loops, which is there but leads nowhere.
        if (::stat(path.c_str(), &st) == 0 ? !S_ISDIR(st.st_mode) : errno == ELOOP) return path;
    }
    return std::nullopt;
}

unsigned GetWindowsDirectoryA(char* buffer, unsigned size) { return fillBuffer(windowsDirectory(), buffer, size); }

unsigned GetTempPathA(unsigned size, char* buffer) { return fillBuffer(environmentTempPath(), buffer, size); }

unsigned GetSystemDirectoryA(char* buffer, unsigned size) { return fillBuffer(systemDirectory(), buffer, size); }

} // namespace platform::ostatni_API
