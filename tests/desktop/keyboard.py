# A child's keyboard on a real desktop (Xvfb with openbox, real key and mouse events from xdotool),
# read back through the accessibility bus and the window manager's properties:
#   - the title window, the game window after OK, the about window and the certificate each take
#     the keyboard when they open;
#   - the about window is a dialog of the game window, with no task-bar entry; Esc closes it, and so does Enter, and
#     neither reaches the game behind it;
#   - access keys press at once: letters typed straight after Alt+C land in the answer box, and a
#     click straight after Alt+N is handled after NEW WORD;
#   - a whole game played with keys reaches the twelfth pirate, and the certificate that opens
#     takes the typed name.
import os
import re
import subprocess
import sys
import time

import pyatspi

from a11y import application, centre_on_screen, check, eventually, failures, find, has, showing_frame, text_of
from screens import PLACES
from xwindows import active_window, is_active, window_id

SHOTS = os.environ.get("SHOTS", "")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def window_property(window, name):
    return subprocess.run(["xprop", "-id", str(window), name], capture_output=True, text=True).stdout.strip()


def screenshot(name):
    """For a person to look at. A dump of the root window shows a Qt window opened over a maximised
    one as black on Xvfb (the window itself holds its picture), so the picture is read window by
    window."""
    if SHOTS:
        subprocess.run(["import", "-window", "root", f"{SHOTS}/{name}.png"])


def gone(title):
    return window_id(title) is None


app = eventually(application, 60)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)

# --- The title window, then the game window, each active as it opens ---------------------------
check(eventually(lambda: is_active("SCALLYWISE")) is not None, "the title window is the active window")
xdotool("key", "Return")
game_window = eventually(lambda: is_active("Scallywise!"))
check(game_window is not None, "after Enter on OK the game window is the active window")
check("SKIP_TASKBAR" not in window_property(game_window, "_NET_WM_STATE"), "the game window has its task-bar entry")
game = eventually(lambda: showing_frame(app, "Scallywise!"))
if game is None:
    print("FAIL the game window never showed")
    sys.exit(1)
answer = find(game, "text", "answer box")
new_word = find(game, "push button", "NEW WORD")


def answer_reads(text, seconds=30):
    return eventually(lambda: text_of(answer) == text, seconds) is True


# The first level as the program reports it (tests/desktop/PlacesDump.cpp): its shortcut and rank.
level = PLACES["levels"][0]
xdotool("key", level["shortcut"].lower())
check(answer_reads("press NEW-WORD"), f'{level["shortcut"]} chooses {level["caption"]}: the answer box reads "press NEW-WORD"')

# --- The about window: a dialog of the game window that takes the keyboard ---------------------
about_item = find(game, "menu item", "ABOUT")
for key in ["Escape", "Return"]:
    before = text_of(answer)
    x, y = centre_on_screen(about_item)
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
    about = eventually(lambda: is_active("About scallywise"))
    check(about is not None, f"ABOUT opens the about window, and it is the active window (before {key})")
    if about is None:
        continue
    kind = window_property(about, "_NET_WM_WINDOW_TYPE")
    check("_NET_WM_WINDOW_TYPE_DIALOG" in kind and "UTILITY" not in kind, f"it is a dialog: {kind}")
    owner = window_property(about, "WM_TRANSIENT_FOR")
    check(owner.endswith(hex(game_window)), f"it belongs to the game window: {owner}")
    state = window_property(about, "_NET_WM_STATE")
    check("_NET_WM_STATE_SKIP_TASKBAR" in state, f"it has no entry in the task bar: {state}")
    if key == "Escape":
        screenshot("about")
    xdotool("key", key)
    check(eventually(lambda: gone("About scallywise")) is True, f"{key} closes the about window")
    check(answer_reads(before, 1), f'and the answer box behind still reads "{before}": "{text_of(answer)}"')
    check(eventually(lambda: active_window() == game_window) is True, "the game window is active again")

# --- Access keys press at once ------------------------------------------------------------------
# The letters come 12 ms apart, well inside the moment an animated press would take.
xdotool("key", "alt+n", "key", "alt+c", "type", "xyz")
check(answer_reads("xyz"), f'letters typed straight after Alt+C land in the answer box: "{text_of(answer)}"')

amiright = find(game, "push button", "AM I RIGHT?")
x, y = centre_on_screen(amiright)
xdotool("mousemove", "--sync", str(x), str(y))
xdotool("key", "alt+n", "click", "1")
check(answer_reads("Type the answer!"),
      f'a click on AM I RIGHT? straight after Alt+N finds the word shown: "{text_of(answer)}"')

# --- A whole game with keys, to the certificate ------------------------------------------------
# Eight right answers push a pirate off the board; the twelfth pirate's fall opens the certificate.
started = time.monotonic()
turns = 0
for turns in range(1, 97):
    xdotool("key", "alt+n")
    # NEW WORD shows the word, in lower-case letters, in the answer box and greys the box.
    shown = eventually(lambda: not has(answer, pyatspi.STATE_ENABLED) and re.fullmatch("[a-z]+", text_of(answer))
                       and text_of(answer))
    if not shown:
        check(False, f"turn {turns}: NEW WORD showed no word")
        break
    xdotool("key", "alt+c", "type", "--delay", "5", shown)
    xdotool("key", "Return")
    if not answer_reads("YES!"):
        check(False, f'turn {turns}: "{shown}" was judged "{text_of(answer)}"')
        break
print(f"     {turns} right answers in {time.monotonic() - started:.1f} s", flush=True)
certificate = eventually(lambda: showing_frame(app, "THANKYOU!"))
check(certificate is not None, f"the twelfth pirate's fall opens the certificate")
if certificate is not None:
    check(eventually(lambda: is_active("THANKYOU!")) is not None, "the certificate is the active window")
    xdotool("type", "--delay", "20", "Ann Bonny")
    xdotool("key", "Return")
    name_line = level["rank"] + "Ann Bonny"
    check(eventually(lambda: find(certificate, "label", name_line)) is not None,
          f'the typed name and Enter put "{name_line}" on the certificate')
    screenshot("certificate")

sys.exit(1 if failures else 0)
