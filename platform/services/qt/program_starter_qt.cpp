#include <QFileInfo>
#include <QProcess>

#include "platform/failure.h"
#include "platform/sys/message.h"
#include "platform/services/qt/qt_services.h"

namespace platform {

SplitCommand splitCommandLine(const QString& commandLine)
{
    if (commandLine.trimmed().isEmpty())
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The program \"%1\" cannot be started: the command line names no program."),
                              {commandLine.toStdString()}));
    const QFileInfo whole(commandLine);
    if (whole.isFile() && whole.isExecutable())
        return {commandLine, {}};
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty())
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The program \"%1\" cannot be started: the command line names no program."),
                              {commandLine.toStdString()}));
    QString program = parts.takeFirst();
    return {program, parts};
}

void QtProgramStarter::start(const QString& commandLine, int /*windowStyle*/)
{
    // An X11 or Wayland client chooses its own first window state, so the
    // style cannot be imposed from outside; the program opens as it opens.
    const SplitCommand command = splitCommandLine(commandLine);
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The program \"%1\" cannot be started: it does not exist or is not "
                                                                 "an executable program."),
                              {commandLine.toStdString()}));
}

} // namespace platform
