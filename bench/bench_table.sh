#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole comparison in one run, so that its ratios hold on a busy machine: the three
# jobs on a 1000 x 1000 picture (to-sheet, to-image BMP, to-image PNG) timed as whole
# processes for tessarine-cli, the numpy + Pillow recipe, ImageMagick's txt: format and the
# yardstick (the plain toolkit program); then start-up time, and peak memory for the 1 MP
# jobs and for a 4000 x 3000 JPEG.
#   bench/bench_table.sh [RUNS]            (median of RUNS, default 7)
# Environment:
#   CLI, YARDSTICK   programs to time (default: built in Release in build-bench/)
#   BASELINE_CLI     another tessarine-cli (an older build) timed in the same run
#   NUMPY_RECIPE     the recipe script (default: shared/peers/numpy_recipe.py next to the
#                    checkout); peers that are not installed are left out
#   MAGICK_RUNS      runs for ImageMagick, which takes seconds a job (default 3)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-7}"
magick_runs="${MAGICK_RUNS:-3}"

command -v hyperfine >/dev/null || { echo "error: hyperfine is needed" >&2; exit 1; }
if [ -z "${CLI:-}" ] || [ -z "${YARDSTICK:-}" ]; then
    build="$here/build-bench"
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARINE_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" --target tessarine-cli yardstick >/dev/null
fi
cli="${CLI:-$build/src/tessarine-cli}"
yard="${YARDSTICK:-$build/bench/yardstick}"
base="${BASELINE_CLI:-}"
recipe="${NUMPY_RECIPE:-}"
for candidate in "$here/../shared/peers/numpy_recipe.py" "$here/../../shared/peers/numpy_recipe.py"; do
    [ -z "$recipe" ] && [ -f "$candidate" ] && recipe="$candidate"
done
python=/usr/bin/python3
if [ -n "$recipe" ] && ! "$python" -c 'import numpy, PIL' 2>/dev/null; then recipe=""; fi
magick="$(command -v convert-im6.q16 || command -v convert || true)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

"$yard" make-picture "$work/big.png" 1000 1000
"$yard" make-picture "$work/photo.jpg" 4000 3000
"$cli" to-sheet "$work/big.png" "$work/big.csv"
echo "picture: 1000 x 1000 PNG, $(stat -c %s "$work/big.png") bytes; sheet: $(stat -c %s "$work/big.csv") bytes"

# Median wall-clock milliseconds of a command over N runs, after one warm-up.
median_ms() {
    hyperfine -N --style none --warmup 1 --runs "$1" --export-json "$work/h.json" "$2" >/dev/null 2>&1 || { echo "failed"; return; }
    "$python" -c 'import json,sys; print("%.0f" % (json.load(open(sys.argv[1]))["results"][0]["median"]*1000))' "$work/h.json"
}
# Peak resident memory of a command, in MB.
peak_mb() {
    "$python" -c 'import resource,subprocess,sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
print("%.1f" % (resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024))' "$@"
}

# job | tessarine arguments | recipe arguments | ImageMagick arguments | yardstick arguments
jobs=(
    "picture -> sheet|to-sheet $work/big.png $work/out.csv|tosheet $work/big.png $work/np.csv|$work/big.png txt:$work/im.txt|to-sheet $work/big.png $work/y.csv"
    "sheet -> BMP|to-image $work/big.csv $work/out.bmp|toimage $work/big.csv $work/np.bmp|txt:$work/im.txt $work/im.bmp|to-image $work/big.csv $work/y.bmp"
    "sheet -> PNG|to-image $work/big.csv $work/out.png|||to-image $work/big.csv $work/y.png"
)
[ -n "$magick" ] && "$magick" "$work/big.png" "txt:$work/im.txt"

sizes=()
echo
echo "whole process, median of $runs runs (ImageMagick: $magick_runs), milliseconds"
printf '%-18s %10s %10s %10s %10s %10s | %9s %9s %9s\n' job tessarine baseline numpy magick yardstick "/numpy" "/yardstick" "/baseline"
for job in "${jobs[@]}"; do
    IFS='|' read -r name ours theirs im yardargs <<<"$job"
    t=$(median_ms "$runs" "$cli $ours")
    out="${ours##* }"
    [ -f "$out" ] && sizes+=("$name: tessarine $(stat -c %s "$out") bytes")
    b=-; [ -n "$base" ] && b=$(median_ms "$runs" "$base ${ours// $out/ $work/base.${out##*.}}")
    [ -n "$base" ] && [ -f "$work/base.${out##*.}" ] && sizes+=("$name: baseline $(stat -c %s "$work/base.${out##*.}") bytes")
    n=-; [ -n "$recipe" ] && [ -n "$theirs" ] && n=$(median_ms "$runs" "$python $recipe $theirs")
    m=-; [ -n "$magick" ] && [ -n "$im" ] && m=$(median_ms "$magick_runs" "$magick $im")
    y=$(median_ms "$runs" "$yard $yardargs")
    ratio() { [[ "$2" =~ ^[0-9]+$ ]] && [ "$2" -gt 0 ] && echo "scale=3; $1 / $2" | bc || echo -; }
    printf '%-18s %10s %10s %10s %10s %10s | %9s %9s %9s\n' "$name" "$t" "$b" "$n" "$m" "$y" \
        "$(ratio "$t" "$n")" "$(ratio "$t" "$y")" "$(ratio "$t" "$b")"
done
sizes+=("sheet -> PNG: yardstick $(stat -c %s "$work/y.png") bytes")
printf '  %s\n' "${sizes[@]}"

echo
printf '%-34s %10s %10s\n' "" tessarine baseline
b=-; [ -n "$base" ] && b=$(median_ms "$runs" "$base --version")
printf '%-34s %10s %10s\n' "start-up (--version), ms" "$(median_ms "$runs" "$cli --version")" "$b"
for job in "to-sheet $work/big.png $work/out.csv" "to-image $work/big.csv $work/out.bmp" \
           "to-image $work/big.csv $work/out.png" "to-sheet $work/photo.jpg $work/photo.csv"; do
    b=-; [ -n "$base" ] && b=$(peak_mb $base $job)
    printf '%-34s %10s %10s\n' "peak MB: ${job%% *} $(basename "$(echo "$job" | cut -d' ' -f2)") -> .${job##*.}" "$(peak_mb $cli $job)" "$b"
done
