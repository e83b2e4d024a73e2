#include "platform/services/settings_applets.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include "platform/failure.h"
#include "platform/sys/desktop.h"

namespace platform {

namespace {

QStringList gcc(const char* panel) { return {QStringLiteral("gnome-control-center ") + QLatin1String(panel)}; }

// Plasma 5 names the program systemsettings5 on older releases; kcmshell5
// opens one module on its own.
QStringList kcm(const char* module)
{
    const QString name = QLatin1String(module);
    return {QStringLiteral("systemsettings ") + name, QStringLiteral("systemsettings5 ") + name,
            QStringLiteral("kcmshell5 ") + name};
}

QStringList programs(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names) list << QLatin1String(name);
    return list;
}

// The program a command line starts: "env NAME=value program ..." starts
// program.
QString programOf(const QString& commandLine)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    if (!parts.isEmpty() && parts.constFirst() == QLatin1String("env")) {
        parts.removeFirst();
        while (!parts.isEmpty() && parts.constFirst().contains(QLatin1Char('='))) parts.removeFirst();
    }
    return parts.isEmpty() ? QString() : parts.constFirst();
}

// GNOME's settings hide every page whose menu entry is shown only in GNOME
// unless the desktop is named so; Plasma's and Xfce's settings programs
// open their pages on any desktop.
QStringList outsideGnome(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines)
        result << (programOf(line) == QLatin1String("gnome-control-center")
                       ? QStringLiteral("env XDG_CURRENT_DESKTOP=GNOME ") + line
                       : line);
    return result;
}

} // namespace

const std::vector<SettingsApplet>& settingsAppletTable()
{
    using R = SettingsRole;
    // The Windows applet and window style come from the Control Panel's own
    // table; the rows below add the Linux desktops' programs.
    static const std::vector<SettingsApplet> table = [] {
        std::vector<SettingsApplet> rows = {
            {R::Modems,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Modems")),
             {},
             0,
             gcc("wwan"),
             kcm("kcm_networkmanagement"),
             {},
             programs({"modem-manager-gui", "nm-connection-editor"})},
            {R::Multimedia,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Multimedia")),
             {},
             0,
             gcc("sound"),
             kcm("kcm_pulseaudio"),
             {},
             programs({"pavucontrol", "pavucontrol-qt"})},
            {R::DateAndTime,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Date and time")),
             {},
             0,
             gcc("datetime"),
             kcm("kcm_clock"),
             {},
             {}},
            {R::GameControllers,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Game controllers")),
             {},
             0,
             {},
             kcm("kcm_joystick"),
             {},
             programs({"jstest-gtk"})},
            {R::Passwords,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Passwords")),
             {},
             0,
             gcc("user-accounts"),
             kcm("kcm_users"),
             programs({"mugshot"}),
             programs({"mugshot"})},
            {R::Mouse,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Mouse")),
             {},
             0,
             gcc("mouse"),
             kcm("kcm_mouse"),
             programs({"xfce4-mouse-settings"}),
             programs({"lxinput"})},
            {R::Keyboard,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Keyboard")),
             {},
             0,
             gcc("keyboard"),
             kcm("kcm_keyboard"),
             programs({"xfce4-keyboard-settings"}),
             programs({"lxinput"})},
            {R::Printers,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Printers")),
             {},
             0,
             gcc("printers"),
             kcm("kcm_printer_manager"),
             {},
             programs({"system-config-printer"})},
            {R::Fonts,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Fonts")),
             {},
             0,
             {},
             kcm("kcm_fonts"),
             programs({"xfce4-appearance-settings"}),
             programs({"font-manager", "gnome-tweaks"})},
            {R::RegionalSettings,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Regional settings")),
             {},
             0,
             gcc("region"),
             kcm("kcm_regionandlang"),
             {},
             {}},
            {R::Display,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Display")),
             {},
             0,
             gcc("display"),
             kcm("kcm_kscreen"),
             programs({"xfce4-display-settings"}),
             programs({"arandr", "lxrandr"})},
            {R::Odbc,
             QStringLiteral("ODBC data sources"),
             {},
             0,
             {},
             {},
             {},
             programs({"iodbcadm-gtk", "ODBCManageDataSourcesQ5", "ODBCManageDataSourcesQ4"})},
            {R::AddRemovePrograms,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Add or remove programs")),
             {},
             0,
             programs({"gnome-software"}),
             programs({"plasma-discover"}),
             {},
             programs({"gnome-software", "plasma-discover", "synaptic-pkexec"})},
            {R::AddHardware,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Add hardware")),
             {},
             0,
             gcc("bluetooth"),
             kcm("kcm_bluetooth"),
             {},
             programs({"blueman-manager"})},
            {R::PowerManagement,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Power management")),
             {},
             0,
             gcc("power"),
             kcm("kcm_powerdevilprofilesconfig"),
             programs({"xfce4-power-manager-settings"}),
             programs({"xfce4-power-manager-settings"})},
            {R::Network,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Network")),
             {},
             0,
             gcc("network"),
             kcm("kcm_networkmanagement"),
             {},
             programs({"nm-connection-editor"})},
            {R::System,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "System")),
             {},
             0,
             gcc("info-overview"),
             kcm("kcm_about-distro"),
             {},
             programs({"hardinfo"})},
            {R::Themes,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Themes")),
             {},
             0,
             gcc("background"),
             kcm("kcm_lookandfeel"),
             programs({"xfce4-appearance-settings"}),
             programs({"lxappearance"})},
            {R::Sounds,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Sounds")),
             {},
             0,
             gcc("sound"),
             kcm("kcm_pulseaudio"),
             {},
             programs({"pavucontrol", "pavucontrol-qt"})},
            {R::TimeZone,
             QStringLiteral(QT_TRANSLATE_NOOP("platform", "Time zone")),
             {},
             0,
             gcc("datetime"),
             kcm("kcm_clock"),
             {},
             {}},
        };
        for (SettingsApplet& row : rows) {
            const control_panel::Applet& windows = control_panel::applet(row.role);
            row.controlApplet = QString::fromLatin1(windows.argument);
            row.windowStyle = windows.windowStyle;
        }
        return rows;
    }();
    return table;
}

const SettingsApplet& settingsApplet(SettingsRole role)
{
    for (const SettingsApplet& applet : settingsAppletTable())
        if (applet.role == role) return applet;
    throw Failure("Unknown settings role.");
}

QString controlPanelCommandLine(const SettingsApplet& applet) { return controlPanelPrefix + applet.controlApplet; }

QStringList candidateCommandLines(const SettingsApplet& applet, const QString& xdgCurrentDesktop)
{
    QStringList candidates;
    const desktop::Desktop running = desktop::desktopFromList(xdgCurrentDesktop.toStdString());
    switch (running) {
    case desktop::Desktop::Gnome: candidates << applet.gnome; break;
    case desktop::Desktop::Kde: candidates << applet.kde; break;
    case desktop::Desktop::Xfce: candidates << applet.xfce; break;
    case desktop::Desktop::Other: break;
    }
    // Then programs for any desktop, then the other desktops' own settings,
    // which open outside their desktop too: an installed one is never
    // passed over.
    QStringList rest = applet.anyDesktop;
    if (running != desktop::Desktop::Gnome) rest << outsideGnome(applet.gnome);
    if (running != desktop::Desktop::Kde) rest << applet.kde;
    if (running != desktop::Desktop::Xfce) rest << applet.xfce;
    for (const QString& line : rest)
        if (!candidates.contains(line)) candidates << line;
    return candidates;
}

QString settingsCommandLine(const SettingsApplet& applet, const QString& xdgCurrentDesktop,
                            const std::function<QString(const QString& program)>& findProgram)
{
    for (const QString& line : candidateCommandLines(applet, xdgCurrentDesktop))
        if (!findProgram(programOf(line)).isEmpty()) return line;

    // Name what would serve: the desktops' own settings, then the rest.
    QStringList wouldServe;
    QStringList named;
    const auto add = [&](const QString& line, const QString& where) {
        const QString program = programOf(line);
        if (named.contains(program)) return;
        named << program;
        wouldServe << (where.isEmpty() ? program : QStringLiteral("%1 (%2)").arg(program, where));
    };
    if (!applet.gnome.isEmpty()) add(applet.gnome.constFirst(), QStringLiteral("GNOME"));
    if (!applet.kde.isEmpty()) add(applet.kde.constFirst(), QStringLiteral("KDE Plasma"));
    if (!applet.xfce.isEmpty()) add(applet.xfce.constFirst(), QStringLiteral("Xfce"));
    for (const QString& line : applet.anyDesktop) add(line, QString());
    const QString name = QCoreApplication::translate("platform", applet.name.toUtf8().constData());
    const QString message = wouldServe.isEmpty()
        ? QCoreApplication::translate("platform",
                                      "No program on this computer opens the \"%1\" settings. No desktop "
                                      "known to this program has such a page.")
              .arg(name)
        : QCoreApplication::translate("platform",
                                      "No program on this computer opens the \"%1\" settings. Any of "
                                      "these would: %2.")
              .arg(name, wouldServe.join(QStringLiteral(", ")));
    throw Failure(message.toStdString());
}

SystemInformationProgram systemInformationProgram(const QString& xdgCurrentDesktop,
                                                  const std::function<QString(const QString& program)>& findProgram)
{
    QStringList names = programs({"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"});
    // The desktop's own program comes first.
    switch (desktop::desktopFromList(xdgCurrentDesktop.toStdString())) {
    case desktop::Desktop::Kde: names.move(names.indexOf(QStringLiteral("kinfocenter")), 0); break;
    case desktop::Desktop::Gnome: names.move(names.indexOf(QStringLiteral("gnome-system-monitor")), 0); break;
    case desktop::Desktop::Xfce: names.move(names.indexOf(QStringLiteral("xfce4-taskmanager")), 0); break;
    case desktop::Desktop::Other: break;
    }
    for (const QString& name : names) {
        const QString path = findProgram(name);
        if (!path.isEmpty()) return {path, true};
    }
    return {QStringLiteral("/usr/bin/") + names.constFirst(), false};
}

QString DesktopSettingsApplets::findProgram(const QString& program) const
{
    QStringList folders;
    for (const std::string& folder : session_.programFolders) folders << QString::fromStdString(folder);
    // Qt would search $PATH for an empty list.
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(program, folders);
}

QString DesktopSettingsApplets::commandLine(SettingsRole role)
{
    return settingsCommandLine(settingsApplet(role), QString::fromStdString(session_.currentDesktop),
                               [this](const QString& program) { return findProgram(program); });
}

SystemInformationProgram DesktopSettingsApplets::systemInformation()
{
    return systemInformationProgram(QString::fromStdString(session_.currentDesktop),
                                    [this](const QString& program) { return findProgram(program); });
}

} // namespace platform
