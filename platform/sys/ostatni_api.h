#pragma once
// ostatni_API: the assorted system calls (folders the program relies on,
// the system version, the time since the system started).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ostatni_API {

// Folder that holds the program file, links resolved, without a trailing
// separator. Language files sit beside the program.
std::string applicationFolder();

// $HOME, else the account's home folder; empty when neither is known.
std::string homeFolder();

// The Windows directory, where options.ini lives. Where the system has none
// (Linux), its stand-in: $QUELMARN_WINDIR, else
// ${XDG_CONFIG_HOME:-~/.config}/quelmarn.
std::string windowsDirectory();

// Folders that may hold language files.
struct LanguageFolders {
    std::string application;         // the program's own folder
    std::string user;                // where a user adds a language without root
    std::vector<std::string> system; // the shared data folders, in their order
    // The data folder beside the program's own bin folder, so that a program
    // installed under another prefix (or staged with DESTDIR) finds its files.
    std::string installed;

    // Start-up's search order (the fields in the order above), each folder
    // once.
    std::vector<std::string> searchOrder() const;
};

// The language folders from the program's folder, $XDG_DATA_HOME, the home
// folder and $XDG_DATA_DIRS (nullptr for an unset variable): user =
// $XDG_DATA_HOME (default home/.local/share) + /quelmarn/languages, system
// = each entry of $XDG_DATA_DIRS (default /usr/local/share:/usr/share) +
// /quelmarn/languages. Relative entries are ignored, as the XDG base
// directories ask. On Windows language files sit beside the program: the
// program's folder is the only one.
LanguageFolders languageFolders(const std::string& applicationFolder, const char* dataHome, const std::string& home,
                                const char* dataDirs);

// The first folder that holds an entry other than a folder (links followed;
// a link that loops counts) by this name, joined with the name; nullopt when
// none does.
std::optional<std::string> findFile(const std::vector<std::string>& folders, const std::string& name);

// The names of the readable regular files (links followed) in a folder
// whose names match a pattern of '*' and '?' without regard to case, hidden
// files left out, in no particular order; none when the folder cannot be
// read.
std::vector<std::string> filesMatching(const std::string& folder, const std::string& pattern);

// Path separator used to join folder and file names.
char pathSeparator();

// The folder queries, with the system's buffer contract: the path and a
// terminating code-0 character are written into `buffer` when they fit in
// `size` characters, and the path's length is returned; when they do not
// fit, the buffer is left untouched and the size needed is returned. The
// path is UTF-8 text, like every text the program holds.
// Windows directory: windowsDirectory(). Temporary folder: with a trailing
// separator ($TMPDIR or /tmp where the system keeps no such setting).
// System directory: the folder of the system's shared libraries (on Linux
// the one the C library is loaded from).
unsigned GetWindowsDirectoryA(char* buffer, unsigned size);
unsigned fillBuffer(const std::string& path, char* buffer, unsigned size); // the same contract
// The temporary folder, with a trailing separator: on Linux for a $TMPDIR
// value (unset or empty: /tmp); on Windows the system's own, which the
// system takes from TMP and TEMP itself (the value is not used).
std::string tempPath(const char* tmpdir);
unsigned GetTempPathA(unsigned size, char* buffer);
unsigned GetSystemDirectoryA(char* buffer, unsigned size);

// The folders of a $PATH value, in order, empty entries left out; for an
// unset variable (nullptr), the system's default search path.
std::vector<std::string> programFolders(const char* path);

// Reads a whole regular file, at most maxBytes of it (whole_file::read);
// throws platform::Failure naming the path when it cannot.
std::string readWholeFile(const std::string& path, std::size_t maxBytes);

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
    // The folder queries above, asked through the window's context.
    virtual std::vector<std::string> filesMatching(const std::string& folder, const std::string& pattern)
    {
        return ostatni_API::filesMatching(folder, pattern);
    }
    virtual std::optional<std::string> findFile(const std::vector<std::string>& folders, const std::string& name)
    {
        return ostatni_API::findFile(folders, name);
    }
};

std::unique_ptr<Calls> makeNative();

} // namespace platform::ostatni_API
