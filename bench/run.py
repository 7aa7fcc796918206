#!/usr/bin/env python3
"""Benchmarks of ZUB-Zahlen; prints medians and ratios. Not a test: no goal fails the run.

Scripted child: the soak test's own clock for its run of 10 000 actions
(fixed seed), as milliseconds per 1 000 actions; median of a few runs.

Scripted child memory: peak memory (max RSS) of the soak test after 10 000
and after 100 000 actions (fixed seed) and the difference; the worksheet text
the dialog keeps on purpose is reported beside it and allowed for.

Class server sender (bench/sender_bench, run by more.py with the other
*_bench programs): 25 computers' queues of 4 000 answers to a private
PostgreSQL server, the time until all arrived and the GUI thread's longest stall.

Start-up: the time from starting the process until the menu's first paint, and
the peak memory 0.2 s later (the record is open by then), beside a bare Qt
window built by the same project; runs alternating, medians and the ratio.
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 21


def run_once(exe, cwd, env):
    """Milliseconds from the start until the first paint, as the program
    reports it, and the peak memory in MB (the program stays 0.2 s after
    that paint)."""
    env = dict(env, ZUB_SPAWN_NS=str(time.monotonic_ns()))
    proc = subprocess.Popen([exe], cwd=cwd, env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    found = re.search(r"first paint after ([0-9.]+) ms", out)
    if status != 0 or not found:
        sys.exit(f"{exe} failed with status {status} or did not tell its first paint")
    return float(found.group(1)), usage.ru_maxrss / 1024.0


def startup(build):
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    with tempfile.TemporaryDirectory() as cwd:
        env["XDG_DATA_HOME"] = cwd  # the learning record it opens after the first paint
        with open(os.path.join(cwd, "ZUBZAHL.INI"), "wb") as f:
            f.write(b" 3 \r\n")  # no missing-file box in the way
        # Alternating, so that a change in the machine's load falls on both.
        bare_exe = os.path.join(build, "bench", "bare_window")
        prog_exe = os.path.join(build, "bench", "startup_probe")
        run_once(bare_exe, cwd, env)  # warm the file cache
        run_once(prog_exe, cwd, env)
        bare_runs, prog_runs = [], []
        for _ in range(RUNS):
            bare_runs.append(run_once(bare_exe, cwd, env))
            prog_runs.append(run_once(prog_exe, cwd, env))
        bare = [statistics.median(s[i] for s in bare_runs) for i in (0, 1)]
        prog = [statistics.median(s[i] for s in prog_runs) for i in (0, 1)]
    print(f"start-up ({env['QT_QPA_PLATFORM']}, median of {RUNS} runs each, alternating;"
          " time to the first paint, peak memory 0.2 s later)")
    print(f"  bare Qt window : {bare[0]:7.1f} ms  {bare[1]:6.1f} MB")
    print(f"  ZUB-Zahlen     : {prog[0]:7.1f} ms  {prog[1]:6.1f} MB")
    print(f"  ratio          : {prog[0] / bare[0]:7.2f} time  {prog[1] / bare[1]:5.2f} memory"
          "  (goal: at most 1.10 each)")


CHILD_RUNS = 3


def child(build):
    exe = os.path.join(build, "tests", "test_scripted_child")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    env.pop("ZUB_CHILD_SEED", None)
    env.pop("ZUB_CHILD_ACTIONS", None)
    per_1000 = []
    for _ in range(CHILD_RUNS):
        out = subprocess.run([exe, "playsEveryScreen"], env=env, check=True,
                             capture_output=True, text=True).stdout
        found = re.search(r"\((\d+) ms per 1000 actions\)", out)
        if not found:
            sys.exit("scripted child: no timing in its output")
        per_1000.append(float(found.group(1)))
    print(f"scripted child (offscreen, median of {CHILD_RUNS} runs of 10 000 actions)")
    print(f"  time per 1000 actions: {statistics.median(per_1000):7.1f} ms")


MEMORY_SEED = 7
MEMORY_ACTIONS = (10000, 100000)
# What one character of the kept worksheet text costs in the text field
# (characters, blocks and their layouts), measured with the worksheet
# dialog itself: about 1 000 bytes per press of " Übung" for 51 characters.
BYTES_PER_KEPT_CHAR = 20


def child_memory_once(exe, env, actions):
    """Peak memory (MB) of one run of the scripted child, and the worksheet
    text it kept: characters at the end and the most during the run."""
    env = dict(env, ZUB_CHILD_SEED=str(MEMORY_SEED), ZUB_CHILD_ACTIONS=str(actions))
    with tempfile.TemporaryFile(mode="w+") as out:
        proc = subprocess.Popen([exe, "playsEveryScreen"], env=env, stdout=out,
                                stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(proc.pid, 0)
        if status != 0:
            sys.exit(f"scripted child ({actions} actions) failed with status {status}")
        out.seek(0)
        found = re.search(r"worksheet text kept: (\d+) characters at the end, at most (\d+)",
                          out.read())
    if not found:
        sys.exit("scripted child: no worksheet length in its output")
    return usage.ru_maxrss / 1024.0, int(found.group(1)), int(found.group(2))


def child_memory(build):
    exe = os.path.join(build, "tests", "test_scripted_child")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
    runs = [child_memory_once(exe, env, actions) for actions in MEMORY_ACTIONS]
    print(f"scripted child memory (offscreen, seed {MEMORY_SEED}, one run each)")
    for actions, (mb, kept, most) in zip(MEMORY_ACTIONS, runs):
        count = f"{actions:,}".replace(",", " ")
        print(f"  {count:>7} actions: {mb:6.1f} MB peak; worksheet text {kept} characters"
              f" at the end, at most {most}")
    grown = runs[1][0] - runs[0][0]
    text = max(0, runs[1][2] - runs[0][2]) * BYTES_PER_KEPT_CHAR / (1024.0 * 1024.0)
    print(f"  difference      : {grown:6.2f} MB, {text:.2f} MB of it for the longer worksheet text")
    print(f"  beyond the text : {grown - text:6.2f} MB  (goal: at most 2 MB)")


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    startup(build)
    child(build)
    child_memory(build)
    extra = os.path.join(os.path.dirname(__file__), "more.py")
    if os.path.exists(extra):
        subprocess.run([sys.executable, extra, build], check=True)


if __name__ == "__main__":
    main()
