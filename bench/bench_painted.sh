#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A painted 256 x 256 .xlsx (65,536 styled cells, 4,096 distinct fills) read and drawn as a
# whole process (tessarine-cli to-image). Median of 5 runs.
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
