# The X display's windows as the window manager sees them: which is active, found by title, and
# keys sent to a window once the window manager has made it the active one.
import subprocess

from a11y import eventually


def window_id(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         capture_output=True, text=True).stdout.split()
    return int(out[0]) if out else None


def active_window():
    words = subprocess.run(["xprop", "-root", "_NET_ACTIVE_WINDOW"], capture_output=True, text=True).stdout.split()
    try:
        return int(words[-1], 16)
    except (IndexError, ValueError):
        return None


def is_active(title):
    """The window titled so, once the window manager names it the active window."""
    window = window_id(title)
    return window if window is not None and active_window() == window else None


def to_window(title, *command):
    """An xdotool command (keys, typing) for the window titled so, once the window manager has made
    it the active one."""
    window = eventually(lambda: window_id(title), 15)
    if window is None:
        return False
    subprocess.run(["xdotool", "windowactivate", "--sync", str(window)], capture_output=True)
    if eventually(lambda: active_window() == window, 10) is not True:
        return False
    subprocess.run(["xdotool", *command], check=True)
    return True


def key_to(title, *keys):
    return to_window(title, "key", *keys)
