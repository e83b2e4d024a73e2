#include "platform/sys/linux/desktop_linux.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QVariantMap>

#include "platform/failure.h"

namespace platform::desktop {

namespace {

constexpr int programTimeoutMs = 10000;
constexpr int callTimeoutMs = 5000;

const QString shellService = QStringLiteral("org.gnome.Shell");

[[noreturn]] void refuse(const QString& why)
{
    throw Failure(why.toStdString());
}

QDBusMessage shellExtensions(const char* method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(shellService, QStringLiteral("/org/gnome/Shell"),
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QLatin1String(method));
    call << QString::fromLatin1(GnomeShellExtension::uuid);
    return call;
}

} // namespace

QString translated(const char* text)
{
    return QCoreApplication::translate("platform", text);
}

QDBusConnection sessionBus(const std::string& address)
{
    if (address.empty()) return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("quelmarn-desktop"));
    const QString name = QString::fromStdString(address);
    return QDBusConnection::connectToBus(name, QStringLiteral("quelmarn-desktop-") + name);
}

QString Programs::find(const QString& name) const
{
    QStringList folders;
    for (const std::string& folder : folders_) folders << QString::fromStdString(folder);
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(name, folders);
}

bool Programs::tryRun(const QString& name, const QStringList& arguments, QString* output) const
{
    const QString path = find(name);
    if (path.isEmpty())
        refuse(translated(QT_TRANSLATE_NOOP("platform", "This desktop's program %1 was not found, so the panels cannot be controlled with"
                                                        " it.")).arg(name));
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForFinished(programTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        refuse(translated(QT_TRANSLATE_NOOP("platform", "The program %1 did not answer within ten seconds.")).arg(name));
    }
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (output) *output = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
            ? out
            : out + QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString Programs::run(const QString& name, const QStringList& arguments) const
{
    QString output;
    if (!tryRun(name, arguments, &output))
        refuse(translated(QT_TRANSLATE_NOOP("platform", "%1 refused the request: %2")).arg(name, output.trimmed()));
    return output;
}

GnomeShellExtension::~GnomeShellExtension()
{
    if (!enabledHere_) return;
    // Disabling runs the extension's own clean-up, which shows what it hid.
    QDBusConnection bus = sessionBus(address_);
    bus.call(shellExtensions("DisableExtension"), QDBus::Block, callTimeoutMs);
}

void GnomeShellExtension::enable(QDBusConnection& bus)
{
    const QDBusMessage info = bus.call(shellExtensions("GetExtensionInfo"), QDBus::Block, callTimeoutMs);
    if (info.type() != QDBusMessage::ReplyMessage || info.arguments().isEmpty())
        refuse(translated(QT_TRANSLATE_NOOP("platform", "GNOME Shell does not answer on the session bus (%1).")).arg(info.errorMessage()));
    const QVariant first = info.arguments().constFirst();
    const QVariantMap state = first.canConvert<QDBusArgument>() ? qdbus_cast<QVariantMap>(first) : first.toMap();
    if (state.isEmpty())
        refuse(translated(QT_TRANSLATE_NOOP("platform", "GNOME Shell does not know the extension %1 that this program installs yet: it "
                                                        "loads extensions only at log-in. After logging off and on again once, this "
                                                        "button will work."))
                   .arg(QLatin1String(uuid)));
    // 1: enabled; 3: error; 4: out of date.
    const int current = int(state.value(QStringLiteral("state")).toDouble());
    if (current == 3 || current == 4)
        refuse(translated(QT_TRANSLATE_NOOP("platform", "GNOME Shell cannot start the extension %1: %2"))
                   .arg(QLatin1String(uuid), state.value(QStringLiteral("error")).toString()));
    if (current != 1) {
        const QDBusMessage enabled = bus.call(shellExtensions("EnableExtension"), QDBus::Block, callTimeoutMs);
        if (enabled.type() != QDBusMessage::ReplyMessage || enabled.arguments().value(0).toBool() == false)
            refuse(translated(QT_TRANSLATE_NOOP("platform", "GNOME Shell refused to enable the extension %1 (%2). Extensions may be turned "
                                                            "off in the settings."))
                       .arg(QLatin1String(uuid), enabled.errorMessage()));
        enabledHere_ = true;
    }
    running_ = true;
}

QDBusMessage GnomeShellExtension::call(const QString& method, const QVariantList& arguments)
{
    QDBusConnection bus = sessionBus(address_);
    if (!running_) enable(bus);
    QDBusMessage message = QDBusMessage::createMethodCall(shellService, QStringLiteral("/example/quelmarn/Shell"),
                                                          QStringLiteral("example.quelmarn.Shell"), method);
    message.setArguments(arguments);
    // The shell turns an extension on after it answered the request to, so
    // its object may appear a moment later.
    for (int attempt = 0;; ++attempt) {
        const QDBusMessage reply = bus.call(message, QDBus::Block, callTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage) return reply;
        const bool notYet = reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownObject")
            || reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod");
        if (!notYet || attempt >= 40)
            refuse(translated(QT_TRANSLATE_NOOP("platform", "The extension %1 in GNOME Shell does not answer (%2).")).arg(QLatin1String(uuid), reply.errorMessage()));
        QThread::msleep(50);
    }
}

} // namespace platform::desktop
