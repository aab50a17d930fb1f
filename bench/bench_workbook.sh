#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures for a million-record workbook (a 1000 x 1000 picture): writing an
# .xlsx and reading it with this program, beside openpyxl (write-only and read-only
# modes), LibreOffice's own conversion of the CSV sheet, and this program's CSV.
#   bench/bench_workbook.sh [RUNS]
# Builds in Release in build-bench/. The in-process figures come from bench_workbook.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-3}"
build="$here/build-bench"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARINE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_workbook >/dev/null
bench="$build/bench/bench_workbook"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Best wall-clock seconds and the largest peak resident memory (MB) of RUNS runs.
measure() {
    local n="$1"; shift
    local best="" peak=0 line wall kb
    for _ in $(seq "$n"); do
        /usr/bin/time -o "$work/time" -f '%e %M' "$@" >/dev/null 2>&1
        read -r wall kb <"$work/time"
        if [ -z "$best" ] || [ "$(echo "$wall < $best" | bc)" = 1 ]; then best="$wall"; fi
        [ "$kb" -gt "$peak" ] && peak="$kb"
    done
    printf '%8.2f s %8.1f MB' "$best" "$(echo "scale=1; $peak / 1024" | bc)"
}

"$bench" write-csv "$work/sheet.csv" >/dev/null
"$bench" write-xlsx "$work/sheet.xlsx" >/dev/null

cat >"$work/openpyxl_write.py" <<'PY'
import random, sys
from openpyxl import Workbook
random.seed(2024)
wb = Workbook(write_only=True)
ws = wb.create_sheet()
ws.append(["x", "y", "r", "g", "b"])
for x in range(1000):
    for y in range(1000):
        ws.append([x, y, random.randrange(256), random.randrange(256), random.randrange(256)])
wb.save(sys.argv[1])
PY
cat >"$work/openpyxl_read.py" <<'PY'
import sys
from openpyxl import load_workbook
wb = load_workbook(sys.argv[1], read_only=True)
rows = wb.worksheets[0].iter_rows(values_only=True)
next(rows)
records = [(int(r[0]), int(r[1]), int(r[2]), int(r[3]), int(r[4])) for r in rows]
assert len(records) == 1000000
PY

echo "1,000,000 records; whole process, best of $runs runs (openpyxl and LibreOffice: 1 run)"
printf '%-44s %10s %11s\n' "job" "wall" "peak RSS"
printf '%-44s %s\n' "ours: write .xlsx" "$(measure "$runs" "$bench" write-xlsx "$work/out.xlsx")"
printf '%-44s %s\n' "ours: read .xlsx" "$(measure "$runs" "$bench" read "$work/sheet.xlsx")"
printf '%-44s %s\n' "ours: write .csv" "$(measure "$runs" "$bench" write-csv "$work/out.csv")"
printf '%-44s %s\n' "ours: read .csv" "$(measure "$runs" "$bench" read "$work/sheet.csv")"
# Debian's interpreter, which python3-openpyxl installs into (not one a version manager puts first).
python=/usr/bin/python3
if "$python" -c 'import openpyxl' 2>/dev/null; then
    printf '%-44s %s\n' "openpyxl: write .xlsx (write-only)" "$(measure 1 "$python" "$work/openpyxl_write.py" "$work/py.xlsx")"
    printf '%-44s %s\n' "openpyxl: read our .xlsx (read-only)" "$(measure 1 "$python" "$work/openpyxl_read.py" "$work/sheet.xlsx")"
else
    echo "openpyxl: not installed (python3-openpyxl)"
fi
if command -v soffice >/dev/null 2>&1; then
    printf '%-44s %s\n' "LibreOffice: convert the .csv to .xlsx" \
        "$(measure 1 soffice --headless "-env:UserInstallation=file://$work/profile" --convert-to xlsx --outdir "$work/lo" "$work/sheet.csv")"
else
    echo "LibreOffice: not installed (soffice)"
fi
echo "the records are made in the writing processes too (about 0.05 s)"
echo "goals: write under 2 s, read under 1.5 s, each 10x openpyxl, peak memory under 150 MB"
echo
echo "in-process figures:"
"$bench" "$runs"
