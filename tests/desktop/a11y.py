# What the desktop tests read through AT-SPI, as a screen reader does: the program's windows,
# their controls by role and name, texts, states, and a control's place on the screen.
import re
import subprocess
import time

import pyatspi

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def eventually(probe, seconds=30):
    """The probe's first true answer within the time, else its last answer."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            answer = probe()
        except Exception:  # the object may not be there yet
            answer = None
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(0.05)


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def atspi_version():
    """The installed libatspi's version, as (major, minor), from dpkg: the library does not say."""
    out = subprocess.run(["dpkg-query", "-W", "-f", "${db:Status-Status} ${Version}\\n",
                          "libatspi2.0-0", "libatspi2.0-0t64"], capture_output=True, text=True).stdout
    for line in out.splitlines():
        found = re.match(r"installed (\d+)\.(\d+)", line)
        if found:
            return int(found[1]), int(found[2])
    raise RuntimeError("libatspi is not installed")


# The tests name roles as libatspi before 2.56 (Debian 12) does. Version 2.56 (Debian 13) renamed
# some of them; the role numbers stay the same.
RENAMED_IN_2_56 = {"push button": "button"}
ROLE_NAMES = RENAMED_IN_2_56 if atspi_version() >= (2, 56) else {}


def role_name(role):
    """What this machine's libatspi calls a role the tests name as libatspi 2.46 does."""
    return ROLE_NAMES.get(role, role)


def find(root, role, name):
    for acc in descendants(root):
        if acc.getRoleName() == role_name(role) and acc.name == name:
            return acc
    return None


def application(name="scallywise"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def has(acc, state):
    return acc.getState().contains(state)


def press(acc):
    actions = acc.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press"))


def text_of(acc):
    return acc.queryText().getText(0, -1)


def showing_frame(app, title):
    frame = find(app, "frame", title)
    return frame if frame is not None and has(frame, pyatspi.STATE_SHOWING) else None


def centre_on_screen(acc):
    """The middle of the control, in screen pixels."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x + w // 2, y + h // 2
