#!/usr/bin/env bash
# Start-up of the real program on an X display (xvfb-run): the time from
# starting the executable until its main window "ORTOPLANO" is mapped, and
# the memory it holds half a second later. Median of N runs (default 10),
# after one run that is not counted (it fills the file cache), beside an
# empty Qt window measured the same way. The server is started with
# -noreset, so that a run starting as the last one ends is not refused.
#
#   bench/startup.sh [runs]
#
# The window is watched with bench_mapwait, which waits on the X server's own
# map notification: `xdotool search --sync` looks again only every half
# second, far too coarse for this. Without bench_mapwait, xdotool is polled
# in a loop instead (a few milliseconds coarser).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
RUNS="${1:-10}"
GOAL_MS=150

median() { # median of the numbers on standard input
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
                                       else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

now_ms() { echo "$(($(date +%s%N) / 1000))" | awk '{ printf "%.1f", $1 / 1000 }'; }

# One run with xdotool: prints "mapped_ms <ms> rss_mb <MB> peak_mb <MB>".
xdotool_run() {
    local title="$1"; shift
    local start pid
    start=$(now_ms)
    "$@" & pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do :; done
    local mapped; mapped=$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { printf "%.1f", b - a }')
    sleep 0.5
    local rss peak
    rss=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    peak=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "mapped_ms $mapped rss_mb $rss peak_mb $peak"
}

one_run() {
    if [ -x "$BUILD_DIR/bench/bench_mapwait" ]; then
        "$BUILD_DIR/bench/bench_mapwait" "$@"
    else
        xdotool_run "$@"
    fi
}

# Median figures of one program: a label, the title, then the command.
measure() {
    local label="$1"; shift
    local runs; runs=$(mktemp)
    one_run "$@" >/dev/null
    for _ in $(seq "$RUNS"); do one_run "$@"; done >"$runs"
    if [ "$(wc -l <"$runs")" -ne "$RUNS" ]; then
        echo "startup.sh: $label did not show its window every time" >&2
        exit 1
    fi
    printf "  %-16s window mapped %6s ms, resident memory %5s MB (peak %5s MB) 0.5 s later\n" \
        "$label" "$(awk '{ print $2 }' "$runs" | median)" "$(awk '{ print $4 }' "$runs" | median)" \
        "$(awk '{ print $6 }' "$runs" | median)"
    rm -f "$runs"
}

on_display() {
    unset QT_QPA_PLATFORM
    XDG_RUNTIME_DIR=$(mktemp -d) && export XDG_RUNTIME_DIR
    echo "Start-up under xvfb-run, median of $RUNS runs (one more run before them is not counted)"
    measure ortoplano ORTOPLANO "$BUILD_DIR/ortoplano"
    measure "empty Qt window" VAZIO "$BUILD_DIR/bench/bench_emptywindow"
    echo "  goal: ortoplano's window mapped within $GOAL_MS ms"
    rm -rf "$XDG_RUNTIME_DIR"
}

if [ "${ORTOPLANO_ON_DISPLAY:-}" = 1 ]; then
    on_display
    exit 0
fi
install_packages "${RUN_PACKAGES[@]}" xvfb xauth xdotool
[ -f "$BUILD_DIR/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja >/dev/null
cmake --build "$BUILD_DIR" --target ortoplano bench_emptywindow >/dev/null
cmake --build "$BUILD_DIR" --target bench_mapwait >/dev/null 2>&1 || true
ORTOPLANO_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$RUNS"
