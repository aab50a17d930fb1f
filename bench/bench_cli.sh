#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process timings of tessarine-cli against the yardstick (the same jobs written the
# plain way with the same toolkit), on a generated 1000 x 1000 picture of varied colours.
#   bench/bench_cli.sh [RUNS]
# Builds both in Release in build-bench/. Uses hyperfine when installed, else a shell loop.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-10}"
build="$here/build-bench"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARINE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tessarine-cli yardstick >/dev/null

cli="$build/src/tessarine-cli"
yard="$build/bench/yardstick"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

"$yard" make-picture "$work/picture.png" 1000 1000
"$cli" to-sheet "$work/picture.png" "$work/sheet.csv"
"$yard" to-sheet "$work/picture.png" "$work/yard.csv"
cmp -s "$work/sheet.csv" "$work/yard.csv" || echo "note: the yardstick's sheet differs from the converter's"
echo "picture: 1000 x 1000 PNG, $(stat -c %s "$work/picture.png") bytes; sheet: $(stat -c %s "$work/sheet.csv") bytes"
echo

# name | converter command | yardstick command
jobs=(
  "to-sheet PNG -> CSV (RGB)|$cli to-sheet $work/picture.png $work/out.csv|$yard to-sheet $work/picture.png $work/yout.csv"
  "to-sheet PNG -> CSV (HSV)|$cli to-sheet $work/picture.png $work/out.csv --hsv|$yard to-sheet $work/picture.png $work/yout.csv --hsv"
  "to-image CSV -> BMP|$cli to-image $work/sheet.csv $work/out.bmp|$yard to-image $work/sheet.csv $work/yout.bmp"
  "to-image CSV -> PNG|$cli to-image $work/sheet.csv $work/out.png|$yard to-image $work/sheet.csv $work/yout.png"
)

# Mean wall-clock milliseconds of a command over $runs runs, after two warm-ups; with
# hyperfine also the processor time (user + system), which a busy machine disturbs less.
mean_ms() {
    if command -v hyperfine >/dev/null 2>&1; then
        hyperfine -N --style none --warmup 2 --runs "$runs" --export-json "$work/h.json" "$1" >/dev/null
        python3 -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"][0]; print("%.1f %.1f" % (r["mean"]*1000, (r["user"]+r["system"])*1000))' "$work/h.json"
    else
        $1 >/dev/null
        local start end
        start=$(date +%s%N)
        for _ in $(seq "$runs"); do $1 >/dev/null; done
        end=$(date +%s%N)
        echo "$(echo "scale=1; ($end - $start) / 1000000 / $runs" | bc) -"
    fi
}

if command -v hyperfine >/dev/null 2>&1; then timer="hyperfine, mean of $runs runs"; else timer="shell loop, mean of $runs runs"; fi
echo "whole process, wall clock ($timer):"
printf '%-28s %14s %14s %10s   %s\n' "job" "tessarine-cli" "yardstick" "speed-up" "(processor time: cli / yardstick)"
for job in "${jobs[@]}"; do
    IFS='|' read -r name ours theirs <<<"$job"
    read -r a acpu <<<"$(mean_ms "$ours")"
    read -r b bcpu <<<"$(mean_ms "$theirs")"
    printf '%-28s %11s ms %11s ms %9.1fx   (%s / %s ms)\n' "$name" "$a" "$b" "$(echo "$b / $a" | bc -l)" "$acpu" "$bcpu"
done
echo
echo "goals: to-sheet and to-image to BMP under 100 ms each, at least 7x the yardstick"
