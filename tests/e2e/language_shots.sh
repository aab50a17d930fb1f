#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window in the user's language, on a virtual X display: started once in English and
# once in each translation from a folder of its own, with a picture to open as a file
# manager's "Open with" passes it (so that the status texts of a loaded picture show too),
# photographed, and checked to look different from English.
#
#   language_shots.sh TESSARINE OUTPUT_DIR PICTURE [LANGUAGE...]   (default: de)
#
# Exit status 0: passed; 1: failed; 77: skipped (no X server or tools).
set -uo pipefail

app="$(realpath "${1:?path of the tessarine program}")"
out="$(realpath -m "${2:?folder for the screenshots}")"
picture="$(realpath "${3:?a picture to open}")"
shift 3
languages=("${@:-de}")

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"

for tool in Xvfb xdotool import md5sum; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

start_display || { echo "SKIP: $display_failure"; exit 77; }
plain_desktop
mkdir -p "$out" "$work/folder"
cd "$work/folder" || exit 1
cp "$picture" .
picture="$(basename "$picture")"

# Photographs the window started with LANGUAGE=$1 into $out/window-$1.png.
shoot() {
    LANGUAGE="$1" "$app" "$picture" >"$work/app.log" 2>&1 &
    app_pid=$!
    local window
    window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessarine$' | head -n 1)"
    [ -n "$window" ] || { echo "FAIL: no window in $1: $(tail -n 3 "$work/app.log")" >&2; return 1; }
    sleep 1
    import -display "$DISPLAY" -window "$window" "$out/window-$1.png" || return 1
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

shoot en || exit 1
english="$(md5sum <"$out/window-en.png")"
for language in "${languages[@]}"; do
    shoot "$language" || exit 1
    if [ "$(md5sum <"$out/window-$language.png")" = "$english" ]; then
        echo "FAIL: the window looks the same in $language as in English" >&2
        exit 1
    fi
    echo "window in $language: $out/window-$language.png"
done
