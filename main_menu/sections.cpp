#include "main_menu/main_menu.h"

// Each section window is created with the shared context; constructing it
// runs its load handler.
void registerSectionWindows(WindowRegistry& registry, AppContext& context)
{
    (void)registry;
    (void)context;
}
