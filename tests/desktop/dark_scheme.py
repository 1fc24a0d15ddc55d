# The certificate's wording as a child sees it under a dark colour scheme: the game played through
# the accessibility bus to the twelfth pirate, then the contrast of each wording label read off the
# X server's picture of the certificate window and off the saved PDF rasterised at 150 dpi, as the
# WCAG ratio of the text's ink to the median of the pixels around it.
# Usage: dark_scheme.py SCHEME-NAME ART-DIR PROGRAM-PID   (the program already runs on $DISPLAY)
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

from a11y import (answer_right, check, descendants, eventually, failures, find, press, role_name, showing_frame,
                  text_of)
from pixels import read_bmp, read_ppm, read_xwd, rows_match
from screens import PLACES, contrast, luminance
from xwindows import key_to

scheme, art, pid = sys.argv[1], sys.argv[2], int(sys.argv[3])
READABLE = 4.5
WORK = tempfile.mkdtemp(prefix="dark-scheme.")
SHOTS = os.environ.get("SHOTS", "")  # where to keep the pictures, for a person to look at


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def game_application():
    """The program by its process id: with the GTK theme it also shows up as a second, empty
    application of the same name."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def reading(picture, rect):
    """(ink, backdrop, contrast) of a label: the backdrop is the pixel of median luminance in the
    label's rectangle (the text is a small part of it); the ink is the commonest colour of the
    pixels far from the backdrop, the middles of the strokes."""
    x0, y0, w, h = rect
    pixels = [picture.pixel(x, y) for y in range(y0, y0 + h) for x in range(x0, x0 + w)]
    backdrop = sorted(pixels, key=luminance)[len(pixels) // 2]
    counts = {}
    for p in pixels:
        if max(abs(a - b) for a, b in zip(p, backdrop)) > 48:
            counts[p] = counts.get(p, 0) + 1
    if not counts:
        return None, backdrop, 0.0
    ink = max(counts, key=counts.get)
    return ink, backdrop, contrast(ink, backdrop)


def hexof(c):
    return "#" + bytes(c).hex() if c else "none"


def measure(where, picture, origin, scale):
    ox, oy = origin
    for name, (x, y, w, h) in sorted(PLACES["certificate_wording"].items(), key=lambda kv: kv[1][1]):
        rect = (ox + round(x * scale), oy + round(y * scale), round(w * scale), round(h * scale))
        ink, backdrop, ratio = reading(picture, rect)
        print(f"     {scheme} {where} {name}: ink {hexof(ink)} on {hexof(backdrop)}, {ratio:.2f}:1", flush=True)
        check(ratio >= READABLE, f"{where}: {name} reads at {READABLE}:1 or more ({ratio:.2f}:1)")


app = eventually(game_application, 20)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)

# The title window, then the game window with the first level, by the keys the program gives.
key_to("SCALLYWISE", "Return")
game = eventually(lambda: showing_frame(app, "Scallywise!"), 15)
if game is None:
    print("FAIL the game window never showed")
    sys.exit(1)
answer = find(game, "text", "answer box")
buttons = {name: find(game, "push button", name) for name in ("NEW WORD", "Clear", "AM I RIGHT?")}
level = PLACES["levels"][0]
key_to("Scallywise!", level["shortcut"].lower())
if not check(eventually(lambda: text_of(answer) == "press NEW-WORD", 10) is True, f'{level["shortcut"]} chooses a level'):
    sys.exit(1)

# Right answers, each as quick as the bus goes, to the twelfth fall.
started = time.monotonic()
certificate = None
for turn in range(120):
    answer_right(buttons, answer)
    certificate = showing_frame(app, "THANKYOU!")
    if certificate is not None:
        break
certificate = certificate or eventually(lambda: showing_frame(app, "THANKYOU!"), 10)
print(f"     {turn + 1} right answers in {time.monotonic() - started:.1f} s", flush=True)
if certificate is None:
    print("FAIL the certificate never opened")
    sys.exit(1)

# The certificate window as the X server shows it. Its inside starts under the menu bar, where the
# parchment's top rows show at its left, beside the name box.
window = eventually(lambda: xdotool("search", "--onlyvisible", "--name", "^THANKYOU!$"), 10)
parchment = read_bmp(os.path.join(art, "pictures", "certificate.bmp"))
strip = parchment.crop(0, 0, 200, 30)
shot, top = None, None
for _ in range(40):
    subprocess.run(["sh", "-c", f"xwd -silent -id {window[0]} > {WORK}/certificate.xwd"], check=True)
    shot = read_xwd(f"{WORK}/certificate.xwd")
    top = next((y for y in range(min(80, shot.height - strip.height)) if rows_match(shot, strip, 0, y, strip.height)), None)
    if top is not None:
        break
    time.sleep(0.25)
if top is None:
    print("FAIL the certificate's parchment is not at the top left of its window")
    sys.exit(1)
time.sleep(0.5)  # the labels paint with the window; one more picture once all is drawn
subprocess.run(["sh", "-c", f"xwd -silent -id {window[0]} > {WORK}/certificate.xwd"], check=True)
shot = read_xwd(f"{WORK}/certificate.xwd")
# The scheme is in force: the name box keeps the scheme's own, dark, colours.
box = PLACES["certificate_name_box"]
_, box_back, _ = reading(shot, (box[0] + 4, top + box[1] + 4, box[2] - 8, box[3] - 8))
if scheme != "default":
    check(luminance(box_back) < 0.2, f"the name box shows the dark scheme's colours ({hexof(box_back)})")
measure("screen", shot, (0, top), 1.0)

# No printer answers: PRINT OUT saves the certificate, and the page looks like the screen.
print_out = next(acc for acc in descendants(certificate)
                 if acc.getRoleName() == role_name("push button") and "PRINT OUT" in acc.name)
press(print_out)
note = eventually(lambda: next((acc.name for acc in descendants(certificate)
                                if acc.getRoleName() == "label" and "saved as" in acc.name), None), 30)
saved = note.split("saved as ", 1)[1] if note else ""
if not check(os.path.isfile(saved), f"no printer here: the certificate is saved as {saved}"):
    sys.exit(1)
subprocess.run(["pdftoppm", "-r", "150", "-singlefile", saved, f"{WORK}/page"], check=True)
page = read_ppm(f"{WORK}/page.ppm")
# The certificate fills the page's width as the window fills its inside: where the paper is not white.
rows = [y for y in range(page.height) if min(page.rows[y]) < 246]
left = min(next(x for x in range(page.width) if min(page.pixel(x, y)) < 246) for y in rows[::20])
right = max(next(x for x in range(page.width - 1, -1, -1) if min(page.pixel(x, y)) < 246) for y in rows[::20])
scale = (right - left + 1) / PLACES["certificate_size"][0]
measure("paper", page, (left, rows[0]), scale)
if SHOTS:
    shutil.copy(f"{WORK}/certificate.xwd", SHOTS)
    shutil.copy(f"{WORK}/page.ppm", SHOTS)

sys.exit(1 if failures else 0)
