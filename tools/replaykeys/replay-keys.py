#!/usr/bin/env python3
"""Sends a replay's keys to the focused X window as real key presses.

Each run of the replay ("STEPS [KEY ...]", "+KEY" for a fresh press) becomes key
events at the game's pace of one step per 16 ms, timed against the clock from
the first event on, so the timing does not drift over a long run. Keys go
through the X server's test extension (the one xdotool uses), which is what a
keyboard does as far as the window is concerned.

    tools/replaykeys/replay-keys.py RUN.replay [--start-time SECONDS]

Focus the window first (xdotool windowfocus). Run it with the play-test's
--record to play a planned run and keep what the level saw. --start-time gives
the moment of the run's first step in seconds since the epoch (the level starts
moving before the keys can be sent); by default the run starts now.
"""
import ctypes
import ctypes.util
import sys
import time

STEP_SECONDS = 0.016
KEYSYMS = {"Left": "Left", "Right": "Right", "Up": "Up", "Down": "Down",
           "Z": "z", "X": "x", "Return": "Return", "Escape": "Escape"}


def parse(path):
    """Returns the runs of a replay file as (steps, held keys, fresh keys)."""
    runs = []
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            names = [word.lstrip("+") for word in words[1:]]
            if not words[0].isdigit() or any(name not in KEYSYMS for name in names):
                sys.exit(f"{path}:{number}: not a run of steps: {line.strip()}")
            fresh = {word[1:] for word in words[1:] if word.startswith("+")}
            runs.append((int(words[0]), set(names), fresh))
    return runs


def schedule(runs):
    """Turns runs into (step, key, down) events, releases before presses."""
    events, held, step = [], set(), 0
    for steps, keys, fresh in runs:
        for key in sorted(held - keys | (fresh & held)):
            events.append((step, key, False))
        for key in sorted(keys - held | fresh):
            events.append((step, key, True))
        held, step = keys, step + steps
    events.extend((step, key, False) for key in sorted(held))
    return events


def load(name):
    """Loads an X library by its usual name, searching only when that fails."""
    try:
        return ctypes.cdll.LoadLibrary(f"lib{name}.so.6")
    except OSError:
        found = ctypes.util.find_library(name)
        if not found:
            sys.exit(f"replay-keys.py: the {name} library is missing")
        return ctypes.cdll.LoadLibrary(found)


def main():
    arguments = sys.argv[1:]
    started = time.time()
    if len(arguments) == 3 and arguments[1] == "--start-time":
        started = float(arguments.pop())
        arguments.pop()
    if len(arguments) != 1:
        sys.exit("usage: replay-keys.py RUN.replay [--start-time SECONDS]")
    events = schedule(parse(arguments[0]))
    x11 = load("X11")
    xtst = load("Xtst")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("replay-keys.py: cannot open the X display (check DISPLAY)")
    codes = {name: x11.XKeysymToKeycode(display, x11.XStringToKeysym(sym.encode()))
             for name, sym in KEYSYMS.items()}
    start = time.monotonic() - (time.time() - started)
    for step, key, down in events:
        due = start + step * STEP_SECONDS
        while (left := due - time.monotonic()) > 0:
            time.sleep(min(left, 0.002) if left < 0.004 else left - 0.003)
        xtst.XTestFakeKeyEvent(display, codes[key], 1 if down else 0, 0)
        x11.XFlush(display)
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay(display)


if __name__ == "__main__":
    main()
