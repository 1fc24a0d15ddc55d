// Leaving a window out of the task bar, through the window manager's extended hints on X11.
#include "app/toolkit/TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace toolkit {
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

}  // namespace

void keepOutOfTaskbar(QWidget *window)
{
    // A dialog that belongs to another window is left out of most task bars already, but only by
    // custom; the state says it to every one. Qt keeps states it finds on a window it maps.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || window->isVisible())
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const std::array<xcb_atom_t, 2> states{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    const xcb_atom_t property = atom(connection, "_NET_WM_STATE");
    if (property == XCB_ATOM_NONE || states[0] == XCB_ATOM_NONE || states[1] == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), property, XCB_ATOM_ATOM,
                        32, std::uint32_t(states.size()), states.data());
    xcb_flush(connection);
}

}  // namespace toolkit
