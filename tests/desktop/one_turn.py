# One turn of the installed game played with real keys, read back through the accessibility bus:
# Enter on the title window's OK, Ctrl+E for the easy level, NEW WORD, Clear, the word typed from
# memory and Enter; the answer box says "YES!".
import re
import sys

import pyatspi

from a11y import application, check, eventually, failures, find, has, showing_frame, text_of
from xwindows import key_to, to_window


app = eventually(application, 60)
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)
check(eventually(lambda: showing_frame(app, "SCALLYWISE"), 30) is not None, "the title window shows")
key_to("SCALLYWISE", "Return")
game = eventually(lambda: showing_frame(app, "Scallywise!"), 30)
if game is None:
    print("FAIL Enter on OK did not open the game window")
    sys.exit(1)
answer = find(game, "text", "answer box")


def answer_reads(text, seconds=30):
    return eventually(lambda: text_of(answer) == text, seconds) is True


# Each key goes to the game window once the window manager has made it the active one.
key_to("Scallywise!", "ctrl+e")
check(answer_reads("press NEW-WORD"), f'Ctrl+E chooses the easy level: the answer box reads "{text_of(answer)}"')
key_to("Scallywise!", "alt+n")
shown = eventually(lambda: not has(answer, pyatspi.STATE_ENABLED) and re.fullmatch("[a-z]+", text_of(answer))
                   and text_of(answer), 30)
check(bool(shown), f'NEW WORD shows a word: "{text_of(answer)}"')
if shown:
    key_to("Scallywise!", "alt+c")
    check(answer_reads(""), "Clear hides it")
    # Typed once the answer box shows its cursor, as a child waits to see it.
    check(eventually(lambda: has(answer, pyatspi.STATE_FOCUSED), 30) is True, "Clear puts the cursor in the answer box")
    to_window("Scallywise!", "type", "--delay", "20", shown)
    check(answer_reads(shown), f'the typed word stands in the answer box: "{text_of(answer)}"')
    key_to("Scallywise!", "Return")
    check(answer_reads("YES!"), f'Enter judges "{shown}" right: "{text_of(answer)}"')
sys.exit(1 if failures else 0)
