# Times one start of a program on weston, for startup.sh: from exec to its first window's first
# frame, and from that window going (its toplevel destroyed, as a hide does) to the second window's
# first frame, both read from weston's protocol log ("weston-debug proto"), which stamps every
# request as the compositor gets it; then its memory 3 s after the second window shows. OK is
# pressed through AT-SPI, as nothing injects keys on Wayland.
# Usage: wayland_probe.py PROTO-LOG FIRST-TITLE SECOND-TITLE OK-BUTTON PROGRAM [ARGS...]
#        OK is pressed $PRESS_AFTER_MS milliseconds (default 0) after the first window shows.
#        (FIRST-TITLE "-": the program shows its second window alone; nothing is pressed)
# Prints "title_ms ok_ms rss_kib peak_kib" ("-" for a time not measured).
import datetime
import os
import re
import subprocess
import sys
import time

import pyatspi

log, first, second, ok_button = sys.argv[1:5]
command = sys.argv[5:]

# Weston 14 names the client's process after it: "client 0x55d2... (PID 16876) rq ...".
LINE = re.compile(r"^\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d+)\]\[proto\] client (\S+)(?: \(PID \d+\))? rq "
                  r"(\w+)@(\d+)\.(\w+)\((.*)\)$")


def eventually(probe, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            answer = probe()
        except Exception:  # the object may not be there yet
            answer = None
        if answer:
            return answer
        time.sleep(0.01)
    raise SystemExit(f"wayland_probe: gave up waiting ({command[0]})")


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
    return next((a for a in apps if a is not None and a.get_process_id() == pid), None)


# Roles by number: libatspi 2.56 renamed some (a push button is "button" there), not their numbers.
def showing(app, role, name):
    return next((a for a in descendants(app) if a.getRole() == role and a.name == name
                 and a.getState().contains(pyatspi.STATE_SHOWING)), None)


def press(acc):
    actions = acc.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index("Press"))


def frames(text):
    """For the client that titled a toplevel FIRST (or SECOND): when each titled toplevel's first
    frame came, and when each went."""
    client = None
    surface_of_xdg, xdg_of_toplevel, title_of_toplevel = {}, {}, {}
    shown, gone, pending = {}, {}, set()
    for line in text.splitlines():
        m = LINE.match(line)
        if not m:
            continue
        stamp, who, kind, number, request, args = m.groups()
        at = datetime.datetime.strptime(stamp, "%Y-%m-%d %H:%M:%S.%f").timestamp()
        ident = f"{kind}@{number}"
        if client is None and request == "set_title" and args.strip('"') in (first, second):
            client = who
        if client is not None and who != client:
            continue
        if request == "get_xdg_surface":
            new, surface = re.findall(r"\w+@\d+", args)
            surface_of_xdg[new] = surface
        elif request == "get_toplevel":
            xdg_of_toplevel[re.findall(r"\w+@\d+", args)[0]] = ident
        elif request == "set_title":
            title_of_toplevel[ident] = args.strip('"')
        elif kind == "xdg_toplevel" and request == "destroy" and ident in title_of_toplevel:
            gone.setdefault(title_of_toplevel.pop(ident), at)
        elif kind == "wl_surface" and request == "attach" and not args.startswith("nil"):
            pending.add(ident)
        elif kind == "wl_surface" and request == "commit" and ident in pending:
            pending.discard(ident)
            for toplevel, title in title_of_toplevel.items():
                if surface_of_xdg.get(xdg_of_toplevel.get(toplevel)) == ident:
                    shown.setdefault(title, at)
    return shown, gone


start_of_log = os.path.getsize(log)
started = time.time()
program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
app = eventually(lambda: application(program.pid))
if first != "-":
    window = eventually(lambda: showing(app, pyatspi.ROLE_FRAME, first))
    time.sleep(int(os.environ.get("PRESS_AFTER_MS", "0")) / 1000)
    press(eventually(lambda: showing(window, pyatspi.ROLE_PUSH_BUTTON, ok_button)))
eventually(lambda: showing(app, pyatspi.ROLE_FRAME, second))
time.sleep(3)
with open(f"/proc/{program.pid}/status") as status:
    memory = dict(line.split(":", 1) for line in status)
rss, peak = (memory[k].split()[0] for k in ("VmRSS", "VmHWM"))
program.terminate()
program.wait(10)
time.sleep(0.2)  # the last requests reach the log

with open(log, encoding="utf-8", errors="replace") as f:
    f.seek(start_of_log)
    shown, gone = frames(f.read())
title_ms = ok_ms = "-"
if first != "-":
    title_ms = f"{(shown[first] - started) * 1000:.0f}"
    ok_ms = f"{(shown[second] - gone[first]) * 1000:.0f}"
print(title_ms, ok_ms, rss, peak)
