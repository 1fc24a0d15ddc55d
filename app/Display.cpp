// Finding out whether a display is there: a Wayland compositor or an X server we can connect to,
// or a Qt platform that needs none.
#include "app/Display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace display {
namespace {

std::string_view variable(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Qt tries Wayland first and then X, unless QT_QPA_PLATFORM names one of them.
bool platformIs(std::string_view name) { return variable("QT_QPA_PLATFORM").starts_with(name); }

// Where a Wayland client connects: WAYLAND_DISPLAY, "wayland-0" when it is unset, as a path of
// its own or a name in XDG_RUNTIME_DIR.
std::string waylandSocketPath()
{
    std::string_view name = variable("WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    if (name.starts_with('/'))
        return std::string(name);
    const std::string_view runtime = variable("XDG_RUNTIME_DIR");
    if (runtime.empty())
        return {};
    return std::string(runtime) + "/" + std::string(name);
}

bool waylandReachable()
{
    if (!variable("WAYLAND_SOCKET").empty())
        return true;  // a compositor started us with a connection already made
    const std::string path = waylandSocketPath();
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool ok = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return ok;
}

bool xReachable()
{
    if (variable("DISPLAY").empty())
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

}  // namespace

bool available()
{
    const std::string_view platform = variable("QT_QPA_PLATFORM");
    if (!platform.empty() && !platformIs("xcb") && !platformIs("wayland"))
        return true;  // offscreen, vnc and the like need no display
    if (!platformIs("xcb") && waylandReachable())
        return true;
    return !platformIs("wayland") && xReachable();
}

void explainMissing()
{
    std::string names;
    for (const char *variableName : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const std::string_view name = variable(variableName);
        if (!name.empty())
            names += (names.empty() ? "" : " or ") + std::string(name);
    }
    if (!names.empty())
        std::fprintf(stderr, "scallywise: cannot open the display %s; start the game from a desktop session\n",
                     names.c_str());
    else
        std::fprintf(stderr, "scallywise: no display found (neither WAYLAND_DISPLAY nor DISPLAY is set); start "
                             "the game from a desktop session\n");
}

}  // namespace display
