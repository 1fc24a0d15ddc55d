// Asking the window manager to leave a window out of the task bar.
#pragma once

class QWidget;

namespace toolkit {

// Marks a top-level window, before it is first shown, as one that has no entry in the task bar or
// pager. On X11 that is the window's _NET_WM_STATE_SKIP_TASKBAR; elsewhere it does nothing.
void keepOutOfTaskbar(QWidget *window);

}  // namespace toolkit
