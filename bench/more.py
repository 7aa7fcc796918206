#!/usr/bin/env python3
"""The further benchmarks, run after start-up by run.py: every executable
named *_bench in the build's bench directory (the worksheet benchmark among
them) prints its own times and ratio. Not a test: no goal fails the run."""
import glob
import os
import subprocess
import sys


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    env = dict(os.environ, QT_QPA_PLATFORM=os.environ.get("QT_QPA_PLATFORM", "offscreen"))
    for exe in sorted(glob.glob(os.path.join(build, "bench", "*_bench"))):
        if os.access(exe, os.X_OK):
            print()
            subprocess.run([exe], env=env, check=True, stderr=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
