#pragma once
// frm_load: the start-up sequence. It is never shown: it reads the language
// file name from options.ini, fills the string table from that file and
// hands over to the main menu.

#include <functional>
#include <string>
#include <vector>

#include "ui/configuration.h"

class Form1;
namespace platform {
class MessageBoxService;
}

class frm_load {
public:
    // At most this many characters of the lokalizace value are used.
    static constexpr int maxNameLength = maxLanguageNameLength;

    // Steps 1 to 7 in order, in the configuration's folders (options.ini in
    // the Windows-directory stand-in, the language file in the first of the
    // language folders that holds it) and code page; showMainMenu is step 7. A failure (missing or
    // unreadable language file, negative record length) throws
    // platform::Failure before the main menu is shown.
    static void Form_Load(Form1& table, const Configuration& config, const std::function<void()>& showMainMenu);

    // Form_Load with the configuration configure() reads. A failure of
    // either is shown in an error message box (and on standard error) and
    // yields exit status 1, with no main menu; success yields 0.
    static int runOrReport(Form1& table, const std::function<Configuration()>& configure,
                           platform::MessageBoxService& messages, const std::function<void()>& showMainMenu);

    // Step 1: the language file name from options.ini, default "czech.qlk",
    // cut to its first 29 characters and at a NUL.
    static std::string languageFileName(const std::string& iniPath);

    // Step 2: the named file in the first folder that holds it. None does:
    // platform::Failure naming the file and every folder searched.
    static std::string languageFilePath(const std::vector<std::string>& folders, const std::string& name);
};
