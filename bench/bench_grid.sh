#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 1000 x 1000 grid of grey values as CSV (rows are y, columns x, values 0-255, no header)
# beside the same picture's pixel sheet, each read and drawn as a whole process
# (tessarine-cli to-image). Median of 5 runs; the grid's time as a multiple of the sheet's.
#
#   bench/bench_grid.sh [BUILD] [SIDE]   (BUILD: a release build, build-release by default)
set -euo pipefail
build=$(realpath "${1:-build-release}")
side=${2:-1000}
cli=$build/src/tessarine-cli
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

# A smooth pattern with every value 0-255, so that no row or column is uniform.
awk -v side="$side" 'BEGIN { for (y = 0; y < side; ++y) { line = ""; for (x = 0; x < side; ++x)
    line = line (x ? "," : "") int((x * 7 + y * 13 + int(x * y / 97)) % 256); print line } }' >grid.csv
"$cli" to-image grid.csv grid.png # once, so that a failure shows
"$cli" to-sheet grid.png sheet.csv 2>/dev/null
"$cli" to-image sheet.csv sheet.png 2>/dev/null
"$cli" compare grid.png sheet.png >/dev/null # the same picture both ways

grid=$(median "$cli" to-image grid.csv back.png)
sheet=$(median "$cli" to-image sheet.csv back.png)
printf '%-40s %10s %12s\n' "read and draw (whole process)" "ms" "bytes"
printf '%-40s %10s %12s\n' "grey grid ${side}² .csv" "$grid" "$(stat -c %s grid.csv)"
printf '%-40s %10s %12s\n' "pixel sheet of ${side}² .csv" "$sheet" "$(stat -c %s sheet.csv)"
printf '%-40s %10s\n' "grid / pixel sheet" "$(awk -v g="$grid" -v s="$sheet" 'BEGIN { printf "%.2f", g / s }')"
