#pragma once
// The settings pages behind the operating-system window's twenty shortcut
// buttons. One table holds, for each role, the Control Panel applet that
// opens it on Windows and the programs that open it on a Linux desktop:
// first the running desktop's own settings (GNOME, KDE Plasma, Xfce, told
// by $XDG_CURRENT_DESKTOP), then programs that serve any desktop, then the
// other desktops' settings programs (all of them open outside their own
// desktop). The first of those found in the session's program folders is
// the one started, so a failure never names an installed program.

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "platform/sys/control_panel.h"
#include "platform/sys/desktop.h"

namespace platform {

struct SettingsApplet {
    SettingsRole role;
    QString name;          // what the role is called in messages
    QString controlApplet; // argument of the Windows Control Panel loader (control_panel.h)
    int windowStyle;       // platform::WindowStyle
    QStringList gnome;     // command lines, best first
    QStringList kde;
    QStringList xfce;
    QStringList anyDesktop;
};

// Every role, in the order of the Control Panel buttons' table.
const std::vector<SettingsApplet>& settingsAppletTable();
const SettingsApplet& settingsApplet(SettingsRole role);

// The Windows command line of a role: the Control Panel loader and the applet.
inline const QString controlPanelPrefix = QString::fromStdString(control_panel::loaderPrefix);
QString controlPanelCommandLine(const SettingsApplet& applet);

// The command lines that may open a role on a desktop, in the order tried.
QStringList candidateCommandLines(const SettingsApplet& applet, const QString& xdgCurrentDesktop);

// The first candidate whose program findProgram finds (it returns the
// program's path, or an empty text). Throws platform::Failure naming the
// role and what would serve it when there is none.
QString settingsCommandLine(const SettingsApplet& applet, const QString& xdgCurrentDesktop,
                            const std::function<QString(const QString& program)>& findProgram);

// The system-information program: the first found of a short list, or the
// first of the list (not found) to name in a message.
struct SystemInformationProgram {
    QString path;
    bool exists = false;
};
SystemInformationProgram systemInformationProgram(const QString& xdgCurrentDesktop,
                                                  const std::function<QString(const QString& program)>& findProgram);

// What the window asks: the command line that opens a role, and the
// system-information program, on the machine it runs on.
class SettingsApplets {
public:
    virtual ~SettingsApplets() = default;
    virtual QString commandLine(SettingsRole role) = 0; // throws platform::Failure
    virtual SystemInformationProgram systemInformation() = 0;
};

// The session's desktop and programs in its program folders.
class DesktopSettingsApplets : public SettingsApplets {
public:
    explicit DesktopSettingsApplets(desktop::Session session) : session_(std::move(session)) {}
    QString commandLine(SettingsRole role) override;
    SystemInformationProgram systemInformation() override;

private:
    QString findProgram(const QString& program) const;
    desktop::Session session_;
};

} // namespace platform
