#include "tests/support/test_support.h"

#include "startup/environment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "languages/language_file.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"

namespace testing {

std::string languageFileBytes(const std::function<QString(int record)>& text)
{
    std::vector<std::string> records;
    for (int r = 1; r <= langfile::recordCount; ++r)
        records.push_back(platform::codepage::fromUtf8(text(r).toStdString(), 1250).bytes);
    return langfile::writeRecords(records);
}

void writeFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write test file %s", qPrintable(path));
}

std::string readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

namespace {

// The process's address-space size now, from /proc/self/status (VmSize).
rlim_t addressSpaceInUse()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) qFatal("cannot read /proc/self/status");
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmSize:")) return rlim_t(line.mid(7).trimmed().split(' ').value(0).toULongLong()) << 10;
    qFatal("no VmSize in /proc/self/status");
}

void writeAllTo(int fd, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += size_t(n);
    }
}

} // namespace

ChildOutcome runInChild(const std::function<std::string()>& function, int seconds, size_t extraMemory)
{
    const rlim_t memoryBound = addressSpaceInUse() + rlim_t(extraMemory);
    int resultPipe[2], errorPipe[2];
    if (::pipe2(resultPipe, O_CLOEXEC) != 0 || ::pipe2(errorPipe, O_CLOEXEC) != 0) qFatal("no pipe");
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) qFatal("cannot fork");
    if (child == 0) {
        ::dup2(errorPipe[1], STDERR_FILENO);
        const rlimit memory{memoryBound, memoryBound};
        ::setrlimit(RLIMIT_AS, &memory);
        ::alarm(unsigned(seconds));
        std::string result;
        try {
            result = function();
        } catch (const std::exception& e) {
            result = std::string("exception: ") + e.what();
        }
        writeAllTo(resultPipe[1], result);
        ::_exit(0);
    }
    ::close(resultPipe[1]);
    ::close(errorPipe[1]);
    ChildOutcome outcome;
    pollfd fds[2] = {{resultPipe[0], POLLIN, 0}, {errorPipe[0], POLLIN, 0}};
    std::string* into[2] = {&outcome.result, &outcome.standardError};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, size_t(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

platform::file_operations::WriteFunction fillingDevice(size_t budget)
{
    auto left = std::make_shared<size_t>(budget);
    return [left](int fd, const void* data, size_t size) -> ssize_t {
        if (*left == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t n = ::write(fd, data, std::min(size, *left));
        if (n > 0) *left -= size_t(n);
        return n;
    };
}

bool inspectModal(const std::function<void()>& open, const std::function<void(QWidget& window)>& inspect)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        shown = true;
        inspect(*window);
        QMetaObject::invokeMethod(window, "reject");
    });
    open();
    return shown;
}

QString builtLanguageFolder()
{
    const QString folder = qEnvironmentVariable("QUELMARN_QLK_DIR");
    if (folder.isEmpty()) qFatal("QUELMARN_QLK_DIR is not set");
    return folder;
}

Configuration testConfiguration(const QString& folder)
{
    Configuration config;
    config.applicationFolder = builtLanguageFolder().toStdString();
    config.windowsDirectory = folder.toStdString();
    config.systemDirectory = systemDirectory();
    config.workingFolder = folder;
    config.codePage = 1250;
    config.homeSite = config.secondSite = config.testHost = QStringLiteral("127.0.0.1:9");
    config.startPage = QStringLiteral("http://127.0.0.1:9/");
    return config;
}

FakeApp::FakeApp(const std::function<void(Configuration&)>& adjust)
    : config(testConfiguration(folder.path())),
      context{table, fakes.view(), [this] { ++endProgramCalls; }, system.view(), config}
{
    for (int n = 1; n <= 134; ++n) table.setText(n, QStringLiteral("T%1").arg(n));
    if (adjust) adjust(config);
}

PrivateBus::~PrivateBus()
{
    if (daemon_.state() == QProcess::NotRunning) return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000)) {
        daemon_.kill();
        daemon_.waitForFinished();
    }
}

QString PrivateBus::start(const QStringList& machineServices)
{
    const QString services = folder_.filePath(QStringLiteral("services"));
    if (!folder_.isValid() || !QDir().mkpath(services)) {
        problem_ = QStringLiteral("no folder for the bus's configuration");
        return {};
    }
    for (const QString& name : machineServices) {
        for (const char* shared : {"/usr/local/share", "/usr/share"})
            if (QFile::copy(QStringLiteral("%1/dbus-1/services/%2").arg(shared, name), services + '/' + name)) break;
    }
    const QString config = folder_.filePath(QStringLiteral("session.conf"));
    writeFile(config,
              QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <servicedir>%2</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                  .arg(folder_.path().toHtmlEscaped(), services.toHtmlEscaped())
                  .toStdString());
    daemon_.start(
        QStringLiteral("dbus-daemon"),
        {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!daemon_.waitForStarted(5000)) {
        problem_ = QStringLiteral("dbus-daemon cannot be started here (is it installed?)");
        return {};
    }
    QDeadlineTimer deadline(10000);
    while (!daemon_.canReadLine() && !deadline.hasExpired())
        daemon_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    if (address_.isEmpty()) problem_ = QStringLiteral("dbus-daemon printed no address");
    return address_;
}

MockedBus::~MockedBus()
{
    if (connection_) {
        connection_->unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(QStringLiteral("mock"));
    }
    thread_.quit();
    thread_.wait();
}

QString MockedBus::start()
{
    const QString address = daemon_.start();
    problem_ = daemon_.problem();
    if (address.isEmpty()) return {};
    connection_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, QStringLiteral("mock")));
    if (!connection_->isConnected()
        || !connection_->registerVirtualObject(QStringLiteral("/"), &mock_, QDBusConnection::SubPath)) {
        problem_ = QStringLiteral("the mock cannot serve on the private bus");
        return {};
    }
    thread_.start();
    mock_.moveToThread(&thread_);
    return address;
}

} // namespace testing
