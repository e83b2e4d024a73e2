#include "startup/environment.h"

#include <QDir>
#include <optional>

#include "platform/sys/codepage.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/privileges.h"

namespace {

QString valueOr(const QProcessEnvironment& environment, const char* name, const QString& fallback)
{
    const QString value = environment.value(QLatin1String(name));
    return value.isEmpty() ? fallback : value;
}

std::chrono::milliseconds reachabilityBound(const QString& text)
{
    bool ok = false;
    const qint64 ms = text.toLongLong(&ok);
    return std::chrono::milliseconds(ok && ms > 0 ? ms : 10000);
}

} // namespace

std::string systemDirectory()
{
    std::string folder(platform::ostatni_API::GetSystemDirectoryA(nullptr, 0), '\0');
    folder.resize(platform::ostatni_API::GetSystemDirectoryA(folder.data(), unsigned(folder.size())));
    return folder;
}

QString webEngineUnavailable(bool sandboxRefused, const QProcessEnvironment& environment)
{
    if (!sandboxRefused || environment.contains(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"))) return {};
    const QStringList flags =
        environment.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (flags.contains(QStringLiteral("--no-sandbox"))) return {};
    // The English source: it is translated once the interface language is known.
    return QStringLiteral(
        QT_TRANSLATE_NOOP("platform", "The browser cannot be started as root: its sandbox does not allow it."));
}

Configuration readConfiguration(const QProcessEnvironment& environment)
{
    Configuration config;
    config.applicationFolder = platform::ostatni_API::applicationFolder();
    const auto variable = [&environment](const char* name) -> std::optional<QByteArray> {
        if (!environment.contains(QLatin1String(name))) return std::nullopt;
        return environment.value(QLatin1String(name)).toLocal8Bit();
    };
    const auto dataHome = variable("XDG_DATA_HOME"), dataDirs = variable("XDG_DATA_DIRS"), home = variable("HOME");
    config.languageFolders = platform::ostatni_API::languageFolders(
        config.applicationFolder, dataHome ? dataHome->constData() : nullptr,
        home && !home->isEmpty() ? home->toStdString() : platform::ostatni_API::homeFolder(),
        dataDirs ? dataDirs->constData() : nullptr);
    config.windowsDirectory = platform::ostatni_API::windowsDirectory();
    const QByteArray tmpdir = environment.value(QStringLiteral("TMPDIR")).toLocal8Bit();
    config.tempFolder = platform::ostatni_API::tempPath(tmpdir.constData());
    config.systemDirectory = systemDirectory();
    config.workingFolder = QDir::currentPath();
    config.codePage = platform::codepage::ansiCodePage(
        environment.value(QStringLiteral("QUELMARN_CODEPAGE")).toLocal8Bit().toStdString());
    config.homeSite = valueOr(environment, "QUELMARN_HOME_SITE", QStringLiteral("www.quelmarn.example"));
    // Short enough to be read whole on the browser's 89-pixel link button.
    config.secondSite = valueOr(environment, "QUELMARN_SECOND_SITE", QStringLiteral("qmtym.example"));
    config.startPage =
        valueOr(environment, "QUELMARN_START_PAGE", QStringLiteral("http://") + config.homeSite + QLatin1Char('/'));
    // The reachability test needs a web server that is always up.
    config.testHost = valueOr(environment, "QUELMARN_TEST_HOST", QStringLiteral("www.wikipedia.org"));
    config.reachabilityBound = reachabilityBound(environment.value(QStringLiteral("QUELMARN_REACHABILITY_TIMEOUT_MS")));
    config.webEngineUnavailable = webEngineUnavailable(platform::privileges::webSandboxRefused(), environment);
    config.session.currentDesktop = variable("XDG_CURRENT_DESKTOP").value_or(QByteArray()).toStdString();
    config.session.sessionId = variable("XDG_SESSION_ID").value_or(QByteArray()).toStdString();
    const auto path = variable("PATH");
    config.session.programFolders = platform::ostatni_API::programFolders(path ? path->constData() : nullptr);
    config.session.waylandDisplay = variable("WAYLAND_DISPLAY").value_or(QByteArray()).toStdString();
    config.session.swaySocket = variable("SWAYSOCK").value_or(QByteArray()).toStdString();
    return config;
}
