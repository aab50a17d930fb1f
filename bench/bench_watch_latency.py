#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Latency of tessarine-cli to-image --watch: from the moment a save of a 100 x 100 sheet is
complete on disk (renamed over the old file, or the file rewritten in place and closed) to
the moment the new picture is on disk. Prints median, min and max over SAVES saves of each
kind (default 20).
    bench/bench_watch_latency.py CLI [SAVES] [SIDE]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def sheet(side, shade):
    lines = ["x,y,r,g,b"]
    lines += [f"{x},{y},{shade},{x * 255 // side},{y * 255 // side}" for y in range(side) for x in range(side)]
    return ("\n".join(lines) + "\n").encode()


def picture_stamp(path):
    try:
        info = os.stat(path)
        return (info.st_ino, info.st_mtime_ns, info.st_size)
    except FileNotFoundError:
        return None


def wait_for_change(path, before, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if picture_stamp(path) != before:
            return time.monotonic()
        time.sleep(0.0005)
    raise SystemExit(f"error: {path} was not drawn again within {timeout} s")


def drawn_shade(cli, picture, env):
    """The red of the picture's pixels and how many there are, read back through the CLI."""
    lines = subprocess.run([cli, "to-sheet", picture, "-"], env=env, capture_output=True).stdout.splitlines()
    return (int(lines[1].split(b",")[2]) if len(lines) > 1 else None), len(lines) - 1


def save(path, data, kind):
    if kind == "rename-over":
        with open(path + ".new", "wb") as f:
            f.write(data)
        os.replace(path + ".new", path)
    else:
        with open(path, "r+b") as f:
            f.truncate(0)
            f.write(data)
    return time.monotonic()


def main():
    cli = sys.argv[1]
    saves = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    side = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    with tempfile.TemporaryDirectory() as work:
        source, picture = os.path.join(work, "lesson.csv"), os.path.join(work, "lesson.png")
        with open(source, "wb") as f:
            f.write(sheet(side, 0))
        process = subprocess.Popen([cli, "to-image", "--watch", source, picture], env=env,
                                   stderr=subprocess.DEVNULL)
        try:
            wait_for_change(picture, None)
            time.sleep(0.5)
            shade = 0
            for kind in ("rename-over", "in-place"):
                times, wrong = [], 0
                for _ in range(saves):
                    shade = (shade + 37) % 256
                    before = picture_stamp(picture)
                    saved = save(source, sheet(side, shade), kind)
                    times.append((wait_for_change(picture, before) - saved) * 1000)
                    time.sleep(0.4)  # the follower is idle again before the next save
                    if drawn_shade(cli, picture, env) != (shade, side * side):
                        wrong += 1
                print(f"{kind:12} {side} x {side}: median {statistics.median(times):6.1f} ms, "
                      f"min {min(times):6.1f} ms, max {max(times):6.1f} ms over {saves} saves; "
                      f"{wrong} pictures not the last save's")
        finally:
            process.terminate()
            process.wait()


main()
