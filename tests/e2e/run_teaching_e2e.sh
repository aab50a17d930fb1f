#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a lesson uses it, on virtual X displays: the pixel viewer opened with a
# double-click on the preview and zoomed with the keyboard (1x, 8x with its grid, 64x); the
# focus ring at start; and the window on small screens with a large scale factor, where it
# must fit the screen. Screenshots of each go to the output folder.
#
#   run_teaching_e2e.sh TESSARINE GEOMETRY_HELPER OUTPUT_DIR
#
# Exit status 0: passed; 1: failed; 77: skipped (no X server or tools to drive it).
set -uo pipefail

app="${1:?path of the tessarine program}"
helper="${2:?path of e2e_geometry}"
out="${3:?folder for the screenshots}"

SKIP=77
source "$(dirname "${BASH_SOURCE[0]}")/display.sh"

log() { echo "e2e-teaching: $*"; }
skip() { echo "SKIP: $*"; exit "$SKIP"; }

shot() { # name [window]
    import -display "$DISPLAY" -window "${2:-root}" "$out/$1.png" 2>/dev/null || log "could not take screenshot $1"
}

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && shot "failure"
    [ -f "$work/app.log" ] && { echo "--- program output" >&2; tail -n 20 "$work/app.log" >&2; }
    exit 1
}

for tool in Xvfb xdotool import convert timeout; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (Debian: xvfb xdotool imagemagick)"
done
[ -x "$app" ] || fail "no program at $app"
rm -rf "$out"
mkdir -p "$out"

plain_desktop

# A display of the given size of our own; Xvfb picks a free number.
use_display() { # WIDTHxHEIGHT
    start_display "$1" || skip "$display_failure"
    log "display $DISPLAY at $1"
}

wait_window() { # title regex -> id
    local id
    for _ in $(seq 150); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 0
}

start_program() { # arguments...
    (cd "$work" && exec "$app" "$@") >>"$work/app.log" 2>&1 &
    app_pid=$!
    win="$(wait_window '^Tessarine$')"
    [ -n "$win" ] || fail "the window did not appear"
    sleep 0.5
}

stop_program() {
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

key() { # window keys...
    local target="$1"
    shift
    xdotool windowfocus --sync "$target" 2>/dev/null || xdotool windowfocus "$target"
    xdotool key --delay 60 "$@"
}

# --- A 16 x 16 smiley, as a teacher's pixel-art lesson has it.
convert -size 16x16 xc:'#5aa0fa' -fill '#fad200' -draw 'circle 7.5,7.5 7.5,1' \
    -fill '#141414' -draw 'point 5,5' -draw 'point 10,5' -draw 'line 5,11 10,11' \
    "PNG24:$work/smiley.png" || fail "could not make the picture"

# --- The viewer, on a screen of ordinary size.
use_display 1024x768
timeout 30 "$helper" imageView loadImage >"$work/geometry" 2>"$work/geometry.log" \
    || fail "geometry helper failed: $(cat "$work/geometry.log")"
declare -A at
while read -r name x y; do at[$name]="$x $y"; done <"$work/geometry"

start_program
# Focus is shown in the active window; with no window manager, the test makes it active.
xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
sleep 0.3
shot focus-ring-window "$win"
read -r lx ly <<<"${at[loadImage]}"
import -window "$win" "$work/start.png" 2>/dev/null
convert "$work/start.png" -crop "140x44+$((lx - 70))+$((ly - 22))" +repage -scale 300% "$out/focus-ring.png"
stop_program

start_program "$work/smiley.png"
shot preview-square "$win"
read -r vx vy <<<"${at[imageView]}"
xdotool mousemove --sync --window "$win" "$vx" "$vy" click --repeat 2 --delay 80 1
viewer="$(wait_window '^Pixels of smiley.png')"
[ -n "$viewer" ] || fail "a double-click on the preview did not open the viewer"
sleep 0.5
shot viewer-fit "$viewer"
# The mouse away, so that the keys zoom around the highlighted pixel, not the pointer.
xdotool mousemove 1020 760
# 1:1, then + five times (2, 3, 4, 6, 8), then six more (12, 16, 24, 32, 48, 64).
key "$viewer" 1 Right Right Down
sleep 0.3
xdotool search --name '^Pixels of smiley.png .* 1×$' >/dev/null 2>&1 || fail "1 did not show the picture 1:1"
shot viewer-1x "$viewer"
key "$viewer" plus plus plus plus plus
sleep 0.3
xdotool search --name '^Pixels of smiley.png .* 8×$' >/dev/null 2>&1 || fail "+ did not reach 8x"
shot viewer-8x-grid "$viewer"
key "$viewer" plus plus plus plus plus plus plus
sleep 0.3
xdotool search --name '^Pixels of smiley.png .* 64×$' >/dev/null 2>&1 || fail "+ did not stop at 64x"
shot viewer-64x "$viewer"

# Ctrl+Q quits, also from the viewer, when nothing is unsaved.
key "$viewer" ctrl+q
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "Ctrl+Q did not quit"
wait "$app_pid" 2>/dev/null
app_pid=""

# With a conversion not saved, closing asks; Cancel keeps the program running.
start_program "$work/smiley.png"
key "$win" ctrl+Right
sleep 0.5
# Back from Load Image to the table, last in the order: its ring.
key "$win" shift+Tab
sleep 0.3
shot focus-ring-table "$win"
key "$win" ctrl+q
box="$(wait_window '^Unsaved work$')"
[ -n "$box" ] || fail "closing with an unsaved conversion did not ask"
shot close-question
key "$box" Escape
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "the program ended although the question was cancelled"
xdotool search --onlyvisible --name '^Tessarine$' >/dev/null 2>&1 || fail "the window closed on Cancel"
stop_program
stop_display

# --- Small screens with a large scale factor: the window must fit the screen.
check_fits() { # screen scale name
    use_display "$1"
    QT_SCALE_FACTOR="$2" start_program "$work/smiley.png"
    local geometry w h sw sh
    geometry="$(xdotool getwindowgeometry "$win")"
    read -r w h <<<"$(echo "$geometry" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')"
    sw="${1%x*}"
    sh="${1#*x}"
    log "screen $1 at $2: window ${w}x${h}"
    shot "$3"
    [ "$w" -le "$sw" ] && [ "$h" -le "$sh" ] || fail "at scale $2 the window (${w}x${h}) does not fit the screen $1"
    # Where it fits, nothing changes: the fixed size, no scroll bar.
    if [ "$2" = 1 ]; then [ "$w" = 864 ] && [ "$h" = 609 ] || fail "on a large screen the window is ${w}x${h}"; fi
    stop_program
}
check_fits 1280x900 2 small-screen-scale-2
check_fits 1280x900 1.5 small-screen-scale-1.5
check_fits 1366x768 1.25 laptop-1366x768-scale-1.25
check_fits 1280x900 1 large-screen-unchanged
stop_display

log "passed; screenshots in $out"
exit 0
