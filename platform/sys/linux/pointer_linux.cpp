// The pointer's screen position on desktops that do not give it to X11
// programs: Wayland lets a program see the pointer only over its own
// windows, so the position comes from the desktop itself or not at all.

#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <cstdint>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/services/pointer_position.h"
#include "platform/sys/linux/desktop_linux.h"

namespace platform {

namespace {

// The session bus at address (empty: the standard one), on a connection of
// its own.
QDBusConnection sessionBus(const std::string& address)
{
    if (address.empty()) return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("quelmarn-desktop"));
    const QString name = QString::fromStdString(address);
    return QDBusConnection::connectToBus(name, QStringLiteral("quelmarn-desktop-") + name);
}

class UnknownPointer : public PointerPosition {
public:
    std::optional<QPoint> position() override { return std::nullopt; }
};

class QtCursorPointer : public PointerPosition {
public:
    std::optional<QPoint> position() override { return QCursor::pos(); }
};

// GNOME Shell: the program's shell extension answers with the shell's own
// pointer. A shell that cannot (no extension yet) is not asked again.
class GnomeShellPointer : public PointerPosition {
public:
    explicit GnomeShellPointer(std::string bus) : extension_(std::move(bus)) {}
    std::optional<QPoint> position() override
    {
        if (failed_) return std::nullopt;
        try {
            const linuxsys::BusReply reply = extension_.call("PointerPosition");
            std::int32_t x = 0, y = 0;
            if (sd_bus_message_read(reply.message.get(), "ii", &x, &y) > 0) return QPoint(x, y);
        } catch (const Failure&) {
        }
        failed_ = true;
        return std::nullopt;
    }

private:
    desktop::GnomeShellExtension extension_;
    bool failed_ = false;
};

// KDE Plasma under Wayland: a KWin script sends the pointer's position to
// this object whenever it moves; the script is unloaded when this ends.
class KWinScriptPointer : public PointerPosition, private QDBusVirtualObject {
public:
    explicit KWinScriptPointer(const std::string& bus) : bus_(sessionBus(bus)) {}
    ~KWinScriptPointer() override
    {
        if (!loaded_) return;
        kwin(QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"), QStringLiteral("unloadScript"),
             {plugin()});
        bus_.unregisterObject(objectPath());
    }

    std::optional<QPoint> position() override
    {
        if (!started_) start();
        return last_;
    }

private:
    static QString objectPath() { return QStringLiteral("/example/quelmarn/Pointer"); }
    static QString plugin() { return QStringLiteral("quelmarn-pointer-%1").arg(::getpid()); }

    void start()
    {
        started_ = true;
        if (!bus_.isConnected() || !bus_.registerVirtualObject(objectPath(), this)) return;
        if (!script_.open()) return;
        const QString send = QStringLiteral(
            "function send() { callDBus('%1', '%2', 'example.quelmarn.Pointer', 'Moved',"
            " Math.round(workspace.cursorPos.x), Math.round(workspace.cursorPos.y)); }\n"
            "workspace.cursorPosChanged.connect(send);\nsend();\n")
                                 .arg(bus_.baseService(), objectPath());
        script_.write(send.toUtf8());
        script_.flush();
        const QDBusMessage loaded = kwin(QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"),
                                         QStringLiteral("loadScript"), {script_.fileName(), plugin()});
        if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().value(0).toInt() < 0) return;
        loaded_ = true;
        kwin(QStringLiteral("/Scripting/Script%1").arg(loaded.arguments().value(0).toInt()),
             QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run"), {});
    }

    QDBusMessage kwin(const QString& path, const QString& interface, const QString& method, const QVariantList& arguments)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), path, interface, method);
        call.setArguments(arguments);
        return bus_.call(call, QDBus::Block, 5000);
    }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QList<QVariant> at = message.arguments();
        if (message.member() != QLatin1String("Moved") || at.size() != 2) return false;
        last_ = QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble()));
        if (!message.isReplyRequired()) return true;
        connection.send(message.createReply());
        return true;
    }

    QDBusConnection bus_;
    QTemporaryFile script_;
    bool started_ = false;
    bool loaded_ = false;
    std::optional<QPoint> last_;
};

} // namespace

std::unique_ptr<PointerPosition> makeNativePointerPosition(const desktop::Session& session, const std::string& sessionBus)
{
    const QString platform = QGuiApplication::platformName();
    const bool wayland = !session.waylandDisplay.empty() || platform == QLatin1String("wayland");
    const desktop::Desktop running = desktop::desktopFromList(session.currentDesktop);
    if (running == desktop::Desktop::Gnome && wayland) return std::make_unique<GnomeShellPointer>(sessionBus);
    if (running == desktop::Desktop::Kde && wayland) return std::make_unique<KWinScriptPointer>(sessionBus);
    if (wayland) return std::make_unique<UnknownPointer>();
    if (platform == QLatin1String("xcb")) return makeX11PointerPosition();
    return std::make_unique<QtCursorPointer>();
}

} // namespace platform
