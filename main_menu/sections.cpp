#include "main_menu/main_menu.h"
#include "about/frmAbout.h"
#include "sections/messages/frm_hlasky.h"
#include "startup/frm_nastav.h"
#include "sections/browser/frm_internet.h"
#include "sections/programs/frm_programy.h"
#include "sections/system/frm_system.h"

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
    (void)registry;
    (void)context;
}
