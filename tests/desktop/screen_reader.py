# A game played by ear: Orca, a real screen reader, says each change a sighted child would see,
# as it happens. Keys are held as a person holds them; each line is awaited in what Orca spoke
# after the key that should bring it.
import os
import re
import subprocess
import sys
import time

import pyatspi

from a11y import (answer_right, application, check, descendants, eventually, failures, find, has, name_of, press,
                  role_name, role_of, showing_frame, text_of)
from screens import PLACES

LOG = os.environ["ORCA_LOG"]
PID = int(os.environ["PROGRAM_PID"])

# The certificate's wording, line by line, as the certificate has always read.
WORDING = ["By order of her Majesty", "you are hereby awarded the title of",
           "For services to her Majestys Royal Navy", "GOD SAVE THE QUEEN"]


def spoken():
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return [line.split("SPEECH OUTPUT:", 1)[1].strip() for line in log if "SPEECH OUTPUT:" in line]


def hears(what, since, seconds=30):
    """Whether Orca says a line containing `what` (any case) after its first `since` lines."""
    deadline = time.monotonic() + seconds
    while True:
        lines = spoken()[since:]
        for line in lines:
            if what.lower() in line.lower():
                print(f"     Orca: {line}", flush=True)
                return True
        if time.monotonic() > deadline:
            print(f"     Orca said only: {lines}", flush=True)
            return False
        time.sleep(0.1)


def hold(*keys):
    """A chord held for a tenth of a second, as a child holds it; returns how much Orca had said."""
    said = len(spoken())
    subprocess.run(["xdotool", "keydown", *keys], check=True)
    time.sleep(0.1)
    subprocess.run(["xdotool", "keyup", *reversed(keys)], check=True)
    return said


def type_text(text):
    said = len(spoken())
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
    return said


app = eventually(lambda: application(pid=PID), 30)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)
title = eventually(lambda: showing_frame(app, "SCALLYWISE"), 30)
check(title is not None and eventually(lambda: has(title, pyatspi.STATE_ACTIVE), 30),
      "the title window shows and has the keyboard")


def told_of_title():
    """Whether Orca was told that the title window took the keyboard."""
    with open(LOG, encoding="utf-8", errors="replace") as log:
        return any("window:activate for [frame | SCALLYWISE]" in line for line in log)


# Qt's accessibility bridge joins the bus a moment after the program starts; on a busy machine the
# title window can take the keyboard before then, and no screen reader is told. A person then
# brings the window back; the window is found by the program's process id, as the window manager
# knows it.
if not hears("SCALLYWISE", 0, 10) and not told_of_title():
    print("     Orca was never told of the title window: it is brought back", flush=True)
    window = subprocess.run(["xdotool", "search", "--pid", str(PID), "--name", "^SCALLYWISE$"],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowminimize", "--sync", window], check=True)
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True)
check(hears("SCALLYWISE", 0), "Orca names the title window")
said = hold("Return")
game = eventually(lambda: showing_frame(app, "Scallywise!"), 15)
if game is None:
    print("FAIL the game window never showed")
    sys.exit(1)
answer = find(game, "text", "answer box")
score = find(game, "text", "score")
buttons = {name: find(game, "push button", name) for name in ["NEW WORD", "Clear", "AM I RIGHT?"]}
check(hears("Choose a level", said), "and then the game window's answer box")

# The first level, by the shortcut the program gives it.
level = PLACES["levels"][0]
said = hold(*level["shortcut"].lower().split("+"))
check(hears(f'Level {level["caption"]}', said), f'{level["shortcut"]}: Orca says the level chosen, {level["caption"]}')


def new_word():
    said = hold("alt", "n")
    return said, eventually(lambda: re.fullmatch("[a-z]+", text_of(answer)) and text_of(answer)) or "?"


said, word = new_word()
check(hears(f"{word}. ", said), f'NEW WORD: Orca says the word on show, "{word}"')
check(hears(" ".join(word.upper()), said), "and spells it letter by letter")

hold("alt", "c")
type_text(word)
said = hold("Return")
check(hears("YES!", said), 'the word typed and Enter: Orca says "YES!"')
check(eventually(lambda: text_of(score) == "1") is True and hears(f"Score {text_of(score)}", said),
      f"and the new score, {text_of(score)}")

said, word = new_word()
hold("alt", "c")
type_text(word + "x")
said = hold("Return")
check(hears("OOPS!", said), 'a wrong answer: Orca says "OOPS!"')


# Playing on: right answers given through the accessibility bus, each turn as soon as Orca has
# said the last one's verdict. Any faster, and no child plays that fast, Orca's queue of events
# from the game floods, and in a flood Orca drops what is not in the focused control.
def right_answer():
    said = len(spoken())
    answer_right(buttons, answer)
    hears("YES!", said, 5)
    return said


def showing_in(window, role):
    """The names of the window's controls of that role now on the screen."""
    return [name_of(acc) for acc in descendants(window)
            if role_of(acc) == role_name(role) and has(acc, pyatspi.STATE_SHOWING)]


def showing(role):
    return showing_in(game, role)


# Playing on, right answer after right answer, to the twelfth fall and the certificate. At each
# fall Orca names the pirate who just showed on the crew roster and counts the fallen, and says so
# when a ship has joined the fleet.
falls = 0
certificate = None
for turn in range(120):
    names, ships = set(showing("label")), showing("image").count("ship")
    said = right_answer()
    fallen = set(showing("label")) - names
    if fallen:
        falls += 1
        name = fallen.pop()
        count = f'{falls} {"pirate has" if falls == 1 else "pirates have"} fallen'
        check(hears(f"{name} fell. {count}.", said), f"fall {falls}: Orca says that {name} fell, and {count}")
        if showing("image").count("ship") > ships:
            check(hears(f"{name} fell. {count}. A ship joins the fleet", said),
                  f"fall {falls}: and that a ship joins the fleet")
    certificate = showing_frame(app, "THANKYOU!")
    if certificate is not None:
        break
print(f"     {turn + 1} right answers, {falls} falls", flush=True)
certificate = eventually(lambda: showing_frame(app, "THANKYOU!"), 10)
if certificate is None:
    print("FAIL the certificate never opened")
    sys.exit(1)
for line in WORDING:
    check(hears(line, said), f'the certificate opens: Orca reads its wording, "{line}"')

name_box = find(certificate, "text", "your name for the certificate")
check(name_box is not None, "the name box is named for what it holds")
type_text("Ann")
said = hold("Return")
check(hears(level["rank"] + "Ann", said), f'the name put on: Orca says "{level["rank"]}Ann"')

print_out = next(acc for acc in descendants(certificate)
                 if role_of(acc) == role_name("push button") and "PRINT OUT" in name_of(acc))
print_out.queryComponent().grabFocus()
said = hold("space")
note = eventually(lambda: next((n for n in showing_in(certificate, "label") if "saved as" in n), None), 15)
saved = note.split("saved as ", 1)[1] if note else ""
check(os.path.isfile(saved), f"no printer here: the certificate is saved as a file, {saved}")
check(hears(f"saved as {saved}", said), "and Orca says where")
sys.exit(1 if failures else 0)
