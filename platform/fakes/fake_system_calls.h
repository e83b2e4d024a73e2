#pragma once
// Settable, recording fakes of the system calls, for tests. Every call is
// noted in one shared log, in order, so tests can check the order of a
// sequence across topics; `observer` runs at each call, before it returns.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/system_calls.h"

namespace platform::fakes {

struct SystemCallLog {
    std::vector<std::string> calls;
    std::function<void(const std::string& call)> observer;

    int count(const std::string& call) const
    {
        int n = 0;
        for (const auto& c : calls) n += c == call;
        return n;
    }
    void note(const std::string& call)
    {
        calls.push_back(call);
        if (observer) observer(call);
    }
};

class FakeStartMode : public Jak_byl_system_nastartovan::Calls {
public:
    explicit FakeStartMode(SystemCallLog& log) : log_(log) {}
    int mode = Jak_byl_system_nastartovan::Normal;
    int startMode() override
    {
        log_.note("startMode");
        return mode;
    }

private:
    SystemCallLog& log_;
};

class FakeMouse : public mys::Calls {
public:
    explicit FakeMouse(SystemCallLog& log) : log_(log) {}
    bool present = true;
    int buttons = 3;
    bool mousePresent() override
    {
        log_.note("mousePresent");
        return present;
    }
    int buttonCount() override
    {
        log_.note("buttonCount");
        return buttons;
    }

private:
    SystemCallLog& log_;
};

class FakeMemory : public pamet::Calls {
public:
    explicit FakeMemory(SystemCallLog& log) : log_(log) {}
    pamet::MemoryStatus status;
    std::optional<std::string> failure; // thrown as platform::Failure when set
    pamet::MemoryStatus globalMemoryStatus() override
    {
        log_.note("globalMemoryStatus");
        if (failure) throw Failure(*failure);
        return status;
    }

private:
    SystemCallLog& log_;
};

class FakeOstatniApi : public ostatni_API::Calls {
public:
    explicit FakeOstatniApi(SystemCallLog& log) : log_(log) {}
    ostatni_API::OsVersion version{5, 1, 2600};
    std::uint64_t milliseconds = 0;
    std::uint64_t step = 0; // added to milliseconds after every read
    int millisecondReads = 0;
    ostatni_API::OsVersion osVersion() override
    {
        log_.note("osVersion");
        return version;
    }
    // Not logged: it is read many times a second.
    std::uint64_t millisecondsSinceBoot() override
    {
        ++millisecondReads;
        const std::uint64_t now = milliseconds;
        milliseconds += step;
        return now;
    }
    std::optional<std::string> user = std::string("uzivatel");
    std::optional<std::string> userName() override
    {
        log_.note("userName");
        return user;
    }

private:
    SystemCallLog& log_;
};

class FakeSession : public off_reset_logout::Calls {
public:
    explicit FakeSession(SystemCallLog& log) : log_(log) {}
    bool hasDesktopPrompt = false;
    off_reset_logout::Ability powerOffAbility = off_reset_logout::Ability::Yes;
    off_reset_logout::Ability rebootAbility = off_reset_logout::Ability::Yes;
    std::optional<std::string> failure; // thrown by logOff, powerOff and reboot when set
    void logOff() override { act("logOff"); }
    bool desktopShutdownPrompt() override
    {
        log_.note("desktopShutdownPrompt");
        return hasDesktopPrompt;
    }
    off_reset_logout::Ability canPowerOff() override
    {
        log_.note("canPowerOff");
        return powerOffAbility;
    }
    off_reset_logout::Ability canReboot() override
    {
        log_.note("canReboot");
        return rebootAbility;
    }
    void powerOff() override { act("powerOff"); }
    void reboot() override { act("reboot"); }

private:
    void act(const std::string& call)
    {
        log_.note(call);
        if (failure) throw Failure(*failure);
    }
    SystemCallLog& log_;
};

class FakeTaskbar : public taskbar::Calls {
public:
    explicit FakeTaskbar(SystemCallLog& log) : log_(log) {}
    void hideTaskbar() override { log_.note("hideTaskbar"); }
    void showTaskbar() override { log_.note("showTaskbar"); }
    void hideStartButton() override { log_.note("hideStartButton"); }
    void showStartButton() override { log_.note("showStartButton"); }

private:
    SystemCallLog& log_;
};

// The file operations a test chooses, the native ones unless it puts others
// in `through` (native ones on a device that fills up, say).
class SwitchableFileOperations : public file_operations::Calls {
public:
    std::unique_ptr<file_operations::Calls> through = file_operations::makeNative();
    void copyFile(const std::string& source, const std::string& destination) override
    {
        through->copyFile(source, destination);
    }
    void moveFile(const std::string& source, const std::string& destination) override
    {
        through->moveFile(source, destination);
    }
    void deleteFile(const std::string& path, bool force) override { through->deleteFile(path, force); }
    void createFolders(const std::string& path) override { through->createFolders(path); }
    std::string readOrCreate(const std::string& path) override { return through->readOrCreate(path); }
    void adviseWholeFileBuffer(void* data, std::size_t size) override { through->adviseWholeFileBuffer(data, size); }
    void replaceFile(const std::string& path, const std::string& bytes) override { through->replaceFile(path, bytes); }
};

// The fakes, with the real file operations and profile functions: tests
// give the windows files of their own in temporary folders.
struct FakeSystemCalls {
    SystemCallLog log;
    FakeStartMode start{log};
    FakeMouse mouse{log};
    FakeMemory memory{log};
    FakeOstatniApi other{log};
    FakeSession session{log};
    FakeTaskbar taskbar{log};
    SwitchableFileOperations files;
    std::unique_ptr<profile::Calls> profile = profile::makeNative();
    SystemCalls view() { return SystemCalls{start, mouse, memory, other, session, taskbar, files, *profile}; }
};

} // namespace platform::fakes
