#pragma once
// Shared pieces of the tests: crafted language files and a window context
// built on recording fakes.

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/fakes/fake_services.h"
#include "platform/fakes/fake_system_calls.h"
#include "ui/app_context.h"

namespace testing {

// Language-file bytes whose record r holds text(r) encoded in code page 1250.
std::string languageFileBytes(const std::function<QString(int record)>& text);

// Writes bytes to a file; fails the test run loudly when it cannot.
void writeFile(const QString& path, const std::string& bytes);
std::string readFile(const QString& path);

// The window's control of that name; ends the test run loudly when it has
// none.
template <typename Control = QWidget>
Control* child(QObject& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
}
// What a function did in a child process of its own, given `seconds` and
// `extraMemory` bytes beyond what the test already uses: a hang or a growth
// without bound ends the child and shows here, instead of stopping the run
// or exhausting the machine.
struct ChildOutcome {
    bool finished = false; // returned (or threw) within the bounds
    std::string result;    // what it returned; "exception: ..." when it threw
    std::string standardError;
};
ChildOutcome runInChild(const std::function<std::string()>& function, int seconds = 10,
                        size_t extraMemory = size_t(256) << 20);

// Writes like write(2) until `budget` bytes went through, then fails with
// ENOSPC after a partial write: a device that fills up.
platform::file_operations::WriteFunction fillingDevice(size_t budget);

// Runs `open`, which shows a modal window and waits for it; once the window
// is up, `inspect` looks at it and the window is closed by rejecting it.
// Returns whether a modal window showed.
bool inspectModal(const std::function<void()>& open, const std::function<void(QWidget& window)>& inspect);

// Folder holding the czech.qlk and english.qlk the build packed.
QString builtLanguageFolder();

// A configuration for tests: every network target on 127.0.0.1 port 9
// (nothing listens there), code page 1250, and the folders in `folder`.
Configuration testConfiguration(const QString& folder);

// A string table whose every entry TextN reads "TN", and fakes around it.
// Tests change `config` before they make a window.
struct FakeApp {
    // `adjust` changes the test configuration before the context is made.
    explicit FakeApp(const std::function<void(Configuration&)>& adjust = {});
    Form1 table;
    platform::fakes::FakeServices fakes;
    platform::fakes::FakeSystemCalls system;
    int endProgramCalls = 0;
    QTemporaryDir folder;
    Configuration config;
    AppContext context;
};

// A D-Bus daemon of the test's own, stopped when the object ends. Tests
// hand its address to the code under test, so the machine's real buses are
// never reached. Its configuration is its own too: the standard session
// one would read the machine's service folders, and a service installed
// there (a desktop's logout prompt, ...) would start on demand on this bus.
class PrivateBus {
public:
    ~PrivateBus();
    // Starts the daemon and returns its address; an empty text, with
    // problem() saying why, when it cannot run here. The only services it
    // can start are the machine's of the given file names
    // ("org.gtk.vfs.Daemon.service"), from the system's D-Bus service folder.
    QString start(const QStringList& machineServices = {});
    const QString& address() const { return address_; }
    const QString& problem() const { return problem_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QString problem_;
};

// A private bus on which `mock` answers every object path, on a thread of
// its own, so that blocking calls made on the test's thread get replies.
class MockedBus {
public:
    explicit MockedBus(QDBusVirtualObject& mock) : mock_(mock) {}
    ~MockedBus();
    // Starts the bus; an empty text, with problem() saying why, when it
    // cannot.
    QString start();
    QDBusConnection& connection() { return *connection_; } // the mock's own
    const QString& problem() const { return problem_; }

private:
    QDBusVirtualObject& mock_;
    PrivateBus daemon_;
    QThread thread_;
    std::unique_ptr<QDBusConnection> connection_;
    QString problem_;
};

} // namespace testing
