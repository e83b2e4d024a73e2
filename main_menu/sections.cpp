#include "main_menu/main_menu.h"
#include "about/frmAbout.h"
#include "sections/messages/frm_hlasky.h"
#include "startup/frm_nastav.h"
#include "sections/browser/frm_internet.h"
#include "sections/programs/frm_programy.h"
#include "sections/system/frm_system.h"
#include "sections/folders/frm_slozky.h"
#include "sections/notes/frm_poznamky.h"
#include "sections/network/frm_sit.h"

// Each section window is created with the shared context; constructing it
// runs its load handler.
void registerSectionWindows(WindowRegistry& registry, AppContext& context)
{
    registry.add("frm_internet", [&context] { return new frm_internet(context); });
    registry.add("frm_programy", [&context] { return new frm_programy(context); });
    registry.add("frm_hlasky", [&context] { return new frm_hlasky(context); });
    registry.add("frm_nastav", [&context] { return new frm_nastav(context); });
    registry.add("frmAbout", [&context] { return new frmAbout(context); });
    registry.add("frm_system", [&context] { return new frm_system(context); });
    registry.add("frm_slozky", [&context] { return new frm_slozky(context); });
    registry.add("frm_poznamky", [&context] { return new frm_poznamky(context); });
    registry.add("frm_sit", [&context] { return new frm_sit(context); });
    (void)registry;
    (void)context;
}
