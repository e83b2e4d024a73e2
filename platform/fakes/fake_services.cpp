#include "platform/fakes/fake_services.h"

#include <algorithm>

#include "platform/failure.h"

namespace platform::fakes {

void FakeProgramStarter::start(const QString& commandLine, int windowStyle)
{
    if (commandLine.trimmed().isEmpty() || failingCommands.contains(commandLine))
        throw Failure("The program \"" + commandLine.toStdString() + "\" cannot be started.");
    calls.push_back({commandLine, windowStyle});
}

void FakeRunPrompt::run(QWidget* owner)
{
    owners.push_back(owner);
    if (failure) throw Failure(failure->toStdString());
}

void FakeShareDialogService::connectNetworkDrive(QWidget* owner)
{
    owners.push_back(owner);
    if (failure) throw Failure(failure->toStdString());
}

bool FakeShareMounter::mount(const QString& url, CredentialPrompt& prompt)
{
    urls << url;
    if (request) {
        answers.push_back(prompt.ask(*request));
        if (!answers.back()) return false;
    }
    if (failure) throw Failure(failure->toStdString());
    return result;
}

QString FakeSettingsApplets::commandLine(SettingsRole role)
{
    const SettingsApplet& applet = settingsApplet(role);
    if (std::find(missing.begin(), missing.end(), role) != missing.end())
        throw Failure("No program on this computer opens the \"" + applet.name.toStdString() + "\" settings.");
    return applet.name;
}

} // namespace platform::fakes
