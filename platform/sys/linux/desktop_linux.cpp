#include "platform/sys/linux/desktop_linux.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <thread>

#include "platform/failure.h"
#include "platform/sys/linux/programs_linux.h"
#include "platform/sys/message.h"

namespace platform::desktop {

namespace {

constexpr std::chrono::milliseconds programTimeout(10000);
constexpr std::chrono::milliseconds callTimeout(5000);

constexpr const char* shellService = "org.gnome.Shell";

[[noreturn]] void refuse(const char* why, std::initializer_list<std::string> arguments = {})
{
    throw Failure(message(why, arguments));
}

linuxsys::BusReply shellExtensions(linuxsys::Bus& bus, const char* method)
{
    return bus.call(shellService, "/org/gnome/Shell", "org.gnome.Shell.Extensions", method, callTimeout, "s",
                    GnomeShellExtension::uuid);
}

// What GetExtensionInfo tells of the extension: its state (1 enabled, 3
// error, 4 out of date, ...) and error, from its a{sv}; no state when the
// shell does not know it.
struct ExtensionInfo {
    std::optional<double> state;
    std::string error;
};

ExtensionInfo extensionInfo(sd_bus_message* reply)
{
    ExtensionInfo info;
    if (sd_bus_message_enter_container(reply, SD_BUS_TYPE_ARRAY, "{sv}") <= 0) return info;
    while (sd_bus_message_enter_container(reply, SD_BUS_TYPE_DICT_ENTRY, "sv") > 0) {
        const char* key = nullptr;
        char type = 0;
        const char* contents = nullptr;
        if (sd_bus_message_read(reply, "s", &key) <= 0 || sd_bus_message_peek_type(reply, &type, &contents) <= 0
            || sd_bus_message_enter_container(reply, SD_BUS_TYPE_VARIANT, contents) <= 0)
            return info;
        double number = 0;
        std::int32_t whole = 0;
        const char* text = nullptr;
        const bool state = std::strcmp(key, "state") == 0;
        if (state && std::strcmp(contents, "d") == 0 && sd_bus_message_read(reply, "d", &number) > 0)
            info.state = number;
        else if (state && std::strcmp(contents, "i") == 0 && sd_bus_message_read(reply, "i", &whole) > 0)
            info.state = whole;
        else if (std::strcmp(key, "error") == 0 && std::strcmp(contents, "s") == 0
                 && sd_bus_message_read(reply, "s", &text) > 0)
            info.error = text;
        else
            sd_bus_message_skip(reply, contents);
        sd_bus_message_exit_container(reply); // the variant
        sd_bus_message_exit_container(reply); // the entry
    }
    sd_bus_message_exit_container(reply);
    return info;
}

} // namespace

std::string Programs::find(const std::string& name) const { return linuxsys::findProgram(name, folders_); }

bool Programs::tryRun(const std::string& name, const std::vector<std::string>& arguments, std::string* output) const
{
    const std::string path = find(name);
    if (path.empty())
        refuse(QT_TRANSLATE_NOOP("platform",
                                 "This desktop's program %1 was not found, so the panels cannot be controlled with"
                                 " it."),
               {name});
    const linuxsys::Finished finished = linuxsys::runToEnd(path, arguments, programTimeout);
    if (!finished.inTime)
        refuse(QT_TRANSLATE_NOOP("platform", "The program %1 did not answer within ten seconds."), {name});
    if (output) *output = finished.succeeded ? finished.output : finished.output + finished.errors;
    return finished.succeeded;
}

std::string Programs::run(const std::string& name, const std::vector<std::string>& arguments) const
{
    std::string output;
    if (!tryRun(name, arguments, &output)) {
        const size_t first = output.find_first_not_of(" \t\r\n");
        const size_t last = output.find_last_not_of(" \t\r\n");
        refuse(QT_TRANSLATE_NOOP("platform", "%1 refused the request: %2"),
               {name, first == std::string::npos ? std::string() : output.substr(first, last - first + 1)});
    }
    return output;
}

GnomeShellExtension::~GnomeShellExtension()
{
    // Disabling runs the extension's own clean-up, which shows what it hid.
    if (enabledHere_) shellExtensions(bus_, "DisableExtension");
}

void GnomeShellExtension::enable()
{
    const linuxsys::BusReply reply = shellExtensions(bus_, "GetExtensionInfo");
    if (!reply.ok())
        refuse(QT_TRANSLATE_NOOP("platform", "GNOME Shell does not answer on the session bus (%1)."), {reply.error});
    const ExtensionInfo info = extensionInfo(reply.message.get());
    if (!info.state)
        refuse(QT_TRANSLATE_NOOP("platform",
                                 "GNOME Shell does not know the extension %1 that this program installs yet: it "
                                 "loads extensions only at log-in. After logging off and on again once, this "
                                 "button will work."),
               {uuid});
    // 1: enabled; 3: error; 4: out of date.
    const int current = int(*info.state);
    if (current == 3 || current == 4)
        refuse(QT_TRANSLATE_NOOP("platform", "GNOME Shell cannot start the extension %1: %2"), {uuid, info.error});
    if (current != 1) {
        const linuxsys::BusReply enabled = shellExtensions(bus_, "EnableExtension");
        int accepted = 0;
        if (!enabled.ok() || sd_bus_message_read(enabled.message.get(), "b", &accepted) <= 0 || !accepted)
            refuse(QT_TRANSLATE_NOOP("platform",
                                     "GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned "
                                     "off in the settings."),
                   {uuid, enabled.error});
        enabledHere_ = true;
    }
    running_ = true;
}

linuxsys::BusReply GnomeShellExtension::call(const char* method, std::optional<bool> argument)
{
    if (!running_) enable();
    // The shell turns an extension on after it answered the request to, so
    // its object may appear a moment later.
    for (int attempt = 0;; ++attempt) {
        linuxsys::BusReply reply = argument
            ? bus_.call(shellService, "/example/quelmarn/Shell", "example.quelmarn.Shell", method, callTimeout, "b",
                        int(*argument))
            : bus_.call(shellService, "/example/quelmarn/Shell", "example.quelmarn.Shell", method, callTimeout);
        if (reply.ok()) return reply;
        const bool notYet = reply.errorName == "org.freedesktop.DBus.Error.UnknownObject"
            || reply.errorName == "org.freedesktop.DBus.Error.UnknownMethod";
        if (!notYet || attempt >= 40)
            refuse(QT_TRANSLATE_NOOP("platform", "The extension %1 in GNOME Shell does not answer (%2)."),
                   {uuid, reply.error});
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace platform::desktop
