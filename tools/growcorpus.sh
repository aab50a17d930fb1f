#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Grows the fuzz corpora kept in tests/fuzz/: runs each target for SECONDS (in parallel,
# on copies), then merges what they found back, minimised (libFuzzer's -merge=1: only
# inputs that reach something new are kept). A crash found on the way is kept in
# build-fuzz/crashes and fails the script. ./test --fuzz starts from these corpora.
#   tools/growcorpus.sh SECONDS
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
seconds="${1:?usage: tools/growcorpus.sh SECONDS}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARINE_FUZZ=ON -DTESSARINE_BUILD_TESTS=OFF -DTESSARINE_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_sheetreader fuzz_imagerecords fuzz_workbookreader
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p build-fuzz/crashes
targets=(fuzz_sheetreader:corpus_sheet fuzz_imagerecords:corpus_image fuzz_workbookreader:corpus_workbook)
options() {
    case "$1" in
        fuzz_sheetreader) echo "-dict=tests/fuzz/sheet.dict" ;;
        fuzz_imagerecords) echo "-close_fd_mask=2" ;;
    esac
}
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
pids=()
for pair in "${targets[@]}"; do
    target="${pair%%:*}" corpus="${pair#*:}"
    cp -r "tests/fuzz/$corpus" "$scratch/$corpus"
    # shellcheck disable=SC2046
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" $(options "$target") \
        "$scratch/$corpus" >"build-fuzz/$target-grow.log" 2>&1 &
    pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
for pair in "${targets[@]}"; do
    target="${pair%%:*}" corpus="${pair#*:}"
    mkdir "$scratch/$corpus-merged"
    # shellcheck disable=SC2046
    ASAN_OPTIONS=detect_leaks=0 "build-fuzz/tests/fuzz/$target" -merge=1 $(options "$target") \
        "$scratch/$corpus-merged" "$scratch/$corpus" >/dev/null 2>&1
    rm -rf "tests/fuzz/$corpus"
    mv "$scratch/$corpus-merged" "tests/fuzz/$corpus"
    echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$target-grow.log" | tail -n 1) executions;" \
         "corpus $(ls "tests/fuzz/$corpus" | wc -l) files, $(du -sh "tests/fuzz/$corpus" | cut -f1)"
done
[ "$failed" -eq 0 ] || { echo "error: a target crashed; see build-fuzz/crashes" >&2; exit 1; }
