#!/usr/bin/env python3
"""One conversion as a whole process: mensurix-cli against GNU units, run in pairs.

Each round starts both programs once, in alternating order, so that the machine's load falls
on both alike; the medians of the wall times and their ratio are printed.

    cli_vs_units.py [--runs N] <mensurix-cli executable>
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time


def command_time(command):
    """Wall time of one run in seconds, from spawning to reaping the process."""
    with open(os.devnull, "wb") as sink:
        start = time.perf_counter()
        pid = os.posix_spawn(command[0], command, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, sink.fileno(), 1)])
        _, status = os.waitpid(pid, 0)
        elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed")
    return elapsed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("cli")
    args = parser.parse_args()

    units = shutil.which("units")
    if units is None:
        sys.exit("units is missing: install the Debian package units")
    ours = [os.path.abspath(args.cli), "1", "mi", "km"]
    theirs = [units, "-t", "1 mile", "km"]
    for command in (ours, theirs):
        answer = subprocess.run(command, capture_output=True, text=True, check=True).stdout
        if answer.strip() != "1.609344":
            sys.exit(f"{' '.join(command)} answered {answer!r}")

    times = {"mensurix-cli": [], "units": []}
    for round_number in range(args.runs):
        pair = [("mensurix-cli", ours), ("units", theirs)]
        if round_number % 2:
            pair.reverse()
        for name, command in pair:
            times[name].append(command_time(command))

    ours_median = statistics.median(times["mensurix-cli"])
    theirs_median = statistics.median(times["units"])
    print(f"runs per program: {args.runs}")
    print(f"mensurix-cli 1 mi km      median {ours_median * 1000:.2f} ms")
    print(f"units -t '1 mile' km      median {theirs_median * 1000:.2f} ms")
    print(f"ratio mensurix-cli/units  {ours_median / theirs_median:.2f}")


if __name__ == "__main__":
    main()
