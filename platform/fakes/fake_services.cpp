#include "platform/fakes/fake_services.h"

#include "platform/failure.h"

namespace platform::fakes {

void FakeProgramStarter::start(const QString& commandLine, int windowStyle)
{
    if (commandLine.trimmed().isEmpty() || failingCommands.contains(commandLine))
        throw Failure("The program \"" + commandLine.toStdString() + "\" cannot be started.");
    calls.push_back({commandLine, windowStyle});
}

} // namespace platform::fakes
