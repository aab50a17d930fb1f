#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process timings of a 12-megapixel photo (4000 x 3000) turned into a sheet, reduced
# to about one million pixels on the way: as HEIC, as AVIF, as JPEG XL and as JPEG, and
# ImageMagick decoding the same HEIC to text (convert photo.heic txt:, which reads it
# through the same libheif) in the same run.
#   bench/bench_photo.sh [RUNS]
# Builds the converter in Release in build-bench/. Needs hyperfine, heif-enc, avifenc, cjxl
# and ImageMagick. Goal: the HEIC within twice the JPEG's time.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-5}"
build="$here/build-bench"

for tool in hyperfine heif-enc avifenc cjxl; do
    command -v "$tool" >/dev/null || { echo "error: $tool is needed" >&2; exit 1; }
done
# Debian's own binary, in case convert on PATH is a wrapper around it.
magick="$(command -v convert-im6.q16 || command -v convert)"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARINE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tessarine-cli >/dev/null

cli="$build/src/tessarine-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

# Plasma, softened a little: detail at every scale as in a photo, without the pixel-level
# noise that no camera keeps. HEIC at heif-enc's usual quality (about 0.9 MB here, where a
# phone's 12-megapixel photo takes 1 to 3 MB), the others at qualities their users pick.
"$magick" -seed 1 -size 4000x3000 plasma:fractal -blur 0x1 -depth 8 "$work/photo.png"
heif-enc -q 55 "$work/photo.png" -o "$work/photo.heic" >/dev/null
avifenc -s 8 --min 20 --max 30 "$work/photo.png" "$work/photo.avif" >/dev/null
cjxl -d 1 "$work/photo.png" "$work/photo.jxl" >/dev/null 2>&1
"$magick" "$work/photo.png" -quality 90 "$work/photo.jpg"
for f in heic avif jxl jpg; do
    echo "photo.$f: 4000 x 3000, $(stat -c %s "$work/photo.$f") bytes"
done
"$cli" to-sheet "$work/photo.heic" "$work/check.csv" >/dev/null 2>&1 || true
echo "sheet: $(($(wc -l <"$work/check.csv") - 1)) pixels"
echo

hyperfine -N --style none --warmup 1 --runs "$runs" --export-json "$work/h.json" \
    -n "tessarine-cli HEIC" "$cli to-sheet $work/photo.heic $work/out.csv" \
    -n "tessarine-cli AVIF" "$cli to-sheet $work/photo.avif $work/out.csv" \
    -n "tessarine-cli JPEG XL" "$cli to-sheet $work/photo.jxl $work/out.csv" \
    -n "tessarine-cli JPEG" "$cli to-sheet $work/photo.jpg $work/out.csv" >/dev/null
# ImageMagick writes twelve million lines of text: one run says enough.
hyperfine -N --style none --runs 1 --export-json "$work/m.json" \
    -n "ImageMagick HEIC txt:" "$magick $work/photo.heic txt:/dev/null" >/dev/null

python3 - "$work/h.json" "$work/m.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"] + json.load(open(sys.argv[2]))["results"]
wall = {r["command"]: r["mean"] * 1000 for r in results}
cpu = {r["command"]: (r["user"] + r["system"]) * 1000 for r in results}
print("whole process, mean wall clock (processor time user + system):")
for r in results:
    c = r["command"]
    print("  %-24s %8.0f ms   (%5.0f ms)   %d runs" % (c, wall[c], cpu[c], len(r["times"])))
heic, jpeg, magick = "tessarine-cli HEIC", "tessarine-cli JPEG", "ImageMagick HEIC txt:"
print("HEIC / JPEG: %.1fx wall clock, %.1fx processor time (goal: at most 2x)"
      % (wall[heic] / wall[jpeg], cpu[heic] / cpu[jpeg]))
print("ImageMagick HEIC / tessarine-cli HEIC: %.1fx wall clock" % (wall[magick] / wall[heic]))
PY
