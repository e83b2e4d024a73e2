#include "platform/sys/shell.h"

#include <cstdlib>
#include <sys/stat.h>

#include "platform/failure.h"
#include "platform/sys/linux/dbus_linux.h"
#include "platform/sys/linux/programs_linux.h"
#include "platform/sys/message.h"
#include "platform/sys/ostatni_api.h"

namespace platform::shell {

// Linux has no Run dialog of the system's own.
bool runDialog(WindowHandle) { return false; }

bool setComputerName(const std::string& name, const std::string& systemBus)
{
    // hostnamed takes an empty name as "forget the name"; a rename with
    // nothing typed is refused here, as the system refuses an empty name
    // elsewhere.
    if (name.empty()) return false;
    linuxsys::Bus bus(systemBus, linuxsys::Bus::Kind::System);
    const linuxsys::BusMessage call = bus.method("org.freedesktop.hostname1", "/org/freedesktop/hostname1",
                                                 "org.freedesktop.hostname1", "SetStaticHostname");
    // true: interactive, polkit may ask the user for a password; long
    // enough for the user to answer it.
    if (!call || sd_bus_message_append(call.get(), "sb", name.c_str(), 1) < 0
        || sd_bus_message_set_allow_interactive_authorization(call.get(), 1) < 0)
        return false;
    return bus.call(call, std::chrono::minutes(2)).ok();
}

// Nor one for network drives: shares are mounted by the program's own.
bool connectNetworkDrive(WindowHandle) { return false; }

void startProgram(const std::string& commandLine, int /*windowStyle*/)
{
    // An X11 or Wayland client chooses its own first window state, so the
    // style cannot be imposed from outside; the program opens as it opens.
    const Command command = splitCommandLine(commandLine);
    const std::string path = command.program.find('/') == std::string::npos
        ? linuxsys::findProgram(command.program, ostatni_API::programFolders(std::getenv("PATH")))
        : command.program;
    if (path.empty() || linuxsys::startDetached(path, command.arguments) != 0)
        throw Failure(message(QT_TRANSLATE_NOOP("platform",
                                                "The program \"%1\" cannot be started: it does not exist or is not "
                                                "an executable program."),
                              {commandLine}));
}

bool fileExists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool isProgramFile(const std::string& path) { return linuxsys::isExecutableFile(path); }

} // namespace platform::shell
