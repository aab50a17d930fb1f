#!/usr/bin/env bash
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

work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

for tool in Xvfb xdotool import md5sum; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb could not start"; exit 77; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=
export XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$out" "$work/folder"
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
