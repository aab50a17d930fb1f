#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture-shaped workbook as whole processes: tessarine-cli writing the 256 x 256 and
# 1024 x 1024 RGB .xlsx (and .ods), the same workbook written by openpyxl, reading each
# back beside the pixel-sheet .xlsx of the same picture, and Calc's cold load of the
# 128, 256 and 512 sizes (soffice --headless --convert-to pdf). Medians of 5 runs (Calc: 1).
#
#   bench/bench_picture.sh [BUILD]      (BUILD: a release build, build-bench by default)
# The 1024 sizes are above the command line's limit; bench/picture_write writes them.
set -euo pipefail
build=$(realpath "${1:-build-bench}")
cli=$build/src/tessarine-cli
writer=$build/bench/picture_write
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

median() { # command...: the median wall time of 5 runs, in milliseconds
    local times=()
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}

for side in 128 256 512 1024; do
    convert -size ${side}x${side} plasma:fractal -depth 8 "p$side.png"
    convert "p$side.png" "p$side.ppm"
done

printf '%-34s %10s %10s\n' "write (whole process)" "ms" "bytes"
for side in 256 1024; do
    for layout in picture:xlsx picture:ods grey:xlsx; do
        out="$side-${layout%%:*}.${layout##*:}"
        grey=; [ "${layout%%:*}" = grey ] && grey=grey
        ms=$(median "$writer" "p$side.png" "$out" "$side" $grey)
        printf '%-34s %10s %10s\n' "tessarine $side² ${layout%%:*} .${layout##*:}" "$ms" "$(stat -c %s "$out")"
    done
    ms=$(median "$cli" to-sheet "p$side.png" "$side-list.xlsx")
    printf '%-34s %10s %10s\n' "tessarine $side² pixel sheet .xlsx" "$ms" "$(stat -c %s "$side-list.xlsx")"
done
for side in 256 1024; do
    start=$(date +%s%N); /usr/bin/python3 "$here/picture_openpyxl.py" "p$side.ppm" "$side-openpyxl.xlsx"; end=$(date +%s%N)
    printf '%-34s %10s %10s\n' "openpyxl $side² picture .xlsx (1 run)" "$(( (end - start) / 1000000 ))" \
        "$(stat -c %s "$side-openpyxl.xlsx")"
done

echo
printf '%-34s %10s\n' "read back and draw (whole process)" "ms"
for side in 256 1024; do
    for f in "$side-picture.xlsx" "$side-picture.ods" "$side-list.xlsx"; do
        printf '%-34s %10s\n' "$f" "$(median "$cli" to-image "$f" back.png)"
    done
done

echo
printf '%-34s %10s\n' "Calc cold load, convert to pdf" "ms"
for side in 128 256 512 768; do
    [ -f "p$side.png" ] || convert -size ${side}x${side} plasma:fractal -depth 8 "p$side.png"
    "$cli" to-sheet "p$side.png" "calc$side.xlsx" --layout picture --max-side 768 2>/dev/null
    start=$(date +%s%N)
    soffice --headless --convert-to pdf --outdir calcout "calc$side.xlsx" >/dev/null 2>&1
    end=$(date +%s%N)
    printf '%-34s %10s\n' "calc$side.xlsx" "$(( (end - start) / 1000000 ))"
done
