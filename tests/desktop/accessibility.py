# A screen reader's view of the game, through AT-SPI: the title window's OK button, then the game
# window's answer box, buttons, roster faces and LEVEL menu, read and pressed as an assistive
# technology does it.
import sys

import pyatspi

from a11y import application, check, eventually, failures, find, has, press, showing_frame, text_of

LEVELS = ["easy", "medium", "harder", "difficult"]
BUTTONS = ["Quit", "Clear", "NEW WORD", "AM I RIGHT?"]
CREW = ["Patchy", "Curly", "Scarface", "Gentleman James", "Indian Joe", "Silas", "Tar", "Black Jack",
        "Big Ned", "China Bob", "Skull Face", "Freckles"]


app = eventually(application, 60)
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
