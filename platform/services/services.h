#pragma once
// Everything a window may ask of the platform, handed to it at creation.
// Windows never create message boxes, file dialogs, processes or browser
// engines themselves; tests hand them recording fakes instead.

#include "platform/services/browser_view.h"
#include "platform/services/file_dialog.h"
#include "platform/services/message_box.h"
#include "platform/services/pointer_position.h"
#include "platform/services/program_starter.h"

namespace platform {

struct Services {
    ProgramStarter& programs;
    MessageBoxService& messages;
    FileDialogService& fileDialogs;
    BrowserFactory& browsers;
    PointerPosition& pointer;
};

} // namespace platform
