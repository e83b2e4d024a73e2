#pragma once
// What the Linux desktops' own means of hiding panels and telling the
// pointer's position share: their programs and the program's GNOME Shell
// extension.

#include <optional>
#include <string>
#include <vector>

#include "platform/sys/linux/dbus_linux.h"

namespace platform::desktop {

// The desktop's command-line programs, looked for in the session's program
// folders and run to their end (at most ten seconds).
class Programs {
public:
    explicit Programs(std::vector<std::string> folders) : folders_(std::move(folders)) {}
    bool has(const std::string& name) const { return !find(name).empty(); }
    // Standard output; throws platform::Failure with the program's own
    // complaint when it cannot be run or ends with a status other than 0.
    std::string run(const std::string& name, const std::vector<std::string>& arguments) const;
    // Like run, but a status other than 0 answers false instead of throwing.
    bool tryRun(const std::string& name, const std::vector<std::string>& arguments,
                std::string* output = nullptr) const;

private:
    std::string find(const std::string& name) const;
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
    explicit GnomeShellExtension(std::string busAddress) : bus_(std::move(busAddress), linuxsys::Bus::Kind::Session) {}
    ~GnomeShellExtension();
    GnomeShellExtension(const GnomeShellExtension&) = delete;
    GnomeShellExtension& operator=(const GnomeShellExtension&) = delete;

    // Calls a method of the extension's object (with one boolean argument
    // when given), enabling it first; throws platform::Failure saying why
    // it cannot act (no GNOME Shell, a shell that has not yet seen the
    // extension, a refusal).
    linuxsys::BusReply call(const char* method, std::optional<bool> argument = std::nullopt);

private:
    void enable();
    linuxsys::Bus bus_;
    bool enabledHere_ = false;
    bool running_ = false;
};

} // namespace platform::desktop
