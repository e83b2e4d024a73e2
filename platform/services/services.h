#pragma once
// Everything a window may ask of the platform, handed to it at creation.
// Windows never create message boxes, file dialogs, processes or browser
// engines themselves; tests hand them recording fakes instead.

#include "platform/services/browser_view.h"
#include "platform/services/file_dialog.h"
#include "platform/services/host_names.h"
#include "platform/services/message_box.h"
#include "platform/services/network.h"
#include "platform/services/pointer_display.h"
#include "platform/services/pointer_position.h"
#include "platform/services/program_starter.h"
#include "platform/services/run_prompt.h"
#include "platform/services/settings_applets.h"
#include "platform/services/share_connect.h"
#include "platform/services/shutdown_dialog.h"

namespace platform {

struct Services {
    ProgramStarter& programs;
    MessageBoxService& messages;
    FileDialogService& fileDialogs;
    BrowserFactory& browsers;
    PointerPosition& pointer;
    RunPromptService& runPrompt = unavailableRunPrompt();
    NetworkService& network = unavailableNetworkService();
    HostRenamer& hostNames = unavailableHostRenamer();
    ShareDialogService& shares = unavailableShareDialogService();
    SettingsApplets& applets = desktopSettingsApplets();
    PointerDisplay& pointerDisplay = programPointerDisplay();
    ShutdownDialogService& shutdownDialog = qtShutdownDialog();
};

} // namespace platform
