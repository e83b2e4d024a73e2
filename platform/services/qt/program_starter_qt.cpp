#include "platform/services/qt/qt_services.h"
#include "platform/sys/shell.h"

namespace platform {

SplitCommand splitCommandLine(const QString& commandLine)
{
    const shell::Command command = shell::splitCommandLine(commandLine.toStdString());
    SplitCommand split{QString::fromStdString(command.program), {}};
    for (const std::string& argument : command.arguments) split.arguments << QString::fromStdString(argument);
    return split;
}

void QtProgramStarter::start(const QString& commandLine, int windowStyle)
{
    shell::startProgram(commandLine.toStdString(), windowStyle);
}

} // namespace platform
