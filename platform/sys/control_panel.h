#pragma once
// The Control Panel applets behind the operating-system window's twenty
// settings buttons and the system-information program: the command lines
// that open them on Windows, with the window style each is started in.

#include <string>
#include <vector>

namespace platform {

enum class SettingsRole {
    Modems,
    Multimedia,
    DateAndTime,
    GameControllers,
    Passwords,
    Mouse,
    Keyboard,
    Printers,
    Fonts,
    RegionalSettings,
    Display,
    Odbc,
    AddRemovePrograms,
    AddHardware,
    PowerManagement,
    Network,
    System,
    Themes,
    Sounds,
    TimeZone,
};

namespace control_panel {

struct Applet {
    SettingsRole role;
    const char* argument; // of the Control Panel loader
    int windowStyle;      // 1 normal, 2 minimised (as for shell::startProgram)
};

// Every role, in the order of the Control Panel buttons' table.
const std::vector<Applet>& applets();
const Applet& applet(SettingsRole role);

// The Control Panel loader; an applet's command line is this and its argument.
inline const std::string loaderPrefix = "rundll32.exe shell32.dll,Control_RunDLL ";
std::string commandLine(SettingsRole role);

// Started minimised when it exists.
inline const std::string systemInformationProgram =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSINFO\\MSINFO32.EXE";
constexpr int systemInformationWindowStyle = 2;

} // namespace control_panel
} // namespace platform
