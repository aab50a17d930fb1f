#!/usr/bin/env bash
# Whole-process timings of a 12-megapixel photo (4000 x 3000) turned into a sheet, reduced
# to about one million pixels on the way: as HEIC, as AVIF, as JPEG XL and as JPEG, and
# ImageMagick decoding the same HEIC and JPEG to text (convert FILE txt:, which reads HEIC
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
cmake --build "$build" --target tessarine-cli yardstick >/dev/null

cli="$build/src/tessarine-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

# Smooth hues with a little noise, as a photo has; encoded at the quality phones use.
"$build/bench/yardstick" make-picture "$work/photo.png" 4000 3000
heif-enc -q 85 "$work/photo.png" -o "$work/photo.heic" >/dev/null
avifenc -s 8 --min 20 --max 30 "$work/photo.png" "$work/photo.avif" >/dev/null
cjxl -d 1 "$work/photo.png" "$work/photo.jxl" >/dev/null 2>&1
"$magick" "$work/photo.png" -quality 90 "$work/photo.jpg"
for f in heic avif jxl jpg; do
    echo "photo.$f: 4000 x 3000, $(stat -c %s "$work/photo.$f") bytes"
done
"$cli" to-sheet "$work/photo.heic" "$work/check.csv" >/dev/null 2>&1 || true
echo "sheet: $(($(wc -l <"$work/check.csv") - 1)) pixels"
echo

hyperfine -N --style basic --warmup 1 --runs "$runs" --export-json "$work/h.json" \
    -n "tessarine-cli HEIC" "$cli to-sheet $work/photo.heic $work/out.csv" \
    -n "tessarine-cli AVIF" "$cli to-sheet $work/photo.avif $work/out.csv" \
    -n "tessarine-cli JPEG XL" "$cli to-sheet $work/photo.jxl $work/out.csv" \
    -n "tessarine-cli JPEG" "$cli to-sheet $work/photo.jpg $work/out.csv" \
    -n "ImageMagick HEIC txt:" "$magick $work/photo.heic txt:/dev/null" \
    -n "ImageMagick JPEG txt:" "$magick $work/photo.jpg txt:/dev/null" >/dev/null

python3 - "$work/h.json" <<'EOF'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
mean = {r["command"]: r["mean"] * 1000 for r in results}
print("whole process, mean wall clock of %d runs (processor time user + system):" % len(results[0]["times"]))
for r in results:
    print("  %-24s %8.0f ms   (%5.0f ms)" % (r["command"], r["mean"] * 1000, (r["user"] + r["system"]) * 1000))
ratio = mean["tessarine-cli HEIC"] / mean["tessarine-cli JPEG"]
print("HEIC / JPEG: %.2fx (goal: at most 2x)" % ratio)
print("ImageMagick HEIC / tessarine-cli HEIC: %.1fx" % (mean["ImageMagick HEIC txt:"] / mean["tessarine-cli HEIC"]))
EOF
