// GIO first: its headers use "signals" as a name, which Qt defines away.
#include <gio/gio.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/failure.h"
#include "platform/services/qt/network_qt.h"

namespace platform {

namespace {

// Shared by the waiting call and GIO's callbacks. If the wait is cut short
// (the program ends its event loops), the call returns and the late
// callback frees the state.
struct MountState {
    CredentialPrompt* prompt = nullptr;
    QEventLoop* wait = nullptr;
    bool done = false;
    bool abandoned = false;
    GError* error = nullptr;
};

QString fromUtf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

void askPassword(GMountOperation* operation, const char* message, const char* defaultUser, const char* defaultDomain,
                 GAskPasswordFlags flags, gpointer data)
{
    auto* state = static_cast<MountState*>(data);
    if (state->abandoned) {
        g_mount_operation_reply(operation, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    CredentialRequest request;
    request.message = fromUtf8(message);
    request.defaultUser = fromUtf8(defaultUser);
    request.defaultDomain = fromUtf8(defaultDomain);
    request.needUser = flags & G_ASK_PASSWORD_NEED_USERNAME;
    request.needDomain = flags & G_ASK_PASSWORD_NEED_DOMAIN;
    request.needPassword = flags & G_ASK_PASSWORD_NEED_PASSWORD;
    request.anonymousAllowed = flags & G_ASK_PASSWORD_ANONYMOUS_SUPPORTED;
    const std::optional<Credentials> answer = state->prompt->ask(request);
    if (!answer || state->abandoned) {
        g_mount_operation_reply(operation, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_mount_operation_set_anonymous(operation, answer->anonymous && request.anonymousAllowed);
    g_mount_operation_set_username(operation, answer->user.toUtf8().constData());
    g_mount_operation_set_domain(operation, answer->domain.toUtf8().constData());
    g_mount_operation_set_password(operation, answer->password.toUtf8().constData());
    g_mount_operation_set_password_save(operation, G_PASSWORD_SAVE_NEVER);
    g_mount_operation_reply(operation, G_MOUNT_OPERATION_HANDLED);
}

// Questions of the server (an unknown host key, for example) go to the
// user with the server's own answers; a cancelled question refuses.
void askQuestion(GMountOperation* operation, const char* message, const char** choices, gpointer data)
{
    auto* state = static_cast<MountState*>(data);
    QStringList answers;
    for (const char** choice = choices; choice && *choice; ++choice) answers << fromUtf8(*choice);
    const std::optional<int> chosen =
        state->abandoned || answers.isEmpty() ? std::nullopt : state->prompt->choose(fromUtf8(message), answers);
    if (!chosen || state->abandoned || *chosen < 0 || *chosen >= answers.size()) {
        g_mount_operation_reply(operation, G_MOUNT_OPERATION_ABORTED);
        return;
    }
    g_mount_operation_set_choice(operation, *chosen);
    g_mount_operation_reply(operation, G_MOUNT_OPERATION_HANDLED);
}

void mounted(GObject* source, GAsyncResult* result, gpointer data)
{
    auto* state = static_cast<MountState*>(data);
    g_file_mount_enclosing_volume_finish(G_FILE(source), result, &state->error);
    state->done = true;
    if (state->abandoned) {
        g_clear_error(&state->error);
        delete state;
        return;
    }
    state->wait->quit();
}

// Mounts shares through GIO/GVfs, as the desktop's file manager does.
class GioShareMounter : public ShareMounter {
public:
    bool mount(const QString& url, CredentialPrompt& prompt) override;
};

} // namespace

std::unique_ptr<ShareMounter> makeNativeShareMounter() { return std::make_unique<GioShareMounter>(); }

bool GioShareMounter::mount(const QString& url, CredentialPrompt& prompt)
{
    GFile* file = g_file_new_for_uri(url.toUtf8().constData());
    GMountOperation* operation = g_mount_operation_new();
    GCancellable* cancellable = g_cancellable_new();
    QEventLoop wait;
    auto* state = new MountState;
    state->prompt = &prompt;
    state->wait = &wait;
    g_signal_connect(operation, "ask-password", G_CALLBACK(askPassword), state);
    g_signal_connect(operation, "ask-question", G_CALLBACK(askQuestion), state);

    g_file_mount_enclosing_volume(file, G_MOUNT_MOUNT_NONE, operation, cancellable, mounted, state);
    // GIO answers on the thread's default main context. Qt's event loop runs
    // that context when it is built on GLib; otherwise the context is given
    // a turn now and then.
    QTimer turns;
    if (!QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib")) {
        QObject::connect(&turns, &QTimer::timeout, &turns, [] { g_main_context_iteration(nullptr, FALSE); });
        turns.start(20);
    }
    if (!state->done) wait.exec();

    g_signal_handlers_disconnect_by_data(operation, state);
    g_object_unref(operation);
    g_object_unref(file);
    if (!state->done) {
        state->abandoned = true; // the callback frees it
        g_cancellable_cancel(cancellable);
        g_object_unref(cancellable);
        return false;
    }
    g_object_unref(cancellable);

    GError* error = state->error;
    delete state;
    if (!error) return true;
    const bool alreadyThere = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_ALREADY_MOUNTED);
    const bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_FAILED_HANDLED)
        || g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
    const std::string reason = error->message ? error->message : "unknown error";
    g_error_free(error);
    if (alreadyThere) return true;
    if (cancelled) return false;
    // This runs in the network module, which has its own copy of the
    // system-call layer's translator hook: Qt's translators are shared.
    throw Failure(QCoreApplication::translate("platform", "The network share \"%1\" cannot be connected: %2")
                      .arg(url, QString::fromStdString(reason))
                      .toStdString());
}

} // namespace platform
