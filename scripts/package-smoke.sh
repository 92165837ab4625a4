#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# root and checks what a school's technician would get: the files, the
# package's fields, and the installed program mapping its main window under
# a virtual X server, then ending through its own menu.
#   scripts/package-smoke.sh build
set -euo pipefail
APP_ID=pt.escola.Ortoplano

fail() { echo "package-smoke: $*" >&2; exit 1; }

build_package() {
    cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; fail "cpack failed"; }
    local debs=("$work"/package/*.deb)
    deb="${debs[0]}"
    [ -f "$deb" ] || fail "cpack made no .deb"
    echo "== $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
}

check_fields() {
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for pkg in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-dejavu-core fonts-dejavu-extra libgmp10 \
               libgmpxx4ldbl qt6-translations-l10n; do
        grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg"
    done
    [ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "Section is not education"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
    grep -q 'geometria analítica' <<<"$(dpkg-deb -f "$deb" Description)" || fail "no description"
}

check_files() {
    dpkg-deb -x "$deb" "$work/root"
    local share="$work/root/usr/share"
    local files=("usr/bin/ortoplano" "usr/share/applications/$APP_ID.desktop"
                 "usr/share/metainfo/$APP_ID.metainfo.xml"
                 "usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
                 "usr/share/doc/ortoplano/copyright")
    for size in 16 24 32 48 64 128 256; do
        files+=("usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
    done
    for f in "${files[@]}"; do [ -s "$work/root/$f" ] || fail "the package lacks /$f"; done
    local exec
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$share/applications/$APP_ID.desktop")
    [ -x "$work/root/usr/bin/$exec" ] || fail "the launcher starts '$exec', which is not installed"
    desktop-file-validate "$share/applications/$APP_ID.desktop"
    # Nothing but the program and its data: no tests, tools or build paths.
    [ "$(find "$work/root/usr/bin" -type f | wc -l)" -eq 1 ] || fail "more than one program in /usr/bin"
}

# The installed program (under the scratch root $1) maps its main window;
# Alt, Enter on "Ficheiro" and Enter on "Abandonar o programa" end it with
# status 0. Runs inside the virtual X server.
run_installed() {
    QT_QPA_PLATFORM=xcb "$1/usr/bin/ortoplano" &
    local pid=$! status=0
    if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^ORTOPLANO$'); then
        kill "$pid" 2>/dev/null; fail "the installed program mapped no window"
    fi
    xdotool windowfocus --sync "${window%%$'\n'*}"
    xdotool key --delay 150 alt Return Return
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        kill -TERM "$pid"; wait "$pid" || true
        fail "the program did not end through Ficheiro, Abandonar o programa"
    fi
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    echo "== the installed program mapped its window and ended through its menu"
}

if [ "${1:-}" = --run-installed ]; then
    run_installed "$2"
    exit
fi
BUILD="$(cd "${1:?usage: $0 <build folder>}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
started=$(date +%s%N)
build_package
check_fields
check_files
"$(dirname "$0")/under-x.sh" "$0" --run-installed "$work/root"
echo "== package smoke test: $(( ($(date +%s%N) - started) / 1000000 )) ms"
