#!/usr/bin/env bash
# The tests labelled "sanitize" (tests/CMakeLists.txt lists them) under
# AddressSanitizer and UndefinedBehaviorSanitizer, built alone with the fuzz
# targets, then each fuzz target for ORTOPLANO_FUZZ_SECONDS (default 20) seconds: long
# enough to run the seeds and a few thousand new inputs of each target in every
# test run; the long runs are scripts/fuzz.sh's (scripts/fuzz.sh 3600).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORTOPLANO_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
source "$ROOT/scripts/sanitizer-env.sh"
configure_sanitized "$BUILD"
cmake --build "$BUILD" --parallel "$(nproc)" --target ortoplano_sanitized
# The long runs of the random suites (label "long") run once, in the ordinary
# build; here the suites run their ordinary rounds.
echo "== the tests under ASan and UBSan"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" --label-regex sanitize \
    --label-exclude long
"$ROOT/scripts/fuzz.sh" "${ORTOPLANO_FUZZ_SECONDS:-20}"
