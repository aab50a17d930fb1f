#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file that lacks it: "//" in C++,
# "#" in scripts and CMake files (after a "#!" line). Run it again after adding files;
# files that have the line already are left as they are.
#   tools/licenceheaders.sh [--check]   (--check: list the files without it, exit 1 if any)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
spdx="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
[ "${1:-}" = --check ] && check=true

sources() {
    git ls-files -- src tests bench tools data CMakeLists.txt run test \
        | grep -E '\.(cpp|h|sh|py|cmake)$|(^|/)CMakeLists\.txt$|^(run|test)$' \
        | grep -vE '^tests/(fuzz/corpus_|data/)'
}

missing=0
while IFS= read -r file; do
    head -n 3 "$file" | grep -q "$spdx" && continue
    missing=$((missing + 1))
    if $check; then
        echo "$file"
        continue
    fi
    case "$file" in
        *.cpp | *.h) line="// $spdx" ;;
        *) line="# $spdx" ;;
    esac
    if head -n 1 "$file" | grep -q '^#!'; then
        sed -i "1a $line" "$file"
    else
        sed -i "1i $line" "$file"
    fi
done < <(sources)
if $check && [ "$missing" -gt 0 ]; then
    echo "$missing files without the licence line" >&2
    exit 1
fi
