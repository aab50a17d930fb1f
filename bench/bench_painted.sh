#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sheets made by hand, each read and drawn as a whole process (tessarine-cli to-image),
# median of 5 runs: a painted 256 x 256 .xlsx (65,536 styled cells, 4,096 distinct fills),
# and a 1000 x 1000 grid of grey values as CSV (rows are y, columns x, no header) beside
# the same picture's pixel sheet, the grid's time as a multiple of the sheet's.
#
#   bench/bench_painted.sh [BUILD]      (BUILD: a release build, build-release by default)
set -euo pipefail
build=$(realpath "${1:-build-release}")
cli=$build/src/tessarine-cli
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

printf '%-40s %10s %10s\n' "read and draw (whole process)" "ms" "bytes"
for sizes in "256 4096" "256 64" "64 4096"; do
    set -- $sizes
    /usr/bin/python3 "$here/painted_openpyxl.py" "p$1-$2.xlsx" "$1" "$2"
    "$cli" to-image "p$1-$2.xlsx" "p$1-$2.png" # once, so that a failure shows
    printf '%-40s %10s %10s\n' "painted $1² with $2 fills .xlsx" "$(median "$cli" to-image "p$1-$2.xlsx" back.png)" \
        "$(stat -c %s "p$1-$2.xlsx")"
done

# A smooth pattern with every value 0-255, so that no row or column is uniform.
side=1000
awk -v side="$side" 'BEGIN { for (y = 0; y < side; ++y) { line = ""; for (x = 0; x < side; ++x)
    line = line (x ? "," : "") int((x * 7 + y * 13 + int(x * y / 97)) % 256); print line } }' >grid.csv
"$cli" to-image grid.csv grid.png # once, so that a failure shows
"$cli" to-sheet grid.png sheet.csv 2>/dev/null
"$cli" to-image sheet.csv sheet.png 2>/dev/null
"$cli" compare grid.png sheet.png >/dev/null # the same picture both ways
grid=$(median "$cli" to-image grid.csv back.png)
sheet=$(median "$cli" to-image sheet.csv back.png)
printf '%-40s %10s %10s\n' "grey grid ${side}² .csv" "$grid" "$(stat -c %s grid.csv)"
printf '%-40s %10s %10s\n' "its pixel sheet .csv" "$sheet" "$(stat -c %s sheet.csv)"
printf '%-40s %10s\n' "grid / pixel sheet" "$(awk -v g="$grid" -v s="$sheet" 'BEGIN { printf "%.2f", g / s }')"
