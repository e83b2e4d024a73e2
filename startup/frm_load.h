#pragma once
// frm_load: the start-up sequence. It is never shown: it reads the language
// file name from options.ini, fills the string table from that file and
// hands over to the main menu.

#include <functional>
#include <string>

class Form1;
namespace platform {
class MessageBoxService;
}

class frm_load {
public:
    // Where start-up looks: the program's own folder (language files) and
    // the Windows-directory stand-in (options.ini).
    struct Folders {
        std::string applicationFolder;
        std::string windowsDirectory;
    };

    // At most this many characters of the lokalizace value are used.
    static constexpr int maxNameLength = 29;

    // Steps 1 to 7 in order; showMainMenu is step 7. A failure (missing or
    // unreadable language file, negative record length) throws
    // platform::Failure before the main menu is shown.
    static void Form_Load(Form1& table, const Folders& folders, int codePage,
                          const std::function<void()>& showMainMenu);

    // Form_Load in the folders locate() finds, with the system's ANSI code
    // page. A failure is shown in an error message box (and on standard
    // error) and yields exit status 1, with no main menu; success yields 0.
    static int runOrReport(Form1& table, const std::function<Folders()>& locate,
                           platform::MessageBoxService& messages, const std::function<void()>& showMainMenu);

    // Step 1: the language file name from options.ini, default "czech.qlk",
    // cut to its first 29 characters and at a NUL.
    static std::string languageFileName(const std::string& iniPath);

    static std::string optionsPath(const std::string& windowsDirectory);
    static std::string languageFilePath(const std::string& applicationFolder, const std::string& name);
};
