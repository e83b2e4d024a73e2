#include "platform/sys/control_panel.h"

#include "platform/failure.h"

namespace platform::control_panel {

const std::vector<Applet>& applets()
{
    using R = SettingsRole;
    constexpr int normal = 1;
    constexpr int minimised = 2;
    static const std::vector<Applet> table = {
        {R::Modems, "modem.cpl", normal},
        {R::Multimedia, "mmsys.cpl,,4", normal},
        {R::DateAndTime, "timedate.cpl,,0", normal},
        {R::GameControllers, "joy.cpl,,0", normal},
        {R::Passwords, "password.cpl", normal},
        {R::Mouse, "main.cpl @0", minimised},
        {R::Keyboard, "main.cpl @1", minimised},
        {R::Printers, "main.cpl @2", minimised},
        {R::Fonts, "main.cpl @3", minimised},
        {R::RegionalSettings, "intl.cpl,,0", normal},
        {R::Display, "desk.cpl,,1", normal},
        {R::Odbc, "oddbccp32.cpl", normal},
        {R::AddRemovePrograms, "appwiz.cpl,,0", normal},
        {R::AddHardware, "sysdm.cpl @1", normal},
        {R::PowerManagement, "powercfg.cpl,,0", normal},
        {R::Network, "netcpl.cpl,,0", normal},
        {R::System, "sysdm.cpl,,0", normal},
        {R::Themes, "themes.cpl", normal},
        {R::Sounds, "mmsys.cpl @1", normal},
        {R::TimeZone, "timedate.cpl,,1", normal},
    };
    return table;
}

const Applet& applet(SettingsRole role)
{
    for (const Applet& entry : applets())
        if (entry.role == role) return entry;
    throw Failure("Unknown settings role.");
}

std::string commandLine(SettingsRole role) { return loaderPrefix + applet(role).argument; }

} // namespace platform::control_panel
