#pragma once
// Connecting a network share: a dialog owned by a window asks for the
// share's address and connects it, asking for the user's credentials when
// the server wants them.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

// A share address the way the user may type it: smb://host/share,
// sftp://, ftp://, dav:// and davs:// addresses, and \\host\share (taken as
// smb://host/share). The address to connect, or why it cannot be used.
struct ShareAddress {
    QString url;   // empty when the address was refused
    QString error; // a readable reason when refused
    bool ok() const { return !url.isEmpty(); }
};
ShareAddress checkShareAddress(const QString& typed);

// What a server asks for before it lets the user in.
struct CredentialRequest {
    QString message; // the server's own words
    QString defaultUser;
    QString defaultDomain;
    bool needUser = false;
    bool needDomain = false;
    bool needPassword = false;
    bool anonymousAllowed = false;
};

struct Credentials {
    QString user;
    QString domain;
    QString password;
    bool anonymous = false;
};

// Asks the user for credentials; nullopt when the user cancels.
class CredentialPrompt {
public:
    virtual ~CredentialPrompt() = default;
    virtual std::optional<Credentials> ask(const CredentialRequest& request) = 0;
    // A question of the server (an unknown host key, for example) with the
    // answers it offers: the index of the chosen one, nullopt when the user
    // cancels. Without a way to ask, nothing is answered, which refuses.
    virtual std::optional<int> choose(const QString& /*question*/, const QStringList& /*answers*/)
    {
        return std::nullopt;
    }
};

// Connects (mounts) a share; waits for the result while the program's
// events keep running. Returns false when the user cancelled a question of
// the server; throws Failure, naming the address, when the share cannot be
// connected.
class ShareMounter {
public:
    virtual ~ShareMounter() = default;
    virtual bool mount(const QString& url, CredentialPrompt& prompt) = 0;
};

// The network-drive dialog: shown modal, owned by `owner`. Returns when it
// is closed; a cancelled dialog does nothing. A share that cannot be
// connected is a Failure.
class ShareDialogService {
public:
    virtual ~ShareDialogService() = default;
    virtual void connectNetworkDrive(QWidget* owner) = 0;
};

} // namespace platform
