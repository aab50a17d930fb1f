#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The live loop on a real window: the program is opened on a sheet ("Open with", which
# draws it), then the sheet is rewritten on disk as a spreadsheet program saves it, once by
# renaming a new file over it and once in place. Each time the preview must show the new
# picture within three seconds, without a click. Screenshots before and after.
#
#   run_live.sh TESSARINE GEOMETRY_HELPER OUTPUT_DIR
#
# Exit status 0: passed; 1: failed; 77: skipped (no X server or tools).
set -uo pipefail

app="$(realpath "${1:?path of the tessarine program}")"
helper="${2:?path of e2e_geometry}"
out="${3:?folder for the screenshots}"

source "$(dirname "${BASH_SOURCE[0]}")/display.sh"

log() { echo "live: $*"; }
skip() { echo "SKIP: $*"; exit 77; }
shot() { import -display "$DISPLAY" -window root "$out/$1.png" 2>/dev/null || log "no screenshot $1"; }
fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    [ -f "$work/app.log" ] && tail -n 20 "$work/app.log" >&2
    exit 1
}

for tool in Xvfb xdotool import convert awk timeout; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
rm -rf "$out"
mkdir -p "$out"

start_display || skip "$display_failure"
plain_desktop
export XDG_CONFIG_HOME="$work/config"

read -r _ vx vy < <(timeout 30 "$helper" imageView | grep '^imageView ') || fail "geometry helper failed"

sheet_of() { # r g b: a 4 x 3 sheet of one colour
    echo "x,y,r,g,b"
    for y in 0 1 2; do for x in 0 1 2 3; do echo "$x,$y,$1,$2,$3"; done; done
}
# The colour in the middle of the preview, as #RRGGBB.
preview_colour() {
    import -window "$win" "$work/window.png" 2>/dev/null || return
    convert "$work/window.png" -crop "1x1+$vx+$vy" -depth 8 txt:- | awk 'NR == 2 { print $3 }'
}
wait_colour() { # expected, what was done
    for _ in $(seq 30); do
        [ "$(preview_colour)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the preview does not show $1 within 3 s after $2 (shows $(preview_colour))"
}

mkdir -p "$work/folder"
sheet_of 200 30 30 >"$work/folder/lesson.csv"
(cd "$work/folder" && exec "$app" lesson.csv) >>"$work/app.log" 2>&1 &
app_pid=$!
win=""
for _ in $(seq 200); do
    win="$(xdotool search --onlyvisible --name '^Tessarine$' 2>/dev/null | head -n 1)"
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || fail "the window did not appear"
wait_colour "#C81E1E" "opening lesson.csv"
shot "01-opened-and-drawn"

# A spreadsheet program's atomic save: a new file renamed over the old one.
sheet_of 30 30 200 >"$work/folder/.~lesson.tmp"
mv -f "$work/folder/.~lesson.tmp" "$work/folder/lesson.csv"
wait_colour "#1E1EC8" "a save by renaming over the file"
shot "02-redrawn-after-rename"

# And one that truncates and writes in place.
sheet_of 30 200 30 >"$work/folder/lesson.csv"
wait_colour "#1EC81E" "a save in place"
shot "03-redrawn-after-in-place-save"

kill -0 "$app_pid" 2>/dev/null || fail "the program is gone"
log "passed; screenshots in $out"
exit 0
