#pragma once
// Everything a window may ask of the platform, handed to it at creation.
// Windows never create message boxes, file dialogs, processes or browser
// engines themselves; tests hand them recording fakes instead. Every member
// must be given: a service left out does not compile.

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
    RunPromptService& runPrompt;
    NetworkService& network;
    HostRenamer& hostNames;
    ShareDialogService& shares;
    SettingsApplets& applets;
    PointerDisplay& pointerDisplay;
    ShutdownDialogService& shutdownDialog;
};

} // namespace platform
