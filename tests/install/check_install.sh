#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and checks what a desktop finds there: the
# layout, the menu entry and the AppStream metadata (with the validators distributions
# use), that the converter's manual page lists the options its --help lists, and that the
# installed programs work when started from a folder that holds nothing of theirs. With a
# virtual display at hand, the installed window must also carry its icon.
#
#   check_install.sh CMAKE BUILD_DIR PICTURE SCREENSHOT_DIR
set -uo pipefail

cmake="${1:?cmake}"
build="${2:?build folder}"
picture="${3:?a picture to convert}"
shots="${4:?folder for the screenshot}"
id=org.tessarine.Tessarine

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/display.sh"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

dest="$work/dest"
DESTDIR="$dest" "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }
usr="$dest/usr"

# --- The layout.
for file in bin/tessarine bin/tessarine-cli \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
    share/man/man1/tessarine.1.gz share/man/man1/tessarine-cli.1.gz \
    share/bash-completion/completions/tessarine-cli \
    share/doc/tessarine/copyright share/doc/tessarine/changelog.gz; do
    [ -s "$usr/$file" ] || fail "missing: /usr/$file"
done
for binary in tessarine tessarine-cli; do
    [ -x "$usr/bin/$binary" ] || fail "/usr/bin/$binary is not executable"
done
for size in 16 32 48 64 128 256; do
    file "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x${size} icon is not a $size px PNG"
done

# --- The menu entry and the metadata.
desktop="$usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=tessarine %f' "$desktop" || fail "Exec does not pass the file (%f)"
for type in image/png image/jpeg text/csv application/vnd.openxmlformats-officedocument.spreadsheetml.sheet \
    application/vnd.oasis.opendocument.spreadsheet; do
    grep '^MimeType=' "$desktop" | tr '=;' '\n\n' | grep -qx "$type" || fail "MimeType lacks $type"
done
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<binary>tessarine-cli</binary>" "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo lacks provides"

# --- The installed programs, from a folder of their own.
cli="$usr/bin/tessarine-cli"
mkdir -p "$work/elsewhere"
cp "$picture" "$work/elsewhere/photo.jpg"
cd "$work/elsewhere" || exit 1
export QT_QPA_PLATFORM=offscreen LANGUAGE=en LC_ALL=C.UTF-8
"$cli" to-sheet photo.jpg photo.csv || fail "the installed converter could not make a sheet"
head -n 1 photo.csv | grep -q '^x,y,r,g,b' || fail "the sheet has no header: $(head -c 80 photo.csv)"
"$cli" to-image photo.csv redrawn.png || fail "the installed converter could not draw the sheet"
file redrawn.png | grep -q "PNG image data" || fail "no picture drawn"

# The photo decoders come from the module installed with the programs, not the build's.
mkdir -p "$work/photos"
if command -v heif-enc >/dev/null 2>&1 && heif-enc -o "$work/photos/photo.heic" redrawn.png >/dev/null 2>&1; then
    LD_DEBUG=files "$cli" to-sheet "$work/photos/photo.heic" "$work/photos/photo.csv" 2>"$work/ld.log" ||
        fail "the installed converter could not read a HEIC picture"
    grep -q "$dest/usr/.*/tessarine/plugins/libtessarine_photos.so" "$work/ld.log" ||
        fail "the installed converter did not load its installed photo module"
fi

# --- The manual page lists the options --help lists. Both are read for long and short
# option names in their options section.
help_options="$("$cli" --help | sed -n '/^Options:/,/^$/p' | grep -oE '(^|[ ,])--?[a-z][a-z0-9-]*' |
    tr -d ' ,' | sort -u)"
man_options="$(gzip -dc "$usr/share/man/man1/tessarine-cli.1.gz" | sed -n '/^\.SH OPTIONS/,/^\.SH /p' |
    grep -E '^\.B' | sed 's/\\-/-/g' | grep -oE '(^|[ "])--?[a-z][a-z0-9-]*' | tr -d ' "' | sort -u)"
[ -n "$help_options" ] || fail "no options found in --help"
if [ "$help_options" != "$man_options" ]; then
    fail "the manual page's options differ from --help"
    diff <(echo "$help_options") <(echo "$man_options") | sed 's/^/  /' >&2
fi
"$cli" --version | grep -q "^tessarine-cli [0-9]" || fail "--version"

# --- Completion offers the commands, then files by their suffix.
completion=/usr/share/bash-completion/bash_completion
if [ -f "$completion" ]; then
    complete_words() { # WORD... (the last one is being completed)
        bash -c 'source "$1"; source "$2"; shift 2
                 COMP_WORDS=(tessarine-cli "$@"); COMP_CWORD=$#; COMP_LINE="${COMP_WORDS[*]}"
                 COMP_POINT=${#COMP_LINE}; _tessarine_cli tessarine-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
                 printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' \
            _ "$completion" "$usr/share/bash-completion/completions/tessarine-cli" "$@"
    }
    [ "$(complete_words "")" = "compare to-image to-sheet " ] || fail "completion of the command: '$(complete_words "")'"
    [ "$(complete_words to-sheet "")" = "photo.jpg redrawn.png " ] ||
        fail "completion of a picture: '$(complete_words to-sheet "")'"
    [ "$(complete_words to-image "")" = "photo.csv " ] || fail "completion of a sheet: '$(complete_words to-image "")'"
    [ "$(complete_words to-image photo.csv --)" = "--hsv --ones --rgb --watch " ] ||
        fail "completion of to-image's options: '$(complete_words to-image photo.csv --)'"
else
    echo "note: bash-completion is not installed, completion is not checked"
fi

# --- The installed window: it starts from this folder, and on a display it has its icon.
timeout 5 "$usr/bin/tessarine" >"$work/window.log" 2>&1
[ $? -eq 124 ] || fail "the installed window did not stay up: $(tail -n 5 "$work/window.log")"

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null; then
    if start_display; then
        export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
        "$usr/bin/tessarine" >"$work/window.log" 2>&1 &
        app_pid=$!
        window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Tessarine$' | head -n 1)"
        if [ -z "$window" ]; then
            fail "the installed window did not appear: $(tail -n 5 "$work/window.log")"
        else
            # _NET_WM_ICON holds the icon's pictures; xprop names each by its size.
            sizes="$(xprop -id "$window" _NET_WM_ICON | grep -oE 'Icon \([0-9]+ x [0-9]+\)' | tr '\n' ' ')"
            echo "window icon: $sizes"
            echo "$sizes" | grep -q 'Icon (48 x 48)' || fail "the window has no 48 x 48 icon: '$sizes'"
            mkdir -p "$shots"
            command -v import >/dev/null && import -display "$DISPLAY" -window root "$shots/installed-window.png"
        fi
    else
        echo "note: no virtual display ($display_failure), the window's icon is not checked"
    fi
else
    echo "note: Xvfb, xdotool or xprop missing, the window's icon is not checked"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "installed layout and programs: all checks passed"
