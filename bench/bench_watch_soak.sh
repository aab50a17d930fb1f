#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soak of tessarine-cli to-image --watch: SAVES saves in a row of a small sheet (default
# 1000), every other one renamed over the file and the rest written in place, each waited
# for until it is drawn. Prints the converter's memory (VmRSS, VmHWM) and open descriptors
# (/proc/PID/fd) at the start, every 200 saves and at the end, and the time per redraw.
#   bench/bench_watch_soak.sh [SAVES] [CLI]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
saves="${1:-1000}"
cli="${2:-}"
if [ -z "$cli" ]; then
    build="$here/build-bench"
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARINE_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target tessarine-cli >/dev/null
    cli="$build/src/tessarine-cli"
fi
work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

sheet_of() { # red: a 16 x 16 sheet
    echo "x,y,r,g,b"
    for y in $(seq 0 15); do for x in $(seq 0 15); do echo "$x,$y,$1,$((x * 16)),$((y * 16))"; done; done
}
sheet_of 0 >"$work/lesson.csv"
"$cli" to-image --watch "$work/lesson.csv" "$work/lesson.png" 2>"$work/err" &
pid=$!
drawn() { grep -c "changed: read again and drawn" "$work/err" || true; }
wait_drawn() { # count
    for _ in $(seq 1000); do
        [ "$(drawn)" -ge "$1" ] && return 0
        sleep 0.01
    done
    echo "save $1 was not drawn within 10 s" >&2
    exit 1
}
report() { # label
    local rss hwm fds
    rss="$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")"
    hwm="$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")"
    fds="$(ls "/proc/$pid/fd" | wc -l)"
    printf '%-12s VmRSS %6d kB  VmHWM %6d kB  open descriptors %3d\n' "$1" "$rss" "$hwm" "$fds"
}
for _ in $(seq 500); do [ -s "$work/lesson.png" ] && break; sleep 0.01; done
sleep 0.3
report "start"
started=$(date +%s.%N)
for i in $(seq 1 "$saves"); do
    if [ $((i % 2)) -eq 1 ]; then
        sheet_of $((i % 256)) >"$work/.~lesson.tmp"
        mv -f "$work/.~lesson.tmp" "$work/lesson.csv"
    else
        sheet_of $((i % 256)) >"$work/lesson.csv"
    fi
    wait_drawn "$i"
    [ $((i % 200)) -eq 0 ] && report "after $i"
done
ended=$(date +%s.%N)
kill -TERM "$pid"
wait "$pid"
status=$?
pid=""
echo "saves: $saves, all drawn; $(awk -v a="$started" -v b="$ended" -v n="$saves" 'BEGIN { printf "%.0f ms", (b - a) * 1000 / n }') per save and redraw (250 ms of it the wait for the file to hold still)"
echo "exit status on SIGTERM: $status; files left: $(ls -A "$work" | grep -v '^err$' | tr '\n' ' ')"
