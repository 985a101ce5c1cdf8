#!/usr/bin/env python3
"""Times programs from launch to their first window mapped on the X display in $DISPLAY.

Usage: startup-time.py RUNS PROGRAM [ARGUMENT...] -- PROGRAM [ARGUMENT...] ...

Runs the programs in turn, RUNS times each, and prints each one's median and the ratio of every other
median to the last program's. The mapping is seen from outside, as the window manager sees it: xev
reports the first window mapped on the root window after the launch.
"""
import os
import select
import statistics
import subprocess
import sys
import time


def time_to_map(command):
    watcher = subprocess.Popen(["xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE, bufsize=0)
    program = None
    try:
        # xev says nothing until it watches: give it a moment to select the events.
        time.sleep(0.3)
        start = time.monotonic()
        program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        seen = b""
        while b"MapNotify" not in seen:
            ready, _, _ = select.select([watcher.stdout], [], [], 10)
            if not ready:
                raise SystemExit(f"{command[0]} mapped no window within 10 s")
            seen += os.read(watcher.stdout.fileno(), 65536)
        mapped = time.monotonic() - start
        return mapped
    finally:
        if program:
            # A media player killed while it is still starting can leave a sound server's lock held: the
            # program finishes starting first.
            time.sleep(1.5)
            program.terminate()
            program.wait()
        watcher.kill()
        watcher.wait()
        time.sleep(0.2)


def main():
    runs = int(sys.argv[1])
    commands = [part.split("\0") for part in "\0".join(sys.argv[2:]).split("\0--\0")]
    times = {index: [] for index in range(len(commands))}
    for _ in range(runs):
        for index, command in enumerate(commands):
            times[index].append(time_to_map(command))
    medians = [statistics.median(times[index]) for index in range(len(commands))]
    for index, command in enumerate(commands):
        spread = " ".join(f"{1000 * value:.0f}" for value in sorted(times[index]))
        print(f"{os.path.basename(command[0]):24} median {1000 * medians[index]:6.1f} ms   ({spread})")
    for index, command in enumerate(commands[:-1]):
        print(f"{os.path.basename(command[0])} / {os.path.basename(commands[-1][0])}: {medians[index] / medians[-1]:.2f}")


if __name__ == "__main__":
    main()
