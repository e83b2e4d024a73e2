#pragma once
// What the program takes from its environment: read once, at start-up, and
// handed to every window in the context, so that no window asks the
// environment itself and tests set each value directly.

#include <QString>
#include <chrono>
#include <string>

#include "platform/sys/desktop.h"
#include "platform/sys/ostatni_api.h"

struct Configuration {
    std::string applicationFolder;                          // the program's own folder
    platform::ostatni_API::LanguageFolders languageFolders; // searched for the language file
    std::string windowsDirectory;                           // the Windows-directory stand-in: options.ini
    std::string tempFolder;                                 // with a trailing separator
    std::string systemDirectory;                            // the folder of the system's shared libraries
    QString workingFolder;                                  // the settings window lists its *.qlk files
    int codePage = 1250;                                    // ANSI code page of language files and notes
    QString homeSite;                                       // host or host:port
    QString secondSite;                                     // the browser's second link
    QString startPage;                                      // the browser's home page, a full URL
    QString testHost;                                       // the reachability test's host[:port]
    std::chrono::milliseconds reachabilityBound{10000};
    QString webEngineUnavailable;       // why no web page can be shown; empty when one can
    platform::desktop::Session session; // the desktop, logind's session and the program folders

    std::string optionsPath() const;
};

// options.ini, section OPTIONS, key lokalizace: the language file's name,
// of which at most this many characters are used.
constexpr int maxLanguageNameLength = 29;
std::string optionsPath(const std::string& windowsDirectory);
