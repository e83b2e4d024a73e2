#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "platform/failure.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/message.h"
#include "platform/sys/shell.h"

namespace platform {
namespace {

QString userShell()
{
    const QString shell = qEnvironmentVariable("SHELL");
    const QFileInfo info(shell);
    if (!shell.isEmpty() && info.isAbsolute() && info.isFile() && info.isExecutable()) return shell;
    return QStringLiteral("/bin/sh");
}

// Shells that understand `sh -c 'command -v -- "$1"' name word`.
bool speaksPosix(const QString& shell)
{
    static const QStringList known = {QStringLiteral("sh"),  QStringLiteral("bash"),   QStringLiteral("dash"),
                                      QStringLiteral("zsh"), QStringLiteral("ksh"),    QStringLiteral("mksh"),
                                      QStringLiteral("ash"), QStringLiteral("busybox")};
    return known.contains(QFileInfo(shell).fileName());
}

// The first word when the line starts with a plain command name (no
// quoting, expansion, assignment or other shell syntax); else empty.
QString plainFirstWord(const QString& commandLine)
{
    static const QRegularExpression plain(QStringLiteral("^\\s*([A-Za-z0-9_./+-]+)(\\s|$)"));
    const QRegularExpressionMatch match = plain.match(commandLine);
    return match.hasMatch() ? match.captured(1) : QString();
}

// Quotes a path for the shell when it needs it.
QString shellWord(const QString& path)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_./+:@%=-]+$"));
    if (safe.match(path).hasMatch()) return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

class RunPromptDialog : public QDialog {
public:
    RunPromptDialog(QWidget* owner, FileDialogService& fileDialogs) : QDialog(owner), fileDialogs_(fileDialogs)
    {
        setObjectName(QStringLiteral("runPrompt"));
        setWindowTitle(QStringLiteral("Spustit"));
        setFixedSize(347, 120);
        auto* label = new QLabel(QStringLiteral("Napište příkaz, který se má spustit:"), this);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(12, 12, 323, 17);
        commandLine = new QLineEdit(this);
        commandLine->setObjectName(QStringLiteral("commandLine"));
        commandLine->setGeometry(12, 36, 323, 23);
        ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("ok"));
        ok->setGeometry(95, 80, 75, 25);
        ok->setDefault(true);
        ok->setEnabled(false);
        auto* cancel = new QPushButton(QStringLiteral("Zrušit"), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        cancel->setGeometry(178, 80, 75, 25);
        auto* browse = new QPushButton(QStringLiteral("Procházet..."), this);
        browse->setObjectName(QStringLiteral("browse"));
        browse->setGeometry(260, 80, 75, 25);

        connect(commandLine, &QLineEdit::textChanged, this,
                [this](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(browse, &QPushButton::clicked, this, [this] { browseForProgram(); });
    }

    QLineEdit* commandLine;
    QPushButton* ok;

private:
    void browseForProgram()
    {
        FileDialogRequest request;
        request.kind = FileDialogRequest::Open;
        request.filter = QStringLiteral("Všechny soubory|*");
        request.fileName = lastChoice_;
        if (const std::optional<QString> chosen = fileDialogs_.show(request)) {
            lastChoice_ = *chosen;
            commandLine->setText(shellWord(*chosen));
        }
    }

    FileDialogService& fileDialogs_;
    QString lastChoice_;
};

} // namespace

void startShellCommand(const QString& commandLine)
{
    if (commandLine.trimmed().isEmpty()) return;
    const QString shell = userShell();
    const QString word = plainFirstWord(commandLine);
    if (!word.isEmpty() && speaksPosix(shell)) {
        // Ask the shell itself whether it knows the command (a program on
        // PATH, a path, a builtin or a keyword), so a typo is reported
        // instead of vanishing in a detached shell.
        QProcess check;
        check.setProgram(shell);
        check.setArguments(
            {QStringLiteral("-c"), QStringLiteral("command -v -- \"$1\" >/dev/null 2>&1"), QStringLiteral("sh"), word});
        check.setStandardInputFile(QProcess::nullDevice());
        check.start();
        if (check.waitForFinished(5000) && check.exitStatus() == QProcess::NormalExit && check.exitCode() != 0)
            throw Failure(message(QT_TRANSLATE_NOOP("platform",
                                                    "The command \"%1\" cannot be started: \"%2\" is not a "
                                                    "program or command on this system."),
                                  {commandLine.toStdString(), word.toStdString()}));
    }
    QProcess process;
    process.setProgram(shell);
    process.setArguments({QStringLiteral("-c"), commandLine});
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw Failure(message(
            QT_TRANSLATE_NOOP("platform", "The command \"%1\" cannot be started: the shell \"%2\" cannot be run."),
            {commandLine.toStdString(), shell.toStdString()}));
}

void QtRunPrompt::run(QWidget* owner)
{
    if (shell::runDialog(owner ? owner->window()->effectiveWinId() : 0)) return;
    RunPromptDialog dialog(owner, fileDialogs_);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return;
    startShellCommand(dialog.commandLine->text());
}

} // namespace platform
