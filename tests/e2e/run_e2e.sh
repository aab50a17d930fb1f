#!/usr/bin/env bash
# The real window, end to end: starts a virtual X display, runs the real program on it with
# the toolkit's own widget file dialogs, and drives it with the mouse and the keyboard as a
# person would. Loads an image, turns it into a sheet, switches to HSV, saves the sheet,
# loads it back, draws it and saves the picture; then checks the files written, and takes
# a screenshot after every step.
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
app_pid=""
xvfb_pid=""
work="$(mktemp -d)"
shot_number=0

log() { echo "e2e: $*"; }

skip() {
    echo "SKIP: $*"
    exit "$SKIP"
}

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

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

# --- A display of our own: Xvfb picks a free number and writes it to the descriptor.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || skip "Xvfb could not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
export DISPLAY=":$(head -n 1 "$work/display")"
xdotool getmouselocation >/dev/null 2>&1 || skip "cannot talk to the X server on $DISPLAY"
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
buttons=(loadImage imageToSpreadsheet HSVButton saveSheet loadSpreadsheet spreadsheetToImage saveImage)
timeout 30 "$helper" "${buttons[@]}" >"$work/geometry" 2>"$work/geometry.log" \
    || fail "geometry helper failed: $(cat "$work/geometry.log")"
declare -A at
while read -r name x y; do at[$name]="$x $y"; done <"$work/geometry"
[ "${at[window]}" = "864 609" ] || fail "unexpected window size: ${at[window]:-none}"
log "buttons: $(tr '\n' ';' <"$work/geometry")"

# --- Start the program.
(cd "$work/folder" && exec "$app") >"$work/app.log" 2>&1 &
app_pid=$!
win="$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessarine$' | head -n 1)"
[ -n "$win" ] || fail "the window did not appear"
log "window $win"

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

# In the file dialog titled $1: type the full path into the file name field, press Return.
answer_dialog() {
    local title="$1" path="$2" dialog
    dialog="$(wait_window "$title")"
    [ -n "$dialog" ] || fail "no '$title' dialog appeared"
    xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
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
sheet="$work/folder/pixels.csv"
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
    || fail "the sheet's HSV values do not match the source image"

# --- The picture: every pixel the source's colour, within the HSV round trip: whole
# degrees of hue (truncated) move a channel by up to 255/60 = 4.25, the whole-number
# saturation and the rounding on the way back by less than one more; so at most 5.
convert "$work/folder/result.png" -depth 8 txt:- >"$work/result.txt" || fail "result.png cannot be read"
head -n 1 "$work/result.txt" | grep -q '^# ImageMagick pixel enumeration: 40,30,' \
    || fail "result.png is not 40 x 30: $(head -n 1 "$work/result.txt")"
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
END { print "result.png: " n " pixels, largest channel difference " worst ", not opaque " opaque + 0
      exit !(n == 1200 && worst <= 5 && opaque + 0 == 0) }' "$work/result.txt" \
    || fail "result.png does not match the source image"

alive
log "passed; screenshots in $out"
exit 0
