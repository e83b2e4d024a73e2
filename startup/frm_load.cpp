#include "startup/frm_load.h"

#include <QCoreApplication>
#include <cstdio>

#include "languages/language_file.h"
#include "platform/failure.h"
#include "platform/services/guard.h"
#include "platform/services/message_box.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/profile.h"
#include "ui/form1.h"

namespace {

// The first maxChars UTF-8 characters of text (never splits a character).
std::string firstCharacters(const std::string& text, int maxChars)
{
    size_t pos = 0;
    for (int count = 0; pos < text.size() && count < maxChars; ++count) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) ++pos;
    }
    return text.substr(0, pos);
}

} // namespace

std::string frm_load::languageFilePath(const std::vector<std::string>& folders, const std::string& name)
{
    if (auto path = platform::ostatni_API::findFile(folders, name)) return *path;
    std::string message =
        QCoreApplication::translate("frm_load", "The language file \"%1\" is in none of the folders searched:")
            .arg(QString::fromStdString(name))
            .toStdString();
    for (const std::string& folder : folders) message += "\n" + folder;
    throw platform::Failure(message);
}

std::string frm_load::languageFileName(const std::string& iniPath)
{
    std::string name = platform::profile::readString(iniPath, "OPTIONS", "lokalizace").value_or("czech.qlk");
    name = name.substr(0, name.find('\0'));
    return firstCharacters(name, maxNameLength);
}

void frm_load::Form_Load(Form1& table, const Configuration& config, const std::function<void()>& showMainMenu)
{
    const std::string name = languageFileName(config.optionsPath());                              // 1
    const std::string path = languageFilePath(config.languageFolders.searchOrder(), name);        // 2
    const std::string bytes = platform::ostatni_API::readWholeFile(path, langfile::maxFileBytes); // 3, 5
    table.load(bytes, path, config.codePage);                                                     // 4
    // 6: nothing to unload, the start-up window is never created as a widget.
    showMainMenu(); // 7
}

namespace {

// A failed start's messages: on standard error too, since the program then
// ends, and saying that it cannot start.
class StartupMessages : public platform::MessageBoxService {
public:
    explicit StartupMessages(platform::MessageBoxService& shown) : shown_(shown) {}
    void show(const QString& text, int style, const std::optional<QString>& title) override
    {
        const QString message = QCoreApplication::translate("frm_load", "Quelmarn Manager cannot start. %1").arg(text);
        std::fprintf(stderr, "quelmarn: %s\n", message.toUtf8().constData());
        shown_.show(message, style, title);
    }

private:
    platform::MessageBoxService& shown_;
};

} // namespace

int frm_load::runOrReport(Form1& table, const std::function<Configuration()>& configure,
                          platform::MessageBoxService& messages, const std::function<void()>& showMainMenu)
{
    StartupMessages startupMessages(messages);
    const bool started = platform::runGuarded(startupMessages, [&] { Form_Load(table, configure(), showMainMenu); });
    return started ? 0 : 1;
}
