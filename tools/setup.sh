# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: installs the Debian packages that are missing.
# Source it, then call ensure_packages NAME...

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "error: these packages are missing and sudo is not available: ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq || return 1
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

# What building and running the program needs.
BUILD_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    qt6-image-formats-plugins libqt6svg6
    pkg-config libheif-dev libavif-dev libjxl-dev libspng-dev libwebp-dev libexif-dev
    libquazip1-qt6-dev libxml2-dev
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)
# qt6-l10n-tools and qt6-tools-dev (its CMake package) turn the translations into the .qm
# files built into the programs; qt6-translations-l10n holds the toolkit's own.
# Debian's libheif1 depends on its HEVC (libde265) and AV1 (libdav1d, libaom) decoders
# itself, so HEIC pictures decode wherever libheif-dev is installed; AVIF pictures are read
# through libavif (with dav1d), which interpolates their chroma as the browsers do.

# What the test suite needs on top: a virtual display and tools to drive and photograph it,
# clang with its sanitizer and fuzzer runtimes, LibreOffice Calc with its python bridge as
# the spreadsheet program that edits sheets and makes workbooks in the tests, the photo
# formats' reference encoders and decoders, libpng to read the saved PNG files back with,
# openpyxl for the workbook benchmark, Gnumeric, whose converter is a second spreadsheet
# program in the tests, poppler's pdftoppm and the Carlito font (the metric twin of the
# font a picture-shaped workbook names) for Calc's rendering of such a workbook, and the validators and the package checker for the installed
# layout and the Debian package.
TEST_PACKAGES=(
    xvfb xauth xdotool x11-apps imagemagick
    clang libclang-rt-dev
    libreoffice-calc-nogui python3-uno python3-openpyxl gnumeric poppler-utils fonts-crosextra-carlito
    libheif-examples libavif-bin libjxl-tools libpng-dev
    desktop-file-utils appstream lintian x11-utils file bash-completion
)
