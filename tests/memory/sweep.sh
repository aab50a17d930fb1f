#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The converter under memory limits: at every limit it must either give the whole result
# and exit 0, or exit 1 saying that memory ran out and leave no output behind. Anything
# else (a crash, a cut result, a wrong reason, a stray file) fails the sweep.
#   tests/memory/sweep.sh CLI WORKDIR [FIRST_MB LAST_MB STEP_MB]   (default 100 400 10)
set -uo pipefail
cli="$(realpath "${1:?the path of tessarine-cli}")"
work="${2:?a folder for the files}"
first="${3:-100}" last="${4:-400}" step="${5:-10}"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$work"
cd "$work"

# A 4000 x 3000 picture of noise (nothing to compress), its sheet as CSV and as .xlsx,
# and what each job gives without a limit.
if [ ! -s big.png ]; then
    convert -size 4000x3000 xc: +noise Random -depth 8 big.png || exit 1
fi
"$cli" to-sheet big.png ref.csv 2>/dev/null || { echo "error: to-sheet without a limit failed"; exit 1; }
"$cli" to-sheet big.png ref.xlsx 2>/dev/null || { echo "error: to-sheet .xlsx without a limit failed"; exit 1; }
"$cli" to-image ref.csv ref.png 2>/dev/null || { echo "error: to-image without a limit failed"; exit 1; }
ref_lines=$(wc -l < ref.csv)
# The 4000 x 3000 picture is reduced to 1154 x 865 pixels, one line each, and a header.
[ "$ref_lines" -eq $((1154 * 865 + 1)) ] || { echo "error: ref.csv has $ref_lines lines"; exit 1; }

failures=0
declare -A whole out_of_memory
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# run JOB LIMIT_MB OUTPUT REFERENCE CLI-ARGS...
run() {
    local job="$1" limit="$2" output="$3" reference="$4"
    shift 4
    rm -rf out && mkdir out
    local status=0
    ( ulimit -v $((limit * 1024)); exec "$cli" "$@" ) >out.stdout 2>out.stderr || status=$?
    local what="$job at $limit MB:"
    if [ "$status" -eq 0 ]; then
        if [ ! -f "out/$output" ]; then
            fail "$what exit 0 without $output"
        elif [ "$output" = sheet.csv ] && [ "$(wc -l < out/sheet.csv)" -ne "$ref_lines" ]; then
            fail "$what exit 0 with $(wc -l < out/sheet.csv) of $ref_lines lines"
        elif ! cmp -s "out/$output" "$reference"; then
            fail "$what exit 0 with a result that differs from the one without a limit"
        else
            whole[$job]=$((${whole[$job]:-0} + 1))
        fi
    elif [ "$status" -eq 1 ] && grep -q "not enough memory" out.stderr; then
        if [ -n "$(ls -A out)" ]; then
            fail "$what out of memory, but left $(ls -A out | tr '\n' ' ')"
        else
            out_of_memory[$job]=$((${out_of_memory[$job]:-0} + 1))
        fi
    else
        fail "$what exit $status: $(head -c 300 out.stderr | tr '\n' ' ')"
    fi
}

for ((limit = first; limit <= last; limit += step)); do
    run to-sheet "$limit" sheet.csv ref.csv to-sheet big.png out/sheet.csv
    run to-image-csv "$limit" picture.png ref.png to-image ref.csv out/picture.png
    run to-image-xlsx "$limit" picture.png ref.png to-image ref.xlsx out/picture.png
done

# The limits must reach from too little to enough for every job, or the sweep proves
# nothing about either side.
for job in to-sheet to-image-csv to-image-xlsx; do
    echo "$job: ${whole[$job]:-0} whole results, ${out_of_memory[$job]:-0} refusals for lack of memory"
    [ "${whole[$job]:-0}" -gt 0 ] || fail "$job never succeeded between $first and $last MB"
    [ "${out_of_memory[$job]:-0}" -gt 0 ] || fail "$job never ran out of memory between $first and $last MB"
done
[ "$failures" -eq 0 ] && echo "memory sweep: $failures failures" || { echo "memory sweep: $failures failures"; exit 1; }
