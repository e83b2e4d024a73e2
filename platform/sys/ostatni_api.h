#pragma once
// ostatni_API: the assorted system calls (folders the program relies on).

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

// Reads a whole file; throws platform::Failure naming the path when it cannot.
std::string readWholeFile(const std::string& path);

} // namespace platform::ostatni_API
