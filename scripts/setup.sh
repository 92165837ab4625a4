#!/usr/bin/env bash
# Shared set-up of ./run and ./test: install the Debian packages that are
# missing, then configure and build into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${ORTOPLANO_BUILD_DIR:-$ROOT/build}"

# Packages needed to build and run the program (qt6-base-dev brings Qt Print
# Support with its CUPS plugin; qt6-svg-dev the SVG writer; libgmp-dev the exact
# rationals of the worked solutions, with gmpxx; fonts-dejavu-extra the italic
# faces of the typeset mathematics; qt6-l10n-tools the lrelease that compiles the
# translations, qt6-translations-l10n Qt's own dialogs in Portuguese).
RUN_PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev
              libgl-dev fonts-dejavu-core fonts-dejavu-extra qt6-l10n-tools qt6-translations-l10n
              libgmp-dev)

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || echo "$pkg"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "A instalar: $missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    # shellcheck disable=SC2086
    $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null 2>&1 || {
        $sudo apt-get update -qq >/dev/null
        # shellcheck disable=SC2086
        $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
    }
}

# A compiler cache speeds rebuilds where one is installed; nothing needs it.
compiler_launcher() {
    command -v ccache >/dev/null 2>&1 && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    return 0
}

configure_and_build() {
    local dir="$1"; shift
    # shellcheck disable=SC2046
    cmake -S "$ROOT" -B "$dir" -G Ninja $(compiler_launcher) "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
