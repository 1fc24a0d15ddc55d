# What the desktop tests read through AT-SPI, as a screen reader does: the program's windows,
# their controls by role and name, texts, states, and a control's place on the screen.
import re
import subprocess
import time

import pyatspi
from gi.repository import GLib

failures = []

# The game answers the accessibility bus from its event loop, which a pirate's fall holds for about
# 1.4 s, and a busy machine longer still: libatspi gives up on a reply after 0.8 s, so each call
# is given ten seconds here, and a call that only reads is asked again if even that is not enough.
pyatspi.setTimeout(10000, 30000)


def timed_out(error):
    return isinstance(error, GLib.Error) and ("Did not receive a reply" in str(error) or "Timeout" in str(error))


def asked(call, tries=4):
    """The answer of a call that only reads, asked again while the bus's reply does not come."""
    for attempt in range(tries):
        try:
            return call()
        except GLib.Error as error:
            if not timed_out(error) or attempt == tries - 1:
                raise
            print(f"     (the accessibility bus did not answer in time: asking again) {error}", flush=True)
            time.sleep(0.5)


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
    for i in range(asked(lambda: acc.childCount)):
        child = asked(lambda: acc.getChildAtIndex(i))
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


def role_of(acc):
    return asked(acc.getRoleName)


def name_of(acc):
    return asked(lambda: acc.name)


def find(root, role, name):
    for acc in descendants(root):
        if role_of(acc) == role_name(role) and name_of(acc) == name:
            return acc
    return None


def application(name="scallywise", pid=None):
    """The program on the accessibility bus: by its process id when given (a program can show up
    twice, once empty, under some platform themes), else by its name."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(asked(lambda: desktop.childCount)):
        app = asked(lambda: desktop.getChildAtIndex(i))
        if app is None:
            continue
        if pid is not None and asked(app.get_process_id) == pid and asked(lambda: app.childCount) > 0:
            return app
        if pid is None and name_of(app) == name:
            return app
    return None


def has(acc, state):
    return asked(acc.getState).contains(state)


def press(acc):
    """One press, as a person makes it. A press whose reply comes late was still made (the program
    replies once its handler has run), so it is never made a second time."""
    actions = asked(acc.queryAction)
    names = [asked(lambda: actions.getName(i)) for i in range(asked(lambda: actions.nActions))]
    try:
        actions.doAction(names.index("Press"))
    except GLib.Error as error:
        if not timed_out(error):
            raise
        print(f"     (a press answered late: {error})", flush=True)


def text_of(acc):
    return asked(lambda: acc.queryText().getText(0, -1))


def answer_right(buttons, answer):
    """One right answer, as a child gives it: NEW WORD, read the word, Clear, type it, AM I RIGHT?,
    then wait for the verdict. `buttons` maps the game's button captions to their accessibles."""
    press(buttons["NEW WORD"])
    word = eventually(lambda: re.fullmatch("[a-z]+", text_of(answer)) and text_of(answer))
    press(buttons["Clear"])
    eventually(lambda: text_of(answer) == "")
    answer.queryEditableText().setTextContents(word)
    eventually(lambda: text_of(answer) == word)
    press(buttons["AM I RIGHT?"])
    eventually(lambda: text_of(answer) == "YES!")


def showing_frame(app, title):
    frame = find(app, "frame", title)
    return frame if frame is not None and has(frame, pyatspi.STATE_SHOWING) else None


def centre_on_screen(acc):
    """The middle of the control, in screen pixels."""
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return x + w // 2, y + h // 2
