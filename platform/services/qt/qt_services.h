#pragma once
// The real services: Qt widgets, QProcess and, through modules loaded at
// run time, Qt WebEngine, Qt Network and GIO.

#include <QMessageBox>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "platform/services/qt/module_loader.h"
#include "platform/services/services.h"

namespace platform {

class QtProgramStarter : public ProgramStarter {
public:
    void start(const QString& commandLine, int windowStyle) override;
};

class QtMessageBoxService : public MessageBoxService {
public:
    void show(const QString& text, int style, const std::optional<QString>& title) override;
};

// The box QtMessageBoxService shows, made but not yet shown.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, int style, const std::optional<QString>& title);
// How wide a window must be for the window manager's title bar to show
// `title` whole beside its icon and buttons.
int titleBarWidth(const QString& title);

class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> show(const FileDialogRequest& request) override;
};

class BrowserEngineModule;

// Browser views on Qt WebEngine whose Home button opens startPage. The
// engine is in a module that is loaded when the first view is made, from
// the first of `moduleFolders` that holds it; a module that is missing or
// broken throws Failure. Where the engine cannot run (`unavailable` says
// why), the module is never loaded and each view shows that reason.
class WebEngineBrowserFactory : public BrowserFactory {
public:
    explicit WebEngineBrowserFactory(QString startPage, QStringList moduleFolders = platform::moduleFolders(),
                                     QString unavailable = QString());
    BrowserView* create(QWidget* parent) override;
    QString unavailable() const override { return unavailable_; }

private:
    QString startPage_;
    QStringList folders_;
    QString unavailable_;
    BrowserEngineModule* module_ = nullptr;
};

// The system's Run dialog where it has one (shell::runDialog), else the
// program's own as a Qt dialog, whose Browse button uses the file dialogs.
class QtRunPrompt : public RunPromptService {
public:
    explicit QtRunPrompt(FileDialogService& fileDialogs) : fileDialogs_(fileDialogs) {}
    void run(QWidget* owner) override;

private:
    FileDialogService& fileDialogs_;
};

// Starts a command line through the user's shell ($SHELL, else /bin/sh)
// with "-c", detached. A line whose first word is a command name that the
// shell cannot find, or a shell that cannot start, throws Failure.
void startShellCommand(const QString& commandLine);

class NetworkModule;

// The network module (network_qt.h), loaded from the first of `folders`
// that holds it when a window first asks for one of its services; a
// missing or broken module throws Failure then.
class NetworkModuleLoader {
public:
    explicit NetworkModuleLoader(QStringList folders) : folders_(std::move(folders)) {}
    NetworkModule& module();

private:
    QStringList folders_;
    NetworkModule* module_ = nullptr;
};

// Host name, address and the reachability test of the network module.
class ModuleNetworkService : public NetworkService {
public:
    explicit ModuleNetworkService(NetworkModuleLoader& loader) : loader_(loader) {}
    QString localHostName() override { return real().localHostName(); }
    QString localAddress() override { return real().localAddress(); }
    bool reachable(const HostPort& target, std::chrono::milliseconds bound) override
    {
        return real().reachable(target, bound);
    }
    void askPage(const QString& url, std::chrono::milliseconds bound, QObject* receiver,
                 std::function<void(bool)> done) override
    {
        real().askPage(url, bound, receiver, std::move(done));
    }

private:
    NetworkService& real();
    NetworkModuleLoader& loader_;
    std::unique_ptr<NetworkService> real_;
};

// Shares mounted by the network module.
class ModuleShareMounter : public ShareMounter {
public:
    explicit ModuleShareMounter(NetworkModuleLoader& loader) : loader_(loader) {}
    bool mount(const QString& url, CredentialPrompt& prompt) override;

private:
    NetworkModuleLoader& loader_;
    std::unique_ptr<ShareMounter> real_;
};

// Renames through the system call (on Linux systemd-hostnamed on the
// system bus, or on the bus at `systemBus`), waiting in an event loop.
class SystemHostRenamer : public HostRenamer {
public:
    explicit SystemHostRenamer(std::string systemBus = {}) : systemBus_(std::move(systemBus)) {}
    bool setComputerName(const QString& name) override;

private:
    std::string systemBus_;
};

// Asks for user name, domain and password, and puts the server's
// questions, in dialogs owned by `owner`.
class QtCredentialPrompt : public CredentialPrompt {
public:
    explicit QtCredentialPrompt(QWidget* owner) : owner_(owner) {}
    std::optional<Credentials> ask(const CredentialRequest& request) override;
    std::optional<int> choose(const QString& question, const QStringList& answers) override;

private:
    QWidget* owner_;
};

// The system's network-drive dialog where it has one
// (shell::connectNetworkDrive), else the program's own: the address,
// checked, then mounted.
class QtShareDialogService : public ShareDialogService {
public:
    explicit QtShareDialogService(ShareMounter& mounter) : mounter_(mounter) {}
    void connectNetworkDrive(QWidget* owner) override;

private:
    ShareMounter& mounter_;
};

// Program and arguments of a command line, as shell::splitCommandLine takes
// it apart. Throws Failure for a blank text.
struct SplitCommand {
    QString program;
    QStringList arguments;
};
SplitCommand splitCommandLine(const QString& commandLine);

// The real services, owned for the life of the program; made after the
// QApplication.
struct QtServices {
    QtServices(const QString& startPage, const desktop::Session& session, const QString& webEngineUnavailable)
        : browsers(startPage, modules, webEngineUnavailable),
          pointer(makeNativePointerPosition(session)),
          applets(session)
    {
    }
    const QStringList modules = moduleFolders(); // where both modules are looked for
    QtProgramStarter programs;
    QtMessageBoxService messages;
    QtFileDialogService fileDialogs;
    WebEngineBrowserFactory browsers;
    std::unique_ptr<PointerPosition> pointer;
    QtRunPrompt runPrompt{fileDialogs};
    NetworkModuleLoader networkModule{modules};
    ModuleNetworkService network{networkModule};
    SystemHostRenamer hostNames;
    ModuleShareMounter shareMounter{networkModule};
    QtShareDialogService shares{shareMounter};
    DesktopSettingsApplets applets;
    QtPointerDisplay pointerDisplay;
    QtShutdownDialogService shutdownDialog;
    Services view()
    {
        return Services{programs, messages,  fileDialogs, browsers, *pointer,       runPrompt,
                        network,  hostNames, shares,      applets,  pointerDisplay, shutdownDialog};
    }
};

} // namespace platform
