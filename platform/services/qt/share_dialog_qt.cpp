#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/failure.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/shell.h"

namespace platform {

namespace {

QLabel* wrappedLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The address dialog. While a connection is being made it cannot be
// closed: the connection's wait runs inside its button's handler.
class ShareDialog : public QDialog {
public:
    explicit ShareDialog(QWidget* owner) : QDialog(owner)
    {
        setObjectName(QStringLiteral("ShareDialog"));
        setWindowTitle(QStringLiteral("Připojit síťový disk"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(wrappedLabel(QStringLiteral("Adresa sdílené složky (smb://server/slozka, sftp://, "
                                                      "ftp://, dav://):"),
                                       "addressLabel", this));
        address = new QLineEdit(this);
        address->setObjectName(QStringLiteral("address"));
        address->setMinimumWidth(380);
        layout->addWidget(address);
        status = wrappedLabel(QString(), "status", this);
        layout->addWidget(status);
        buttons = new QDialogButtonBox(this);
        buttons->setObjectName(QStringLiteral("buttons"));
        connectButton = buttons->addButton(QStringLiteral("Připojit"), QDialogButtonBox::AcceptRole);
        connectButton->setObjectName(QStringLiteral("connect"));
        QPushButton* cancel = buttons->addButton(QStringLiteral("Zrušit"), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("cancel"));
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }

    void setBusy(bool on)
    {
        busy = on;
        address->setEnabled(!on);
        buttons->setEnabled(!on);
    }

    void reject() override
    {
        if (!busy) QDialog::reject();
    }

    QLineEdit* address;
    QLabel* status;
    QDialogButtonBox* buttons;
    QPushButton* connectButton;
    bool busy = false;
};

} // namespace

std::optional<Credentials> QtCredentialPrompt::ask(const CredentialRequest& request)
{
    QDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("CredentialDialog"));
    dialog.setWindowTitle(QStringLiteral("Přihlášení ke sdílené složce"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(wrappedLabel(request.message, "message", &dialog));
    auto* form = new QFormLayout;
    layout->addLayout(form);
    auto field = [&](const char* name, const QString& caption, const QString& text, bool shown) {
        auto* edit = new QLineEdit(text, &dialog);
        edit->setObjectName(QLatin1String(name));
        edit->setMinimumWidth(240);
        if (shown)
            form->addRow(caption, edit);
        else
            edit->hide();
        return edit;
    };
    QLineEdit* user = field("user", QStringLiteral("Uživatel:"), request.defaultUser, request.needUser);
    QLineEdit* domain = field("domain", QStringLiteral("Doména:"), request.defaultDomain, request.needDomain);
    QLineEdit* password = field("password", QStringLiteral("Heslo:"), QString(), request.needPassword);
    password->setEchoMode(QLineEdit::Password);
    QCheckBox* anonymous = nullptr;
    if (request.anonymousAllowed) {
        anonymous = new QCheckBox(QStringLiteral("Připojit anonymně"), &dialog);
        anonymous->setObjectName(QStringLiteral("anonymous"));
        layout->addWidget(anonymous);
        QObject::connect(anonymous, &QCheckBox::toggled, &dialog, [=](bool on) {
            user->setEnabled(!on);
            domain->setEnabled(!on);
            password->setEnabled(!on);
        });
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Přihlásit"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Zrušit"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return Credentials{user->text(), domain->text(), password->text(), anonymous && anonymous->isChecked()};
}

std::optional<int> QtCredentialPrompt::choose(const QString& question, const QStringList& answers)
{
    QDialog dialog(owner_);
    dialog.setObjectName(QStringLiteral("QuestionDialog"));
    dialog.setWindowTitle(QStringLiteral("Otázka serveru"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(wrappedLabel(question, "message", &dialog));
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    std::optional<int> chosen;
    for (int i = 0; i < answers.size(); ++i) {
        QPushButton* button = buttons->addButton(answers[i], QDialogButtonBox::ActionRole);
        button->setObjectName(QStringLiteral("answer%1").arg(i));
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &chosen, i] {
            chosen = i;
            dialog.accept();
        });
    }
    QPushButton* cancel = buttons->addButton(QStringLiteral("Zrušit"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen;
}

void QtShareDialogService::connectNetworkDrive(QWidget* owner)
{
    if (shell::connectNetworkDrive(owner ? owner->window()->effectiveWinId() : 0)) return;
    ShareDialog dialog(owner);
    std::optional<std::string> failure;
    QObject::connect(dialog.connectButton, &QPushButton::clicked, &dialog, [&] {
        const ShareAddress address = checkShareAddress(dialog.address->text());
        if (!address.ok()) {
            dialog.status->setText(address.error);
            return;
        }
        dialog.status->setText(QStringLiteral("Připojuji %1 ...").arg(address.url));
        dialog.setBusy(true);
        QtCredentialPrompt prompt(&dialog);
        try {
            const bool connected = mounter_.mount(address.url, prompt);
            dialog.setBusy(false);
            if (connected) {
                dialog.accept();
                return;
            }
            dialog.status->setText(QStringLiteral("Připojení bylo zrušeno."));
        } catch (const Failure& error) {
            // Reported by the caller's failure rule once the dialog is closed.
            failure = error.what();
            dialog.setBusy(false);
            dialog.reject();
        }
    });
    dialog.exec();
    if (failure) throw Failure(*failure);
}

} // namespace platform
