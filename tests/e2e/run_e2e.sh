#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window, end to end: starts a virtual X display, runs the real program on it with
# the toolkit's own widget file dialogs, and drives it with the mouse and the keyboard as a
# person would. Loads an image, turns it into a sheet, switches to HSV, saves the sheet,
# loads it back, draws it and saves the picture, once with the mouse and once with the
# keyboard alone; then checks the files written, and takes a screenshot after every step.
# Last, a program started with an 8 x 8 sheet on its command line ("Open with") draws it,
# and its preview must show sharp blocks.
#
#   run_e2e.sh TESSARINE GEOMETRY_HELPER UI_DIR OUTPUT_DIR
#
# Exit status 0: passed; 1: failed; 77: skipped (no X server or tools to drive it).
set -uo pipefail

app="${1:?path of the tessarine program}"
helper="${2:?path of e2e_geometry}"
ui_dir="${3:?the source folder src/ui}"
out="${4:?folder for the screenshots}"

SKIP=77
source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
shot_number=0

log() { echo "e2e: $*"; }

skip() {
    echo "SKIP: $*"
    exit "$SKIP"
}

shot() {
    local file
    file="$(printf '%s/%02d-%s.png' "$out" "$shot_number" "$1")"
    shot_number=$((shot_number + 1))
    import -display "$DISPLAY" -window root "$file" 2>/dev/null || log "could not take screenshot $file"
}

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && shot "failure"
    [ -f "$work/app.log" ] && { echo "--- program output" >&2; tail -n 40 "$work/app.log" >&2; }
    exit 1
}

for tool in Xvfb xdotool import convert xwd awk md5sum timeout; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (Debian: xvfb xdotool imagemagick x11-apps)"
done
[ -x "$app" ] || fail "no program at $app"
[ -x "$helper" ] || fail "no geometry helper at $helper"

rm -rf "$out"
mkdir -p "$out"

# --- A display of our own.
start_display || skip "$display_failure"
log "display $DISPLAY"

# The toolkit's own dialogs, on the X11 platform, no desktop theme.
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME=
export XDG_RUNTIME_DIR="$work/runtime"
# No session bus: nothing is started on the desktop's bus, and none is launched for us.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# --- The working folder and a 40 x 30 source image of known colours.
mkdir -p "$work/folder"
cp "$ui_dir/icon.ico" "$ui_dir/sample/test.jpg" "$work/folder/"
colour() { # x y -> "r g b"
    echo "$(( ($1 * 37 + $2 * 11) % 256 )) $(( ($2 * 53 + 7) % 256 )) $(( ($1 * $2 * 3 + 11) % 256 ))"
}
{
    echo "P3"
    echo "40 30"
    echo "255"
    for y in $(seq 0 29); do
        for x in $(seq 0 39); do colour "$x" "$y"; done
    done
} >"$work/source.ppm"
convert "$work/source.ppm" -depth 8 "PNG24:$work/folder/source.png" || fail "could not make the source image"

# --- Where the buttons are, in window coordinates.
buttons=(loadImage imageToSpreadsheet HSVButton saveSheet loadSpreadsheet spreadsheetToImage saveImage imageView)
timeout 30 "$helper" "${buttons[@]}" >"$work/geometry" 2>"$work/geometry.log" \
    || fail "geometry helper failed: $(cat "$work/geometry.log")"
declare -A at
while read -r name x y; do at[$name]="$x $y"; done <"$work/geometry"
[ "${at[window]}" = "864 609" ] || fail "unexpected window size: ${at[window]:-none}"
log "buttons: $(tr '\n' ';' <"$work/geometry")"

# --- Start the program, with the arguments given; and end it.
start_program() {
    (cd "$work/folder" && exec "$app" "$@") >>"$work/app.log" 2>&1 &
    app_pid=$!
    win=""
    for _ in $(seq 200); do
        win="$(xdotool search --onlyvisible --name '^Tessarine$' 2>/dev/null | head -n 1)"
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || fail "the window did not appear"
    log "window $win"
}

# The next program's window must not be mistaken for this one's, which the X server may
# still list for a moment (and whose id it may hand out again).
stop_program() {
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=""
    wait_gone 'Tessarine$' || fail "the window stayed after the program ended"
}

start_program

window_sum() { xwd -silent -id "$win" 2>/dev/null | md5sum; }

# Waits until a visible window whose title starts with $1 exists; prints its id. Polled
# rather than xdotool's --sync: a search gives up at once when another window vanishes
# while it looks (the file dialog closing just before the warning box opens).
wait_window() {
    local id
    for _ in $(seq 150); do
        id="$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 0
}

# Waits until no visible window's title starts with $1.
wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

alive() { kill -0 "$app_pid" 2>/dev/null || fail "the program is gone (exit: $(wait "$app_pid"; echo $?))"; }

click() { # button name
    alive
    local x y
    read -r x y <<<"${at[$1]}"
    xdotool mousemove --sync --window "$win" "$x" "$y" click 1
}

# Clicks a button that changes the window and waits until it looks different.
click_and_wait_change() {
    local before
    before="$(window_sum)"
    click "$1"
    for _ in $(seq 100); do
        [ "$(window_sum)" != "$before" ] && return 0
        sleep 0.1
    done
    fail "the window did not change after clicking $1"
}

# In the file dialog titled $1: type the full path into the file name field over the name
# the dialog suggests, press Return.
answer_dialog() {
    local title="$1" path="$2" dialog
    dialog="$(wait_window "$title")"
    [ -n "$dialog" ] || fail "no '$title' dialog appeared"
    xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
    xdotool key ctrl+a
    xdotool type --delay 5 -- "$path"
    shot "$3-typed"
    # A completion list may take the first Return; the dialog must close by the third.
    for _ in 1 2 3; do
        xdotool key Return
        wait_gone "$title" && return 0
    done
    fail "the '$title' dialog did not accept $path"
}

wait_file() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}

no_warning() {
    if xdotool search --onlyvisible --name '^(Warning|Failed loading|Invalid Sheet|Max Size)' >/dev/null 2>&1; then
        shot "unexpected-warning"
        fail "a warning box appeared after $1"
    fi
}

shot "start"

# Cancelling the sheet dialog: the warning box, closed with Return.
click loadSpreadsheet
dialog="$(wait_window 'Open Image')"
[ -n "$dialog" ] || fail "no file dialog for Load Sheet"
xdotool windowfocus "$dialog" 2>/dev/null
xdotool key Escape
wait_gone 'Open Image' || fail "the dialog did not close on Escape"
box="$(wait_window 'Failed loading')"
[ -n "$box" ] || fail "no warning after cancelling"
shot "cancel-warning"
xdotool windowfocus "$box" 2>/dev/null
xdotool key Return
wait_gone 'Failed loading' || fail "the warning box did not close on Return"

click loadImage
answer_dialog 'Open Image' "$work/folder/source.png" load-image
no_warning "Load Image"
sleep 0.3
shot "image-loaded"

click_and_wait_change imageToSpreadsheet
no_warning "Image to Spreadsheet"
shot "image-to-sheet"

click_and_wait_change HSVButton
shot "hsv-mode"

click saveSheet
answer_dialog 'Save Image' "$work/folder/pixels.csv" save-sheet
wait_file "$work/folder/pixels.csv"
no_warning "Save Sheet"
sleep 0.3
shot "sheet-saved"

click loadSpreadsheet
answer_dialog 'Open Image' "$work/folder/pixels.csv" load-sheet
no_warning "Load Sheet"
sleep 0.3
shot "sheet-loaded"

click_and_wait_change spreadsheetToImage
no_warning "Spreadsheet to Image"
shot "sheet-to-image"

click saveImage
answer_dialog 'Save Image' "$work/folder/result.png" save-image
wait_file "$work/folder/result.png"
no_warning "Save Image"
sleep 0.3
shot "image-saved"
alive

# --- The sheet: HSV header, one line per pixel, values of the source's colours.
check_sheet() {
local sheet="$1"
[ "$(head -n 1 "$sheet")" = "x,y,h,s,v" ] || fail "sheet header is '$(head -n 1 "$sheet")'"
lines="$(wc -l <"$sheet")"
[ "$lines" -eq 1201 ] || fail "sheet has $lines lines, not 1201"
awk -F, 'NR > 1 {
    x = $1; y = $2
    r = (x * 37 + y * 11) % 256; g = (y * 53 + 7) % 256; b = (x * y * 3 + 11) % 256
    mx = r; if (g > mx) mx = g; if (b > mx) mx = b
    mn = r; if (g < mn) mn = g; if (b < mn) mn = b
    d = mx - mn
    v = mx; s = mx == 0 ? 0 : 255 * d / mx
    if (d == 0) h = -1
    else if (mx == r) h = 60 * (g - b) / d
    else if (mx == g) h = 120 + 60 * (b - r) / d
    else h = 240 + 60 * (r - g) / d
    if (h < 0 && d != 0) h += 360
    dh = $3 - h; if (dh < 0) dh = -dh; if (dh > 180) dh = 360 - dh
    ds = $4 - s; if (ds < 0) ds = -ds
    if ($5 != v || ds > 1 || dh > 1 || ((d == 0) != ($3 == -1))) { bad++; if (bad < 5) print "sheet line " NR ": " $0 " expected about " h "," s "," v }
    seen[x "," y]++
}
END { if (length(seen) != 1200) { print "pixels named: " length(seen); bad++ } exit bad > 0 }' "$sheet" \
    || fail "the sheet's HSV values in $sheet do not match the source image"
}

# --- The picture: every pixel the source's colour, within the HSV round trip: whole
# degrees of hue (truncated) move a channel by up to 255/60 = 4.25, the whole-number
# saturation and the rounding on the way back by less than one more; so at most 5.
check_picture() {
local picture="$1"
convert "$picture" -depth 8 txt:- >"$work/result.txt" || fail "$picture cannot be read"
head -n 1 "$work/result.txt" | grep -q '^# ImageMagick pixel enumeration: 40,30,' \
    || fail "$picture is not 40 x 30: $(head -n 1 "$work/result.txt")"
awk 'NR > 1 {
    split($1, p, /[,:]/); x = p[1]; y = p[2]
    s = $2; gsub(/[()]/, "", s); split(s, c, ",")
    r = (x * 37 + y * 11) % 256; g = (y * 53 + 7) % 256; b = (x * y * 3 + 11) % 256
    e = c[1] - r; if (e < 0) e = -e; if (e > worst) worst = e
    e = c[2] - g; if (e < 0) e = -e; if (e > worst) worst = e
    e = c[3] - b; if (e < 0) e = -e; if (e > worst) worst = e
    if (4 in c && c[4] != 255) opaque++
    n++
}
END { print "'"$picture"': " n " pixels, largest channel difference " worst ", not opaque " opaque + 0
      exit !(n == 1200 && worst <= 5 && opaque + 0 == 0) }' "$work/result.txt" \
    || fail "$picture does not match the source image"
}

check_sheet "$work/folder/pixels.csv"
check_picture "$work/folder/result.png"
alive
stop_program

# --- The same road with the keyboard alone: shortcuts, Tab, the arrows, Space, Return,
# in a fresh program. Focus is handed back to the window between steps as a window
# manager would (there is none on this display); the mouse is not touched.
key() { # keys...
    alive
    xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
    xdotool key --delay 40 "$@"
}

# A pressed button repaints before the work behind it is shown, so after the first change
# the window must also hold still for a moment before a screenshot shows the outcome.
key_and_wait_change() {
    local before now
    before="$(window_sum)"
    key "$@"
    for _ in $(seq 100); do
        now="$(window_sum)"
        if [ "$now" != "$before" ]; then
            for _ in $(seq 50); do
                sleep 0.3
                before="$now"
                now="$(window_sum)"
                [ "$now" = "$before" ] && return 0
            done
            return 0
        fi
        sleep 0.1
    done
    fail "the window did not change after the keys $*"
}

start_program
mouse_before="$(xdotool getmouselocation)"

key ctrl+o
answer_dialog 'Open Image' "$work/folder/source.png" kb-load-image
no_warning "Load Image (keyboard)"
sleep 0.3
shot "kb-image-loaded"

# From Load Image, Tab passes the Excel2002 box (disabled for so small a picture) and
# reaches Image to Spreadsheet.
key_and_wait_change Tab space
no_warning "Image to Spreadsheet (keyboard)"
shot "kb-image-to-sheet"

# Tab reaches the selected mode button; the arrow selects the other.
key_and_wait_change Tab Down
shot "kb-hsv-mode"

# Tab on to Save Sheet; the name is typed without a suffix, the dialog adds .csv.
key Tab space
answer_dialog 'Save Image' "$work/folder/kbpixels" kb-save-sheet
wait_file "$work/folder/kbpixels.csv"
no_warning "Save Sheet (keyboard)"
sleep 0.3
shot "kb-sheet-saved"

key ctrl+shift+o
answer_dialog 'Open Image' "$work/folder/kbpixels.csv" kb-load-sheet
no_warning "Load Sheet (keyboard)"
sleep 0.3
shot "kb-sheet-loaded"

key_and_wait_change ctrl+Left
no_warning "Spreadsheet to Image (keyboard)"
shot "kb-sheet-to-image"

# Png is the type shown first: a name without a suffix becomes a PNG file.
key ctrl+shift+s
answer_dialog 'Save Image' "$work/folder/kbresult" kb-save-image
wait_file "$work/folder/kbresult.png"
no_warning "Save Image (keyboard)"
sleep 0.3
shot "kb-image-saved"
[ "$(xdotool getmouselocation)" = "$mouse_before" ] || fail "the mouse moved during the keyboard run"
[ -e "$work/folder/kbpixels" ] && fail "the sheet was also written without its suffix"
check_sheet "$work/folder/kbpixels.csv"
check_picture "$work/folder/kbresult.png"
alive
stop_program

# --- Open with: an 8 x 8 sheet named on the command line, drawn. In the preview every
# pixel must be a sharp block: the preview holds the sheet's three colours and no blend.
{
    echo "x,y,r,g,b"
    for y in $(seq 0 7); do
        for x in $(seq 0 7); do
            if { [ "$y" -eq 2 ] && { [ "$x" -eq 2 ] || [ "$x" -eq 5 ]; }; } \
                || { [ "$y" -eq 5 ] && [ "$x" -ge 2 ] && [ "$x" -le 5 ]; } \
                || { [ "$y" -eq 4 ] && { [ "$x" -eq 1 ] || [ "$x" -eq 6 ]; }; }; then
                echo "$x,$y,20,20,20"   # eyes and smile
            elif [ $(( (2 * x - 7) * (2 * x - 7) + (2 * y - 7) * (2 * y - 7) )) -le 72 ]; then
                echo "$x,$y,250,210,0"  # the face
            else
                echo "$x,$y,90,160,250" # the background
            fi
        done
    done
} >"$work/folder/smiley.csv"
start_program "$work/folder/smiley.csv"
sleep 0.5
no_warning "Open with smiley.csv"
# Open with draws the sheet by itself; Spreadsheet to Image draws the same picture again.
key ctrl+Left
sleep 0.5
no_warning "Spreadsheet to Image of smiley.csv"
shot "smiley-drawn"
import -window "$win" "$work/window.png" 2>/dev/null || fail "could not grab the window"
read -r vx vy <<<"${at[imageView]}"
# The preview is 256 x 181 and the helper names its centre, (127, 90) inside it; the square
# picture fills the 181 x 181 square in its middle, from x = 37 on.
convert "$work/window.png" -crop "181x181+$((vx - 127 + 37))+$((vy - 90))" +repage "$out/smiley-preview.png" \
    || fail "could not cut the preview out of the window"
colours="$(convert "$out/smiley-preview.png" -unique-colors -depth 8 txt:- | awk 'NR > 1 { print $3 }' | sort | tr '\n' ' ')"
log "preview colours: $colours"
[ "$colours" = "#141414 #5AA0FA #FAD200 " ] \
    || fail "the preview of the 8 x 8 sheet is not made of its three colours alone (smoothed?): $colours"

# --- A 4000 x 3000 photo: the panel announces the rows written, with the box off and on,
# and the status bar says how the picture was reduced (screenshots to look at).
convert -size 4000x3000 xc:'#3070c0' "PNG24:$work/folder/big.png" || fail "could not make the big picture"
key ctrl+o
answer_dialog 'Open Image' "$work/folder/big.png" big-load-image
# The smiley drawn is not saved: loading over it asks first; Save (the default) saves it,
# then the picture is loaded.
box="$(wait_window '^Unsaved work$')"
[ -n "$box" ] || fail "loading over the unsaved drawing did not ask"
shot load-question
xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
xdotool key Return
answer_dialog 'Save Image' "$work/folder/smiley-kept.png" smiley-kept
# The save runs beside the window; the load follows once it is done.
for _ in $(seq 50); do [ -s "$work/folder/smiley-kept.png" ] && break; sleep 0.1; done
[ -s "$work/folder/smiley-kept.png" ] || fail "the drawing was not saved before the load"
no_warning "Load Image of the big picture"
sleep 0.5
shot "big-loaded"
key_and_wait_change ctrl+e
shot "big-excel2002-ticked"
key_and_wait_change ctrl+e
key ctrl+Right
box="$(wait_window 'Max Size Reached')"
[ -n "$box" ] || fail "no Max Size Reached box for the big picture"
xdotool windowfocus "$box" 2>/dev/null
xdotool key Return
wait_gone 'Max Size Reached' || fail "the Max Size Reached box did not close on Return"
sleep 0.5
shot "big-reduced"
alive
stop_program

log "passed; screenshots in $out"
exit 0
