#pragma once
// What the Linux desktops' own means of hiding panels and telling the
// pointer's position share: their programs, their session bus, and the
// program's GNOME Shell extension.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <string>
#include <vector>

namespace platform::desktop {

// A message of the desktop backends, translated into the interface's
// language.
QString translated(const char* text);

// The session bus at address (empty: the standard one), on a connection of
// its own.
QDBusConnection sessionBus(const std::string& address);

// The desktop's command-line programs, looked for in the session's program
// folders and run to their end (at most ten seconds).
class Programs {
public:
    explicit Programs(std::vector<std::string> folders) : folders_(std::move(folders)) {}
    bool has(const QString& name) const { return !find(name).isEmpty(); }
    // Standard output; throws platform::Failure with the program's own
    // complaint when it cannot be run or ends with a status other than 0.
    QString run(const QString& name, const QStringList& arguments) const;
    // Like run, but a status other than 0 answers false instead of throwing.
    bool tryRun(const QString& name, const QStringList& arguments, QString* output = nullptr) const;

private:
    QString find(const QString& name) const;
    std::vector<std::string> folders_;
};

// The program's GNOME Shell extension: installed with the package under
// share/gnome-shell/extensions/<uuid>/, it offers on the shell's bus name
// the top bar, the Activities button and the pointer's position. It is
// enabled on first use and disabled again when this object ends if it was
// enabled here, which also shows again whatever it hid.
class GnomeShellExtension {
public:
    static constexpr const char* uuid = "quelmarn@quelmarn.example";
    explicit GnomeShellExtension(std::string busAddress) : address_(std::move(busAddress)) {}
    ~GnomeShellExtension();
    GnomeShellExtension(const GnomeShellExtension&) = delete;
    GnomeShellExtension& operator=(const GnomeShellExtension&) = delete;

    // Calls a method of the extension's object, enabling it first; throws
    // platform::Failure saying why it cannot act (no GNOME Shell, a shell
    // that has not yet seen the extension, a refusal).
    QDBusMessage call(const QString& method, const QVariantList& arguments = {});

private:
    void enable(QDBusConnection& bus);
    std::string address_;
    bool enabledHere_ = false;
    bool running_ = false;
};

} // namespace platform::desktop
