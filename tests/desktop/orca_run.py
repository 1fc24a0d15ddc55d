# Starts Orca as the test's screen reader: usage orca_run.py LOG. Two things differ from a plain
# `orca --debug-file=LOG`, both for a test that reads what Orca says while it runs:
#   - the log is written line by line, not in blocks that reach the file seconds late;
#   - Orca does not refuse to start when another Orca of the same user runs elsewhere on the
#     machine (another test, on its own session and accessibility bus, which this one never meets).
import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def open_log_by_line(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)


builtins.open = open_log_by_line
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.argv = ["orca", f"--debug-file={log}"]
sys.exit(launcher["main"]())
