// The program's registry of section windows, where every window class is
// known.

#include "about/frmAbout.h"
#include "main_menu/main_menu.h"
#include "main_menu/window_registry_members.h"
#include "sections/browser/frm_internet.h"
#include "sections/folders/frm_slozky.h"
#include "sections/messages/frm_hlasky.h"
#include "sections/network/frm_sit.h"
#include "sections/notes/frm_poznamky.h"
#include "sections/programs/frm_programy.h"
#include "sections/settings/frm_nastav.h"
#include "sections/system/frm_system.h"

template class WindowRegistry<QUELMARN_SECTION_WINDOWS>;
