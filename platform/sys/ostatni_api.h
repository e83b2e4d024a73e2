#pragma once
// ostatni_API: the assorted system calls (folders the program relies on,
// the system version, the time since the system started).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform::ostatni_API {

// Folder that holds the program file, links resolved, without a trailing
// separator. Language files sit beside the program.
std::string applicationFolder();

// Stand-in for the Windows directory, where options.ini lives:
// $QUELMARN_WINDIR, else ${XDG_CONFIG_HOME:-~/.config}/quelmarn.
std::string windowsDirectory();

// Path separator used to join folder and file names.
char pathSeparator();

// The folder queries, with the system's buffer contract: the path and a
// terminating code-0 character are written into `buffer` when they fit in
// `size` characters, and the path's length is returned; when they do not
// fit, the buffer is left untouched and the size needed is returned.
// Windows directory: windowsDirectory(). Temporary folder: $TMPDIR or /tmp,
// with a trailing separator. System directory: the folder of the system's
// shared libraries (the one the C library is loaded from).
unsigned GetWindowsDirectoryA(char* buffer, unsigned size);
unsigned fillBuffer(const std::string& path, char* buffer, unsigned size); // the same contract
// The temporary folder for a $TMPDIR value (unset or empty: /tmp).
std::string tempPath(const char* tmpdir);
unsigned GetTempPathA(unsigned size, char* buffer);
unsigned GetSystemDirectoryA(char* buffer, unsigned size);

// Reads a whole file; throws platform::Failure naming the path when it cannot.
std::string readWholeFile(const std::string& path);

// Operating-system version (major.minor) and build number.
struct OsVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// The facts of this topic a window asks for, behind an interface so tests
// can set them.
class Calls {
public:
    virtual ~Calls() = default;
    virtual OsVersion osVersion() = 0;
    // Milliseconds since the system started, suspend included; never wraps.
    virtual std::uint64_t millisecondsSinceBoot() = 0;
    // Name of the user the program runs as; nullopt when the system knows
    // no name for the account.
    virtual std::optional<std::string> userName() = 0;
};

std::unique_ptr<Calls> makeNative();

} // namespace platform::ostatni_API
