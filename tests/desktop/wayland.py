# The game as a native Wayland client, driven and read by a screen reader's client (AT-SPI) and
# seen by the compositor's screenshots: the title scene, OK to the game window, the pirate beside
# the ship, a right answer walking him one step, and Quit.
# Usage: wayland.py ART_DIR WORK_DIR PID   (WAYLAND_DISPLAY names a weston started with --debug)
import glob
import os
import re
import subprocess
import sys
import time

import pyatspi

import screens
from a11y import application, check, eventually, failures, find, has, press, showing_frame, text_of
from pixels import read_ppm

art, work, pid = sys.argv[1], sys.argv[2], sys.argv[3]
# An EGL or GL implementation, or the parts of Qt and Wayland that bring one in. (libEGL.so.1 and
# libGLX.so.0 themselves are only the dispatchers that Qt's GUI library links, loaded on X as well.)
GL_STACK = re.compile(r"/\S*(libEGL_|libGLX_|libgbm|libLLVM|libglapi|wayland-egl|WaylandEgl|/dri/)\S*")


def screenshot():
    """The whole screen, by weston's screenshooter (it writes a PNG into the current folder)."""
    folder = os.path.join(work, "shots")
    os.makedirs(folder, exist_ok=True)
    for old in glob.glob(os.path.join(folder, "*")):
        os.remove(old)
    subprocess.run(["weston-screenshooter"], cwd=folder, timeout=10, check=True, capture_output=True)
    png = glob.glob(os.path.join(folder, "*.png"))[0]
    subprocess.run(["convert", png, os.path.join(folder, "shot.ppm")], check=True)
    return read_ppm(os.path.join(folder, "shot.ppm")), png


def screen_shows(what, check_shot, keep_as):
    """Screenshots until the check passes (a window paints a moment after it shows), for up to 10 s."""
    for _ in range(20):
        shot, png = screenshot()
        screens.problems.clear()
        check_shot(shot)
        if not screens.problems:
            os.replace(png, os.path.join(work, keep_as))
            break
        time.sleep(0.5)
    check(not screens.problems, what + "".join("\n       " + p for p in screens.problems))


app = eventually(application, 60)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)

title = eventually(lambda: showing_frame(app, "SCALLYWISE"))
check(title is not None, "the title window shows")
screen_shows("the screen shows the title scene, pixel for pixel, on yellow",
             lambda shot: screens.check_found_title(shot, art), "title.png")
ok = title and find(title, "push button", "OK")
if not ok:
    sys.exit(1)
press(ok)

game = eventually(lambda: showing_frame(app, "Scallywise!"))
check(game is not None, "OK, pressed through the accessibility bus, opens the game window")
if game is None:
    sys.exit(1)
check(not has(title, pyatspi.STATE_SHOWING), "and the title window is gone")
screen_shows("the screen shows the sea scene with the pirate beside the ship",
             lambda shot: screens.check_found_game(shot, art, screens.LOAD_PLACE, screens.LOAD_FRAME), "game.png")

answer = find(game, "text", "answer box")
press(find(game, "menu item", "easy"))
press(find(game, "push button", "NEW WORD"))
word = eventually(lambda: text_of(answer) if text_of(answer) not in ("Choose a level", "press NEW-WORD") else None)
press(find(game, "push button", "Clear"))
eventually(lambda: text_of(answer) == "")
answer.queryEditableText().setTextContents(word)
press(find(game, "push button", "AM I RIGHT?"))
check(eventually(lambda: text_of(answer) == "YES!") is True, f'the word "{word}", typed in and judged, is right')
# One step towards the board's end: 36 pixels to the left, in the next walking phase.
screen_shows("the screen shows the pirate one step along the board",
             lambda shot: screens.check_found_game(shot, art, screens.STEP_PLACE, screens.STEP_FRAME), "step.png")

with open(f"/proc/{pid}/maps") as maps:
    loaded = sorted({m.group(0) for m in GL_STACK.finditer(maps.read())})
check(not loaded, f"with both windows shown, no EGL or GL implementation is loaded {loaded or ''}")

press(find(game, "push button", "Quit"))
sys.exit(1 if failures else 0)
