// Finding out whether a display is there: an X server we can connect to, a Wayland socket, or a
// Qt platform that needs none.
#include "app/Display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace display {

bool available()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 && std::strncmp(platform, "wayland", 7) != 0)
        return true;  // offscreen, vnc and the like need no display
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland && *wayland && !(platform && std::strncmp(platform, "xcb", 3) == 0))
        return true;
    const char *x = std::getenv("DISPLAY");
    if (!x || !*x)
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

void explainMissing()
{
    const char *x = std::getenv("DISPLAY");
    if (x && *x)
        std::fprintf(stderr, "scallywise: cannot open the display %s; start the game from a desktop session\n", x);
    else
        std::fprintf(stderr, "scallywise: no display found (DISPLAY is not set); start the game from a desktop session\n");
}

}  // namespace display
