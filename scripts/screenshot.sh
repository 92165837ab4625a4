#!/usr/bin/env bash
# Redraws docs/pontos-resolvido.png, the picture the AppStream description
# shows, and docs/resolucao.png: the end-to-end test solves the midpoint frame
# of the Points form in the real program, under a virtual X server, and keeps
# the form's picture; then the distance frame, beside its worked solution;
# then docs/projeccao.png, the midpoint again on the full-screen board in
# projector mode, driven from the keyboard; and
# docs/resolucao-circunferencia.png: the circle with a centre tangent to a line
# of the second circle page, beside its worked solution; and docs/arrastar-1.png,
# -2.png and -3.png: P dragged with the mouse across a circle, its tangents
# gone while it is inside, before, during and after the drag; and
# docs/arrastar-circunferencia-1.png, -2.png, docs/arrastar-recta-1.png and -2.png:
# a circle resized by its grip and a line turned by its grip, before and during.
#   scripts/screenshot.sh            # after ./test (or ./run) has built build/
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORTOPLANO_BUILD_DIR:-$ROOT/build}"
cmake --build "$BUILD" --target ortoplano ortoplano_grab_window
ORTOPLANO_X_SCREEN=1760x1024x24 "$ROOT/scripts/under-x.sh" /usr/bin/python3 \
    "$ROOT/tests/desktop/test_endtoend.py" --program "$BUILD/ortoplano" \
    --grab "$BUILD/tests/desktop/ortoplano_grab_window" --output-dir "$BUILD/tests/desktop" \
    --screenshot "$ROOT/docs/pontos-resolvido.png" \
    --solution-screenshot "$ROOT/docs/resolucao.png" \
    --projector-screenshot "$ROOT/docs/projeccao.png" \
    --circle-screenshot "$ROOT/docs/resolucao-circunferencia.png" \
    --drag-screenshots "$ROOT/docs/arrastar" \
    --equation-drag-screenshots "$ROOT/docs/arrastar"
