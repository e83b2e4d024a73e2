#pragma once
// Recording fakes of the window services, for tests.

#include <QStringList>
#include <deque>
#include <optional>
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
};

// A pointer that stays where the test puts it.
class FakePointerPosition : public PointerPosition {
public:
    QPoint at;
    int reads = 0;
    QPoint position() override
    {
        ++reads;
        return at;
    }
};

// A set of fakes with the Services view windows take.
struct FakeServices {
    FakeProgramStarter programs;
    FakeMessageBoxService messages;
    FakeFileDialogService fileDialogs;
    FakeBrowserFactory browsers;
    FakePointerPosition pointer;
    Services view() { return Services{programs, messages, fileDialogs, browsers, pointer}; }
};

} // namespace platform::fakes
