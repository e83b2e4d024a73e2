#include "platform/sys/off_reset_logout.h"

#include <optional>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/desktop.h"
#include "platform/sys/linux/dbus_linux.h"
#include "platform/sys/linux/programs_linux.h"
#include "platform/sys/message.h"

namespace platform::off_reset_logout {

namespace {

// A request to the session manager or logind returns at once; a bus that
// does not answer within this time counts as one that refused.
constexpr std::chrono::milliseconds callTimeout(10000);

using desktop::Desktop;
using linuxsys::Bus;
using linuxsys::BusReply;

constexpr const char* logind = "org.freedesktop.login1";
constexpr const char* logindPath = "/org/freedesktop/login1";
constexpr const char* loginManager = "org.freedesktop.login1.Manager";

class DBusCalls : public Calls {
public:
    DBusCalls(const desktop::Session& session, const Buses& buses)
        : session_(session),
          sessionBus_(buses.session, Bus::Kind::Session),
          systemBus_(buses.system, Bus::Kind::System)
    {
    }

    void logOff() override
    {
        std::string refusals;
        const auto refused = [&refusals](const std::string& who, const std::string& why) {
            refusals += (refusals.empty() ? "" : "; ") + who + ": " + why;
        };
        std::optional<BusReply> reply;
        const char* manager = nullptr;
        switch (desktop::desktopFromList(session_.currentDesktop)) {
        case Desktop::Gnome:
            // 1: no confirmation.
            manager = "org.gnome.SessionManager";
            reply = sessionBus_.call(manager, "/org/gnome/SessionManager", manager, "Logout", callTimeout, "u", 1u);
            break;
        case Desktop::Kde:
            manager = "org.kde.Shutdown";
            reply = sessionBus_.call(manager, "/Shutdown", manager, "logout", callTimeout);
            break;
        case Desktop::Xfce:
            // No dialog; the session is saved as the user's settings say.
            manager = "org.xfce.SessionManager";
            reply = sessionBus_.call(manager, "/org/xfce/SessionManager", "org.xfce.Session.Manager", "Logout",
                                     callTimeout, "bb", 0, 1);
            break;
        case Desktop::Other: break;
        }
        if (reply) {
            if (reply->ok()) return;
            refused(manager, reply->error);
        }

        // logind: end the login session this process belongs to.
        BusReply found = systemBus_.call(logind, logindPath, loginManager, "GetSessionByPID", callTimeout, "u",
                                         std::uint32_t(::getpid()));
        if (!found.ok() && !session_.sessionId.empty())
            found = systemBus_.call(logind, logindPath, loginManager, "GetSession", callTimeout, "s",
                                    session_.sessionId.c_str());
        const char* path = nullptr;
        if (found.ok() && sd_bus_message_read(found.message.get(), "o", &path) > 0) {
            const BusReply terminated =
                systemBus_.call(logind, path, "org.freedesktop.login1.Session", "Terminate", callTimeout);
            if (terminated.ok()) return;
            refused("logind", terminated.error);
        } else {
            refused("logind", found.error);
        }
        throw Failure(message(QT_TRANSLATE_NOOP("platform",
                                                "The user cannot be logged off: neither the desktop's session "
                                                "manager nor logind ended the session (%1)."),
                              {refusals}));
    }

    bool desktopShutdownPrompt() override
    {
        switch (desktop::desktopFromList(session_.currentDesktop)) {
        case Desktop::Kde:
            return sessionBus_
                .call("org.kde.LogoutPrompt", "/LogoutPrompt", "org.kde.LogoutPrompt", "promptShutDown", callTimeout)
                .ok();
        case Desktop::Gnome: return startPrompt("gnome-session-quit", {"--power-off"});
        case Desktop::Xfce: return startPrompt("xfce4-session-logout", {});
        case Desktop::Other: break;
        }
        return false;
    }

    Ability canPowerOff() override { return ability("CanPowerOff"); }
    Ability canReboot() override { return ability("CanReboot"); }
    void powerOff() override
    {
        act("PowerOff", QT_TRANSLATE_NOOP("platform", "The computer cannot be shut down: logind answered %1."));
    }
    void reboot() override
    {
        act("Reboot", QT_TRANSLATE_NOOP("platform", "The computer cannot be restarted: logind answered %1."));
    }

private:
    // The prompt programs run on their own; a missing one means no prompt.
    bool startPrompt(const char* program, const std::vector<std::string>& arguments)
    {
        const std::string path = linuxsys::findProgram(program, session_.programFolders);
        return !path.empty() && linuxsys::startDetached(path, arguments) == 0;
    }

    Ability ability(const char* method)
    {
        const BusReply reply = systemBus_.call(logind, logindPath, loginManager, method, callTimeout);
        const char* answer = nullptr;
        if (!reply.ok() || sd_bus_message_read(reply.message.get(), "s", &answer) <= 0) return Ability::NotAvailable;
        return abilityFromText(answer);
    }

    // refused: the English source of the message, the answer is its %1.
    void act(const char* method, const char* refused)
    {
        // true: interactive, logind may ask for the user's password.
        const BusReply reply = systemBus_.call(logind, logindPath, loginManager, method, callTimeout, "b", 1);
        if (!reply.ok()) throw Failure(message(refused, {"\"" + reply.error + "\""}));
    }

    desktop::Session session_;
    Bus sessionBus_;
    Bus systemBus_;
};

} // namespace

std::unique_ptr<Calls> makeNative(const desktop::Session& session, const Buses& buses)
{
    return std::make_unique<DBusCalls>(session, buses);
}

} // namespace platform::off_reset_logout
