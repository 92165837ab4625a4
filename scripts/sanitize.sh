#!/usr/bin/env bash
# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for ORTOPLANO_FUZZ_SECONDS (default 60) seconds.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORTOPLANO_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
source "$ROOT/scripts/sanitizer-env.sh"
configure_sanitized "$BUILD"
cmake --build "$BUILD" --parallel "$(nproc)"
echo "== the tests under ASan and UBSan"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)"
"$ROOT/scripts/fuzz.sh" "${ORTOPLANO_FUZZ_SECONDS:-60}"
