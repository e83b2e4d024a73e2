#include "platform/sys/off_reset_logout.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/message.h"
#include "platform/sys/desktop.h"

namespace platform::off_reset_logout {

namespace {

// A request to the session manager or logind returns at once; a bus that
// does not answer within this time counts as one that refused.
constexpr int callTimeoutMs = 10000;

using desktop::Desktop;

class DBusCalls : public Calls {
public:
    DBusCalls(const desktop::Session& session, const Buses& buses) : session_(session), buses_(buses) {}

    void logOff() override
    {
        QStringList refusals;
        QDBusMessage call;
        switch (desktop::desktopFromList(session_.currentDesktop)) {
        case Desktop::Gnome:
            // 1: no confirmation.
            call = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.SessionManager"),
                                                  QStringLiteral("/org/gnome/SessionManager"),
                                                  QStringLiteral("org.gnome.SessionManager"), QStringLiteral("Logout"));
            call << quint32(1);
            break;
        case Desktop::Kde:
            call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.Shutdown"), QStringLiteral("/Shutdown"),
                                                  QStringLiteral("org.kde.Shutdown"), QStringLiteral("logout"));
            break;
        case Desktop::Xfce:
            // No dialog; the session is saved as the user's settings say.
            call = QDBusMessage::createMethodCall(QStringLiteral("org.xfce.SessionManager"),
                                                  QStringLiteral("/org/xfce/SessionManager"),
                                                  QStringLiteral("org.xfce.Session.Manager"), QStringLiteral("Logout"));
            call << false << true;
            break;
        case Desktop::Other: break;
        }
        if (call.type() == QDBusMessage::MethodCallMessage) {
            const QDBusMessage reply = session().call(call, QDBus::Block, callTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage) return;
            refusals << call.service() + QStringLiteral(": ") + reply.errorMessage();
        }

        // logind: end the login session this process belongs to.
        QDBusMessage sessionCall = loginManagerCall(QStringLiteral("GetSessionByPID"));
        sessionCall << quint32(::getpid());
        QDBusMessage found = system().call(sessionCall, QDBus::Block, callTimeoutMs);
        const QString sessionId = QString::fromStdString(session_.sessionId);
        if (found.type() != QDBusMessage::ReplyMessage && !sessionId.isEmpty()) {
            QDBusMessage byId = loginManagerCall(QStringLiteral("GetSession"));
            byId << sessionId;
            found = system().call(byId, QDBus::Block, callTimeoutMs);
        }
        if (found.type() == QDBusMessage::ReplyMessage && !found.arguments().isEmpty()) {
            const QString path = qvariant_cast<QDBusObjectPath>(found.arguments().constFirst()).path();
            const QDBusMessage terminate = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.login1"), path, QStringLiteral("org.freedesktop.login1.Session"),
                QStringLiteral("Terminate"));
            const QDBusMessage reply = system().call(terminate, QDBus::Block, callTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage) return;
            refusals << QStringLiteral("logind: ") + reply.errorMessage();
        } else {
            refusals << QStringLiteral("logind: ") + found.errorMessage();
        }
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The user cannot be logged off: neither the desktop's session "
                                                             "manager nor logind ended the session (%1)."),
                              {refusals.join(QStringLiteral("; ")).toStdString()}));
    }

    bool desktopShutdownPrompt() override
    {
        switch (desktop::desktopFromList(session_.currentDesktop)) {
        case Desktop::Kde: {
            const QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.kde.LogoutPrompt"), QStringLiteral("/LogoutPrompt"),
                QStringLiteral("org.kde.LogoutPrompt"), QStringLiteral("promptShutDown"));
            return session().call(call, QDBus::Block, callTimeoutMs).type() == QDBusMessage::ReplyMessage;
        }
        case Desktop::Gnome: return startPrompt(QStringLiteral("gnome-session-quit"), {QStringLiteral("--power-off")});
        case Desktop::Xfce: return startPrompt(QStringLiteral("xfce4-session-logout"), {});
        case Desktop::Other: break;
        }
        return false;
    }

    Ability canPowerOff() override { return ability(QStringLiteral("CanPowerOff")); }
    Ability canReboot() override { return ability(QStringLiteral("CanReboot")); }
    void powerOff() override
    {
        act(QStringLiteral("PowerOff"), QT_TRANSLATE_NOOP("platform", "The computer cannot be shut down: logind answered %1."));
    }
    void reboot() override
    {
        act(QStringLiteral("Reboot"), QT_TRANSLATE_NOOP("platform", "The computer cannot be restarted: logind answered %1."));
    }

private:
    static QDBusMessage loginManagerCall(const QString& method)
    {
        return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                              QStringLiteral("/org/freedesktop/login1"),
                                              QStringLiteral("org.freedesktop.login1.Manager"), method);
    }

    // The prompt programs run on their own; a missing one means no prompt.
    bool startPrompt(const QString& program, const QStringList& arguments)
    {
        QStringList folders;
        for (const std::string& folder : session_.programFolders) folders << QString::fromStdString(folder);
        // Qt would search $PATH for an empty list.
        const QString path = folders.isEmpty() ? QString() : QStandardPaths::findExecutable(program, folders);
        if (path.isEmpty()) return false;
        QProcess process;
        process.setProgram(path);
        process.setArguments(arguments);
        process.setStandardInputFile(QProcess::nullDevice());
        return process.startDetached();
    }

    Ability ability(const QString& method)
    {
        const QDBusMessage reply = system().call(loginManagerCall(method), QDBus::Block, callTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return Ability::NotAvailable;
        return abilityFromText(reply.arguments().constFirst().toString().toStdString());
    }

    // refused: the English source of the message, the answer is its %1.
    void act(const QString& method, const char* refused)
    {
        QDBusMessage call = loginManagerCall(method);
        call << true; // interactive: logind may ask for the user's password
        const QDBusMessage reply = system().call(call, QDBus::Block, callTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            throw Failure(message(refused, {"\"" + reply.errorMessage().toStdString() + "\""}));
    }

    QDBusConnection session() { return connect(buses_.session, QDBusConnection::SessionBus, "session"); }
    QDBusConnection system() { return connect(buses_.system, QDBusConnection::SystemBus, "system"); }

    static QDBusConnection connect(const std::string& address, QDBusConnection::BusType standard, const char* kind)
    {
        if (address.empty()) return QDBusConnection::connectToBus(standard, QStringLiteral("quelmarn-") + QLatin1String(kind));
        return QDBusConnection::connectToBus(QString::fromStdString(address),
                                             QStringLiteral("quelmarn-%1-%2").arg(QLatin1String(kind), QString::fromStdString(address)));
    }

    desktop::Session session_;
    Buses buses_;
};

} // namespace

std::unique_ptr<Calls> makeNative(const desktop::Session& session, const Buses& buses)
{
    return std::make_unique<DBusCalls>(session, buses);
}

} // namespace platform::off_reset_logout
