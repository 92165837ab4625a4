#!/usr/bin/env bash
# Runs a command inside a virtual X server of its own (1280×1024, 24 bits, or
# ORTOPLANO_X_SCREEN such as 1760x1024x24) and a D-Bus session of its own, for
# the tests that need a real display:
#   scripts/under-x.sh <command> [arguments...]
# Xvfb picks a free display itself (-displayfd) and reports it once it
# accepts clients, so runs side by side never race for a display number.
# -noreset: an X server resets itself whenever its last client leaves, and
# refuses whoever connects in that instant; the probe below and the
# accessibility daemons come and go, so the server must stay as it is.
set -euo pipefail
dir="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 "${ORTOPLANO_X_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
done
[ -s "$dir/display" ] || { cat "$dir/xvfb.log" >&2; echo "under-x: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$dir/display")"
# The server reports its display as it starts listening; wait until a client
# really gets through before handing it over.
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
done
status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
