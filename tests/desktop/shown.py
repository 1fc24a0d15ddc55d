# Reads the game window's answer and score boxes through AT-SPI, as a screen reader does, waiting
# up to 30 s for what is asked:
#   shown.py word        prints the word on show (the answer box once NEW WORD has disabled it)
#   shown.py cleared     succeeds once Clear has emptied the answer box and opened it for typing
#   shown.py score TEXT  succeeds once the score box reads TEXT
#   shown.py window NAME succeeds once the program shows a window titled NAME
import sys

import pyatspi

from a11y import application, eventually, find, has, showing_frame, text_of


def box(name):
    app = eventually(application)
    game = eventually(lambda: showing_frame(app, "Scallywise!")) if app else None
    return find(game, "text", name) if game else None


def main(argv):
    if argv[1] == "word":
        answer = box("answer box")
        word = eventually(lambda: text_of(answer) if not has(answer, pyatspi.STATE_ENABLED) else None)
        if not word:
            return 1
        print(word)
        return 0
    if argv[1] == "cleared":
        answer = box("answer box")
        return 0 if eventually(lambda: has(answer, pyatspi.STATE_ENABLED) and text_of(answer) == "") else 1
    if argv[1] == "window":
        app = eventually(application)
        return 0 if app and eventually(lambda: showing_frame(app, argv[2])) else 1
    if argv[1] == "score":
        score = box("score")
        return 0 if eventually(lambda: text_of(score) == argv[2]) else 1
    raise SystemExit(f"unknown question {argv[1]}")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
