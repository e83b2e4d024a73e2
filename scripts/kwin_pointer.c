// Moves KWin's pointer to X Y (Wayland), through KWin's fake-input
// protocol, for scripts/test-desktops.sh. KWin offers that protocol only to
// programs whose menu entry names it (X-KDE-Wayland-Interfaces).
//
//   kwin_pointer X Y
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

#include "fake-input-client.h"

static struct org_kde_kwin_fake_input* input;

static void added(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 3)
        input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3);
}

static void removed(void* data, struct wl_registry* registry, uint32_t name) { (void)data, (void)registry, (void)name; }

int main(int argc, char** argv)
{
    static const struct wl_registry_listener listener = {added, removed};
    struct wl_display* display = wl_display_connect(NULL);
    if (argc != 3 || !display) return 2;
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (!input) {
        fprintf(stderr, "KWin offers this program no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(input, "test-desktops", "moves the pointer for a test");
    org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int(atoi(argv[1])),
                                                    wl_fixed_from_int(atoi(argv[2])));
    return wl_display_roundtrip(display) < 0;
}
