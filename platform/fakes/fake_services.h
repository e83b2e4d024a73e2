#pragma once
// Recording fakes of the window services, for tests.

#include <QStringList>
#include <deque>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/services/services.h"

namespace platform::fakes {

class FakeProgramStarter : public ProgramStarter {
public:
    struct Call {
        QString commandLine;
        int windowStyle;
    };
    std::vector<Call> calls;     // every start that succeeded, in order
    QStringList failingCommands; // command lines that fail as a missing program would

    void start(const QString& commandLine, int windowStyle) override;
};

class FakeMessageBoxService : public MessageBoxService {
public:
    struct Call {
        QString text;
        int style;
        std::optional<QString> title;
        QString shownTitle() const { return title ? *title : applicationTitle; }
    };
    std::vector<Call> calls;

    void show(const QString& text, int style, const std::optional<QString>& title) override
    {
        calls.push_back({text, style, title});
    }
};

class FakeFileDialogService : public FileDialogService {
public:
    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<QString>> answers; // nullopt = the user cancels

    std::optional<QString> show(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeBrowserView : public BrowserView {
    Q_OBJECT
public:
    using BrowserView::BrowserView;
    QStringList calls; // "navigate <url>", "home", "back", "forward", "stop", "reload"

    void navigate(const QString& url) override { calls << QStringLiteral("navigate ") + url; }
    void goHome() override { calls << QStringLiteral("home"); }
    void goBack() override { calls << QStringLiteral("back"); }
    void goForward() override { calls << QStringLiteral("forward"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void reload() override { calls << QStringLiteral("reload"); }
    QString offlinePage;
    void setOfflinePage(const QString& url) override { offlinePage = url; }
};

class FakeBrowserFactory : public BrowserFactory {
public:
    std::vector<FakeBrowserView*> created; // owned by their parent widgets
    BrowserView* create(QWidget* parent) override
    {
        auto* view = new FakeBrowserView(parent);
        created.push_back(view);
        return view;
    }
    QString unavailableReason;
    QString unavailable() const override { return unavailableReason; }
};

// A pointer that stays where the test puts it.
class FakePointerPosition : public PointerPosition {
public:
    std::optional<QPoint> at = QPoint(); // nothing: the desktop does not tell
    int reads = 0;
    std::optional<QPoint> position() override
    {
        ++reads;
        return at;
    }
};

// A run prompt that records who opened it; a set failure is thrown as a
// command that cannot start would be.
class FakeRunPrompt : public RunPromptService {
public:
    std::vector<QWidget*> owners;
    std::optional<QString> failure;
    void run(QWidget* owner) override;
};

// Fixed network facts; every reachability test is recorded and answered
// with `answer`, or handed to `realProbe` when one is set (tests with
// loopback servers).
class FakeNetworkService : public NetworkService {
public:
    struct Probe {
        HostPort target;
        std::chrono::milliseconds bound;
    };
    QString hostName = QStringLiteral("pocitac");
    QString address = QStringLiteral("192.0.2.7");
    bool answer = true;
    NetworkService* realProbe = nullptr;
    std::vector<Probe> probes;
    QString localHostName() override { return hostName; }
    QString localAddress() override { return address; }
    bool reachable(const HostPort& target, std::chrono::milliseconds bound) override
    {
        probes.push_back({target, bound});
        return realProbe ? realProbe->reachable(target, bound) : answer;
    }
    // Every page asked for; answered at once with `pageAnswers`, or by
    // `realProbe` when set.
    QStringList pagesAsked;
    bool pageAnswers = true;
    void askPage(const QString& url, std::chrono::milliseconds bound, QObject* receiver,
                 std::function<void(bool)> done) override
    {
        pagesAsked << url;
        if (realProbe)
            realProbe->askPage(url, bound, receiver, std::move(done));
        else
            done(pageAnswers);
    }
};

// Records every name asked for and answers with `accept`.
class FakeHostRenamer : public HostRenamer {
public:
    QStringList names;
    bool accept = true;
    bool setComputerName(const QString& name) override
    {
        names << name;
        return accept;
    }
};

// Records who opened the network-drive dialog; a set failure is thrown as
// a share that cannot be connected would be.
class FakeShareDialogService : public ShareDialogService {
public:
    std::vector<QWidget*> owners;
    std::optional<QString> failure;
    void connectNetworkDrive(QWidget* owner) override;
};

// Records every mount; answers with `result`, or throws `failure` when set.
// With `request` set it first asks the prompt, as a server that wants a
// password makes it, and keeps the answers.
class FakeShareMounter : public ShareMounter {
public:
    QStringList urls;
    std::optional<CredentialRequest> request;
    std::vector<std::optional<Credentials>> answers;
    bool result = true;
    std::optional<QString> failure;
    bool mount(const QString& url, CredentialPrompt& prompt) override;
};

// Settings pages that open as "<role name>" unless set otherwise; a role
// in `missing` fails as one without a program would.
class FakeSettingsApplets : public SettingsApplets {
public:
    std::vector<SettingsRole> missing;
    SystemInformationProgram systemInformationAnswer{QStringLiteral("/usr/bin/sysinfo"), true};
    QString commandLine(SettingsRole role) override;
    SystemInformationProgram systemInformation() override { return systemInformationAnswer; }
};

// A display count without a pointer of its own.
class FakePointerDisplay : public PointerDisplay {
public:
    int count = 0;
    std::vector<bool> calls; // the argument of every call
    int showCursor(bool show) override
    {
        calls.push_back(show);
        return count += show ? 1 : -1;
    }
};

// Answers with `choice` and records every request and its owner.
class FakeShutdownDialog : public ShutdownDialogService {
public:
    ShutdownChoice choice = ShutdownChoice::Cancel;
    std::vector<ShutdownRequest> requests;
    std::vector<QWidget*> owners;
    ShutdownChoice ask(QWidget* owner, const ShutdownRequest& request) override
    {
        owners.push_back(owner);
        requests.push_back(request);
        return choice;
    }
};

namespace detail {
template <typename Service>
Service& pick(Service& fake)
{
    return fake;
}
template <typename Service, typename First, typename... Rest>
Service& pick(Service& fake, First& first, Rest&... rest)
{
    if constexpr (std::is_base_of_v<Service, First>)
        return first;
    else
        return pick<Service>(fake, rest...);
}
} // namespace detail

// A set of fakes with the Services view windows take.
struct FakeServices {
    FakeProgramStarter programs;
    FakeMessageBoxService messages;
    FakeFileDialogService fileDialogs;
    FakeBrowserFactory browsers;
    FakePointerPosition pointer;
    FakeRunPrompt runPrompt;
    FakeNetworkService network;
    FakeHostRenamer hostNames;
    FakeShareDialogService shares;
    FakeSettingsApplets applets;
    FakePointerDisplay pointerDisplay;
    FakeShutdownDialog shutdownDialog;
    Services view() { return with(); }
    // The fakes' view with the given services in place of the fakes of
    // their kind (a real file dialog, a recording starter, ...).
    template <typename... Instead>
    Services with(Instead&... instead)
    {
        using detail::pick;
        return Services{
            pick<ProgramStarter>(programs, instead...),       pick<MessageBoxService>(messages, instead...),
            pick<FileDialogService>(fileDialogs, instead...), pick<BrowserFactory>(browsers, instead...),
            pick<PointerPosition>(pointer, instead...),       pick<RunPromptService>(runPrompt, instead...),
            pick<NetworkService>(network, instead...),        pick<HostRenamer>(hostNames, instead...),
            pick<ShareDialogService>(shares, instead...),     pick<SettingsApplets>(applets, instead...),
            pick<PointerDisplay>(pointerDisplay, instead...), pick<ShutdownDialogService>(shutdownDialog, instead...)};
    }
};

} // namespace platform::fakes
