# A screen reader's view of the game, through AT-SPI: the title window's OK button, then the game
# window's answer box, buttons, roster faces and LEVEL menu, read and pressed as an assistive
# technology does it.
import sys
import time

import pyatspi

LEVELS = ["easy", "medium", "harder", "difficult"]
BUTTONS = ["Quit", "Clear", "NEW WORD", "AM I RIGHT?"]
CREW = ["Patchy", "Curly", "Scarface", "Gentleman James", "Indian Joe", "Silas", "Tar", "Black Jack",
        "Big Ned", "China Bob", "Skull Face", "Freckles"]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def eventually(probe, seconds=10):
    """The probe's first true answer within the time, else its last answer."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            answer = probe()
        except Exception:  # the object may not be there yet
            answer = None
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(0.1)


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    for acc in descendants(root):
        if acc.getRoleName() == role and acc.name == name:
            return acc
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "scallywise":
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


app = eventually(application, 20)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)

title = eventually(lambda: showing_frame(app, "SCALLYWISE"))
check(title is not None, "the title window is a frame called SCALLYWISE")
ok = title and find(title, "push button", "OK")
check(bool(ok) and has(ok, pyatspi.STATE_ENABLED) and has(ok, pyatspi.STATE_FOCUSED),
      "its OK button is an enabled push button with the focus")
if not ok:
    sys.exit(1)
press(ok)

game = eventually(lambda: showing_frame(app, "Scallywise!"))
check(game is not None, "pressing OK shows the game window")
if game is None:
    sys.exit(1)
check(not has(title, pyatspi.STATE_SHOWING), "and the title window is gone")

answer = find(game, "text", "answer box")
check(answer is not None and text_of(answer) == "Choose a level", 'the answer box reads "Choose a level"')
score = find(game, "text", "score")
check(score is not None and text_of(score) == "", "the score box is an empty text called score")
label = find(game, "label", "YOUR SCORE")
check(label is not None, "the YOUR SCORE label reads as its text")

for caption in BUTTONS:
    check(find(game, "push button", caption) is not None, f'"{caption}" is a push button')
new_word = find(game, "push button", "NEW WORD")
check(new_word is not None and not has(new_word, pyatspi.STATE_ENABLED)
      and not has(new_word, pyatspi.STATE_SENSITIVE), "NEW WORD is disabled")

for pirate in CREW:
    face = find(game, "image", pirate)
    check(face is not None and not has(face, pyatspi.STATE_SHOWING), f"{pirate}'s face is a hidden image")

menu = find(game, "menu item", "LEVEL")
items = [find(menu, "menu item", level) if menu else None for level in LEVELS]
check(all(items), "the LEVEL menu holds easy, medium, harder and difficult")
check(all(i is not None and not has(i, pyatspi.STATE_CHECKED) for i in items), "no level is checked at first")

press(items[1])
check(bool(eventually(lambda: has(items[1], pyatspi.STATE_CHECKED))), "pressing medium checks it")
check(all(not has(i, pyatspi.STATE_CHECKED) for n, i in enumerate(items) if n != 1), "and only medium")
check(eventually(lambda: text_of(answer) == "press NEW-WORD") is True, 'the answer box reads "press NEW-WORD"')
check(bool(eventually(lambda: has(new_word, pyatspi.STATE_ENABLED))), "NEW WORD is enabled")

sys.exit(1 if failures else 0)
