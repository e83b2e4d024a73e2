#pragma once
// The real services: Qt widgets, QProcess and, through a module loaded at
// run time, Qt WebEngine.

#include <QDBusConnection>
#include <functional>
#include <memory>
#include <utility>

#include "platform/services/services.h"

class QEventLoop;

namespace platform {

class QtProgramStarter : public ProgramStarter {
public:
    void start(const QString& commandLine, int windowStyle) override;
};

class QtMessageBoxService : public MessageBoxService {
public:
    void show(const QString& text, int style, const std::optional<QString>& title) override;
};

class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> show(const FileDialogRequest& request) override;
};

// Beside the program (the build folder), then the installed module folder
// (lib/quelmarn under the program's prefix).
QStringList browserModuleFolders();

class BrowserEngineModule;

// Browser views on Qt WebEngine whose Home button opens startPage. The
// engine is in a module that is loaded when the first view is made, from
// the first of `moduleFolders` that holds it; a module that is missing or
// broken throws Failure.
class WebEngineBrowserFactory : public BrowserFactory {
public:
    explicit WebEngineBrowserFactory(QString startPage, QStringList moduleFolders = browserModuleFolders());
    BrowserView* create(QWidget* parent) override;

private:
    QString startPage_;
    QStringList folders_;
    BrowserEngineModule* module_ = nullptr;
};

// The run prompt as a Qt dialog; its Browse button uses the file dialogs.
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

// Host name and address from Qt; the reachability test with a QTcpSocket
// waited on by a nested event loop, which `limit` ends at the bound.
class QtNetworkService : public NetworkService {
public:
    // Quits `wait` once `bound` has passed, unless the attempt ended it
    // first (the loop is gone then).
    using WaitLimit = std::function<void(QEventLoop& wait, std::chrono::milliseconds bound)>;
    static void preciseTimer(QEventLoop& wait, std::chrono::milliseconds bound);

    explicit QtNetworkService(WaitLimit limit = preciseTimer) : limit_(std::move(limit)) {}
    QString localHostName() override;
    QString localAddress() override;
    bool reachable(const HostPort& target, std::chrono::milliseconds bound) override;

private:
    WaitLimit limit_;
};

// Renames through systemd-hostnamed (org.freedesktop.hostname1) on the
// system bus, or on the bus it is given.
class DBusHostRenamer : public HostRenamer {
public:
    DBusHostRenamer();
    explicit DBusHostRenamer(const QDBusConnection& bus);
    bool setComputerName(const QString& name) override;

private:
    QDBusConnection bus_;
};

// Mounts shares as the desktop's file manager does (GIO/GVfs on Linux).
std::unique_ptr<ShareMounter> makeNativeShareMounter();

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

// The network-drive dialog: the address, checked, then mounted.
class QtShareDialogService : public ShareDialogService {
public:
    explicit QtShareDialogService(ShareMounter& mounter) : mounter_(mounter) {}
    void connectNetworkDrive(QWidget* owner) override;

private:
    ShareMounter& mounter_;
};

// Program and arguments of a command line: the whole text when it names an
// existing executable file (so paths with blanks need no quotes), else the
// text split at blanks with quotes honoured. Throws Failure for a blank text.
struct SplitCommand {
    QString program;
    QStringList arguments;
};
SplitCommand splitCommandLine(const QString& commandLine);

// The real services, owned for the life of the program; made after the
// QApplication.
struct QtServices {
    QtServices(const QString& startPage, const desktop::Session& session) : browsers(startPage), applets(session) {}
    QtProgramStarter programs;
    QtMessageBoxService messages;
    QtFileDialogService fileDialogs;
    WebEngineBrowserFactory browsers;
    std::unique_ptr<PointerPosition> pointer = makeNativePointerPosition();
    QtRunPrompt runPrompt{fileDialogs};
    QtNetworkService network;
    DBusHostRenamer hostNames;
    std::unique_ptr<ShareMounter> shareMounter = makeNativeShareMounter();
    QtShareDialogService shares{*shareMounter};
    DesktopSettingsApplets applets;
    QtPointerDisplay pointerDisplay;
    QtShutdownDialogService shutdownDialog;
    Services view()
    {
        return Services{programs, messages, fileDialogs, browsers, *pointer,      runPrompt,
                        network,  hostNames, shares,     applets,  pointerDisplay, shutdownDialog};
    }
};

} // namespace platform
