# Reads the program's windows off screenshots of a real display and checks them against the
# artwork: the title scene on yellow, the sea scene with the pirate beside the ship and the play
# controls, no roster, and the same scene at twice the size with every pixel a crisp 2 x 2 block.
# Usage: screens.py title SHOT.xwd X Y W H ART_DIR
#        screens.py game SHOT.xwd X Y W H ART_DIR
#        screens.py double SHOT1.xwd X Y W H SHOT2.xwd X Y W H ART_DIR
#        screens.py double-title SHOT1.xwd X Y W H SHOT2.xwd X Y W H ART_DIR
#        screens.py scene SHOT.xwd X Y W H ART_DIR SCALE [PICTURE]   (only: is the scene painted yet?)
#        screens.py falling SHOT.xwd X Y W H ART_DIR   (the first pirate drawn in one of his falling frames)
#        screens.py word SHOT.xwd X Y W H ART_DIR SCALE   (the word on show reads at 4.5:1 or more)
#        screens.py found-title SHOT.ppm ART_DIR
#        screens.py found-game SHOT.ppm ART_DIR X Y SX SY   (the pirate at X, Y, drawn from the cell SX, SY)
# X Y W H: the window's inside on the screen, as xwininfo gives it. The found-* checks look for the
# scene anywhere on the screen, for a display that says nothing of where its windows are (Wayland).
import json
import os
import subprocess
import sys

from pixels import Picture, differing, find, read_bmp, read_ppm, read_xwd, rows_match

YELLOW = (0xFF, 0xFF, 0x00)
GAME_BACK = (0x00, 0x40, 0x40)


def program_places():
    """Where the program puts what these checks look for, as it reports it (tests/desktop/PlacesDump.cpp)."""
    program = os.environ.get("SCALLYWISE_PLACES")
    if not program:
        raise SystemExit("SCALLYWISE_PLACES must name the program that reports the windows' places")
    env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
    env.update(QT_QPA_PLATFORM="offscreen", QT_FONT_DPI="96")
    return json.loads(subprocess.run([program], env=env, check=True, capture_output=True, text=True).stdout)


PLACES = program_places()
OK_BUTTON = tuple(PLACES["ok_button"])
CELL_W, CELL_H = PLACES["cell"]
# Where the pirate stands when the game window opens, and the sheet cell he is drawn from; the same
# after his first step.
LOAD_PLACE, LOAD_FRAME = tuple(PLACES["pirate_place"]), tuple(PLACES["pirate_frame"])
STEP_PLACE, STEP_FRAME = tuple(PLACES["stepped_place"]), tuple(PLACES["stepped_frame"])
# The first pirate's falling frames, each (x, y, sheet x, sheet y), the held last frame left out.
FALLING = [((x, y), (sx, sy)) for x, y, sx, sy in PLACES["falling"]]
# The play controls' places in pixels, and whether they are drawn over their whole place (a label
# only draws its text over the scene).
PLAY_CONTROLS = {name: (tuple(c["place"]), c["whole"]) for name, c in PLACES["play_controls"].items()}
# Only the top rows of the scene are searched for: above the pirate, the controls and any text.
MATCH_ROWS = 40

problems = []


def expect(ok, what):
    if not ok:
        problems.append(what)


def inside(rect, x, y):
    rx, ry, rw, rh = rect
    return rx <= x < rx + rw and ry <= y < ry + rh


def check_title(shot, window, art):
    x, y, w, h = window
    scene = read_bmp(os.path.join(art, "pictures", "title.bmp"))
    ok = read_bmp(os.path.join(art, "pictures", "ok.bmp"))
    client = shot.crop(x, y, w, h)
    expect(w >= scene.width and h >= scene.height, f"the title window's inside, {w} x {h}, is smaller than the scene")
    shown = client.crop(0, 0, min(w, scene.width), min(h, scene.height))
    off = [p for p in differing(shown, scene.crop(0, 0, shown.width, shown.height)) if not inside(OK_BUTTON, *p)]
    expect(not off, f"{len(off)} pixels of the title scene differ from the picture, first at {off[:3]}")
    bx, by, bw, bh = OK_BUTTON
    found = any(not differing(client, ok, bx + dx, by + dy)
                for dy in range(bh - ok.height + 1) for dx in range(bw - ok.width + 1))
    expect(found, "the OK picture is not on the OK button")
    not_yellow = around(client, YELLOW, scene.width, scene.height)
    expect(not not_yellow, f"{len(not_yellow)} pixels around the scene are not yellow, first at {not_yellow[:3]}")


def off_colour(picture, colour, x0, y0, x1, y1):
    """Pixels of the rectangle from (x0, y0) to (x1, y1), exclusive, that are not the colour."""
    if x1 <= x0:
        return []
    want = bytes(colour) * (x1 - x0)
    out = []
    for y in range(y0, y1):
        row = picture.rows[y][3 * x0:3 * x1]
        if row != want:
            out += [(x0 + i, y) for i in range(x1 - x0) if row[3 * i:3 * i + 3] != want[:3]]
    return out


def around(picture, colour, width, height):
    """Pixels right of and below a width x height picture at the top left that are not the colour."""
    return (off_colour(picture, colour, width, 0, picture.width, min(height, picture.height))
            + off_colour(picture, colour, 0, height, picture.width, picture.height))


def with_pirate(scene, art, scale, place=LOAD_PLACE, frame=LOAD_FRAME):
    """The scene with the pirate drawn at a place from a cell: the mask cell ANDed, the sprite cell XORed."""
    sprite = read_bmp(os.path.join(art, "pictures", "sprite.bmp"))
    mask = read_bmp(os.path.join(art, "pictures", "mask.bmp"))
    if scale == 2:
        sprite, mask = sprite.doubled(), mask.doubled()
    (px, py), (sx, sy) = [(v[0] * scale, v[1] * scale) for v in (place, frame)]
    rows = list(scene.rows)
    for y in range(CELL_H * scale):
        row = bytearray(rows[py + y])
        m = mask.rows[sy + y][3 * sx:3 * (sx + CELL_W * scale)]
        c = sprite.rows[sy + y][3 * sx:3 * (sx + CELL_W * scale)]
        for i in range(len(m)):
            row[3 * px + i] = (row[3 * px + i] & m[i]) ^ c[i]
        rows[py + y] = bytes(row)
    return Picture(scene.width, scene.height, rows)


def scene_top(client, scene, scale):
    """The row of the window's inside where the scene starts (under the menu bar)."""
    top = scene.crop(0, 0, min(scene.width, 300 * scale), MATCH_ROWS * scale)
    for y in range(client.height - top.height):
        if rows_match(client, top, 0, y, top.height):
            return y
    return None


def check_game_layout(client, scene, scale):
    """The scene, the controls at their places, the pirate on the board, and no roster."""
    def scaled(rect):
        return tuple(v * scale for v in rect)

    controls = [(scaled(rect), whole) for rect, whole in PLAY_CONTROLS.values()]
    shown = client.crop(0, 0, scene.width, scene.height)
    changed = set(differing(shown, scene))

    for (rx, ry, rw, rh), whole in controls:
        ring = [(px, py) for px in range(rx - 1, rx + rw + 1) for py in (ry - 1, ry + rh)]
        ring += [(px, py) for py in range(ry, ry + rh) for px in (rx - 1, rx + rw)]
        spilled = [p for p in ring if p in changed and not any(inside(r, *p) for r, _ in controls)]
        expect(not spilled, f"a control at {(rx, ry, rw, rh)} draws outside its place, at {spilled[:3]}")
        drawn = sum(1 for p in changed if inside((rx, ry, rw, rh), *p))
        if whole:
            # A style's hairline frame is one screen pixel wide at any scale: it lies within the
            # outermost logical pixel column on each side.
            mid = ry + rh // 2
            left = any((rx + i, mid) in changed for i in range(scale))
            right = any((rx + rw - 1 - i, mid) in changed for i in range(scale))
            expect(left and right, f"the control at {(rx, ry, rw, rh)} does not reach both sides of its place")
            expect(drawn >= rw * rh // 2, f"the control at {(rx, ry, rw, rh)} is missing")
        else:
            expect(drawn >= 20 * scale * scale, f"the label at {(rx, ry, rw, rh)} shows no text")

    pirate = [p for p in changed if not any(inside(r, *p) for r, _ in controls)]
    if not pirate:
        expect(False, "no pirate on the board")
    else:
        xs, ys = [p[0] for p in pirate], [p[1] for p in pirate]
        box = (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
        expect(box[2] <= CELL_W * scale and box[3] <= CELL_H * scale,
               f"the scene is changed outside the controls over {box}, more than one pirate's cell")

    beyond = around(client, GAME_BACK, scene.width, scene.height)
    expect(not beyond, f"{len(beyond)} pixels under and beside the scene are not the window's colour "
                       f"(a roster control showing?), first at {beyond[:3]}")


def check_pirate_at_load_place(client, scene, art, scale, place=LOAD_PLACE, frame=LOAD_FRAME):
    """Outside the controls, the scene shows exactly one pirate, by default standing beside the ship."""
    expected = with_pirate(scene, art, scale, place, frame)
    controls = [tuple(v * scale for v in rect) for rect, _ in PLAY_CONTROLS.values()]
    shown = client.crop(0, 0, scene.width, scene.height)
    off = [p for p in differing(shown, expected) if not any(inside(r, *p) for r in controls)]
    expect(not off, f"{len(off)} pixels outside the controls differ from the scene with the pirate at "
                    f"{place} drawn from the cell at {frame}, first at {off[:3]}")


def game_client(shot, window, scene, scale):
    x, y, w, h = window
    inner = shot.crop(x, y, w, h)
    top = scene_top(inner, scene, scale)
    if top is None:
        problems.append("the sea scene is not at the top left of the game window")
        return None
    return inner.crop(0, top, w, h - top)


def check_game(shot, window, art):
    scene = read_bmp(os.path.join(art, "pictures", "seascene.bmp"))
    client = game_client(shot, window, scene, 1)
    if client:
        check_game_layout(client, scene, 1)
        check_pirate_at_load_place(client, scene, art, 1)


def check_falling(shot, window, art):
    """The pirate drawn in the middle of his fall: one of the falling frames at its place, and not
    the last one, which is also held for a while after the fall."""
    scene = read_bmp(os.path.join(art, "pictures", "seascene.bmp"))
    client = game_client(shot, window, scene, 1)
    if not client:
        return
    for place, frame in FALLING[:-1]:
        expected = with_pirate(scene, art, 1, place, frame)
        cell = (place[0], place[1], CELL_W, CELL_H)
        if differing(expected.crop(*cell), scene.crop(*cell)) and not differing(client.crop(*cell), expected.crop(*cell)):
            return
    problems.append("no pirate is on the screen in the middle of his fall")


def check_double(shot1, window1, shot2, window2, art):
    scene = read_bmp(os.path.join(art, "pictures", "seascene.bmp"))
    single = game_client(shot1, window1, scene, 1)
    double = game_client(shot2, window2, scene.doubled(), 2)
    if not single or not double:
        return
    # Above the controls: sky, ship, board, sea and the pirate, all drawn, none of it text.
    region = single.crop(0, 0, scene.width, min(rect[1] for rect, _ in PLAY_CONTROLS.values()))
    expected = region.doubled()
    got = double.crop(0, 0, expected.width, expected.height)
    off = differing(got, expected)
    if off:
        got.save_ppm(os.environ.get("SCREENS_KEEP", "/tmp") + "/double-got.ppm")
        expected.save_ppm(os.environ.get("SCREENS_KEEP", "/tmp") + "/double-expected.ppm")
    expect(not off, f"{len(off)} pixels at scale 2 differ from the scale-1 scene doubled, first at {off[:3]}")
    check_game_layout(double, scene.doubled(), 2)
    check_pirate_at_load_place(double, scene.doubled(), art, 2)


def check_double_title(shot1, window1, shot2, window2, art):
    scene = read_bmp(os.path.join(art, "pictures", "title.bmp"))
    single = shot1.crop(*window1[:2], scene.width, scene.height)
    double = shot2.crop(*window2[:2], scene.width * 2, scene.height * 2)
    button = tuple(v * 2 for v in OK_BUTTON)  # its frame is drawn in screen pixels, not doubled
    off = [p for p in differing(double, single.doubled()) if not inside(button, *p)]
    expect(not off, f"{len(off)} pixels of the title scene at scale 2 differ from scale 1 doubled, first at {off[:3]}")


def found_scene(shot, art, picture, what):
    """The scene's picture and where it stands on the screen, or None, said as a problem."""
    scene = read_bmp(os.path.join(art, "pictures", picture))
    at = find(shot, scene, MATCH_ROWS)
    if at is None:
        problems.append(f"the {what} is nowhere on the screen")
        return None
    return scene, *at


def check_found_title(shot, art):
    found = found_scene(shot, art, "title.bmp", "title scene")
    if found is None:
        return
    scene, x, y = found
    shown = shot.crop(x, y, min(scene.width, shot.width - x), min(scene.height, shot.height - y))
    off = [p for p in differing(shown, scene.crop(0, 0, shown.width, shown.height)) if not inside(OK_BUTTON, *p)]
    expect(shown.width == scene.width and shown.height == scene.height, "the title scene is cut by the screen's edge")
    expect(not off, f"{len(off)} pixels of the title scene differ from the picture, first at {off[:3]}")
    beside = off_colour(shot, YELLOW, x + scene.width, y, min(x + scene.width + 100, shot.width), y + scene.height)
    expect(not beside, f"{len(beside)} pixels right of the title scene are not yellow, first at {beside[:3]}")


def check_found_game(shot, art, place, frame):
    found = found_scene(shot, art, "seascene.bmp", "sea scene")
    if found is None:
        return
    scene, x, y = found
    client = shot.crop(x, y, min(scene.width + 100, shot.width - x), min(scene.height + 100, shot.height - y))
    expect(client.width == scene.width + 100 and client.height == scene.height + 100,
           "the game window is cut by the screen's edge")
    check_pirate_at_load_place(client, scene, art, 1, place, frame)
    beyond = around(client, GAME_BACK, scene.width, scene.height)
    expect(not beyond, f"{len(beyond)} pixels beside and under the scene are not the window's colour, "
                       f"first at {beyond[:3]}")


def window(args):
    return tuple(int(v) for v in args)


def luminance(colour):
    """Relative luminance of an sRGB colour, as the web's readability guidelines define it."""
    def linear(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


READABLE = 4.5  # what the guidelines ask of body text


def check_word(shot, window, art, scale):
    """The word on show in the answer box: letters are drawn, and their darkest ink stands at a
    readable contrast against the box's own background (its most common colour)."""
    scene = read_bmp(os.path.join(art, "pictures", "seascene.bmp"))
    client = game_client(shot, window, scene.doubled() if scale == 2 else scene, scale)
    if not client:
        return
    x, y, w, h = (v * scale for v in PLAY_CONTROLS["Txtspell"][0])
    edge = 3 * scale  # inside the box's frame
    box = client.crop(x + edge, y + edge, w - 2 * edge, h - 2 * edge)
    counts = {}
    for row in box.rows:
        for i in range(0, len(row), 3):
            colour = tuple(row[i:i + 3])
            counts[colour] = counts.get(colour, 0) + 1
    background = max(counts, key=counts.get)
    darkest = min(counts, key=luminance)
    ink = sum(n for c, n in counts.items() if contrast(c, background) > 1.5)
    expect(ink >= 30 * scale * scale, f"the answer box at scale {scale} shows no word ({ink} ink pixels)")
    ratio = contrast(darkest, background)
    print(f"scale {scale}: ink {bytes(darkest).hex()} on {bytes(background).hex()}, contrast {ratio:.2f}:1")
    expect(ratio >= READABLE, f"the word on show at scale {scale} stands at {ratio:.2f}:1 against its box, "
                              f"less than {READABLE}:1")


def main(argv):
    what = argv[1]
    if what == "title":
        check_title(read_xwd(argv[2]), window(argv[3:7]), argv[7])
    elif what == "game":
        check_game(read_xwd(argv[2]), window(argv[3:7]), argv[7])
    elif what == "falling":
        check_falling(read_xwd(argv[2]), window(argv[3:7]), argv[7])
    elif what == "scene":
        scale = int(argv[8])
        scene = read_bmp(os.path.join(argv[7], "pictures", argv[9] if len(argv) > 9 else "seascene.bmp"))
        game_client(read_xwd(argv[2]), window(argv[3:7]), scene.doubled() if scale == 2 else scene, scale)
    elif what == "word":
        check_word(read_xwd(argv[2]), window(argv[3:7]), argv[7], int(argv[8]))
    elif what == "found-title":
        check_found_title(read_ppm(argv[2]), argv[3])
    elif what == "found-game":
        numbers = [int(v) for v in argv[4:8]]
        check_found_game(read_ppm(argv[2]), argv[3], tuple(numbers[:2]), tuple(numbers[2:]))
    elif what == "double-title":
        check_double_title(read_xwd(argv[2]), window(argv[3:7]), read_xwd(argv[7]), window(argv[8:12]), argv[12])
    elif what == "double":
        check_double(read_xwd(argv[2]), window(argv[3:7]), read_xwd(argv[7]), window(argv[8:12]), argv[12])
    else:
        raise SystemExit(f"unknown check {what}")
    for p in problems:
        print("  " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
