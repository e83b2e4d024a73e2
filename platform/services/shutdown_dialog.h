#pragma once
// The program's own shut-down dialog, for desktops without a prompt of
// their own: shut down, restart, log off or cancel. Choices the machine
// refuses are shown disabled.

#include <QString>

class QWidget;

namespace platform {

enum class ShutdownChoice { Cancel, PowerOff, Reboot, LogOff };

struct ShutdownRequest {
    QString title;
    QString powerOffText;
    QString rebootText;
    QString logOffText;
    QString cancelText;
    bool powerOffOffered = true;
    bool rebootOffered = true;
};

class ShutdownDialogService {
public:
    virtual ~ShutdownDialogService() = default;
    // Modal to owner; returns what the user picked.
    virtual ShutdownChoice ask(QWidget* owner, const ShutdownRequest& request) = 0;
};

// A dialog with one button per choice, the buttons named "powerOff",
// "reboot", "logOff" and "cancel".
class QtShutdownDialogService : public ShutdownDialogService {
public:
    ShutdownChoice ask(QWidget* owner, const ShutdownRequest& request) override;
};

} // namespace platform
