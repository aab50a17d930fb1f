# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that run the real program on a virtual X display: a folder of
# their own, the display, and the clean-up of both and of the program they started.
# Source it; it sets work, app_pid and xvfb_pid and traps EXIT.

work="$(mktemp -d)"
app_pid=""
xvfb_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a display with a screen of SIZE (default 1024x768) on a number Xvfb picks itself,
# and exports DISPLAY. False, with the reason in display_failure, when it cannot be had.
# -noreset: by default the server resets when its last client leaves (a helper, a program
# that ended) and refuses connections meanwhile, so the next start can fail.
start_display() { # [SIZE]
    stop_display
    rm -f "$work/display"
    Xvfb -displayfd 5 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        display_failure="Xvfb could not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$work/display")"
    if ! xdotool getmouselocation >/dev/null 2>&1; then
        display_failure="cannot talk to the X server on $DISPLAY"
        return 1
    fi
}

stop_display() {
    [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
    xvfb_pid=""
}

# The toolkit on X11, without a desktop's theme or session bus.
plain_desktop() {
    export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= XDG_RUNTIME_DIR="$work/runtime"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}
