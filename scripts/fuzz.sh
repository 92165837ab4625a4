#!/usr/bin/env bash
# Builds the fuzz targets (clang, ASan + UBSan + libFuzzer) into build-sanitize/
# and runs each for the given number of seconds (default 60). Every input must
# end within a second (-timeout=1), under the sanitizers: the seeds of the
# slowest inputs known (fuzz/corpus/*/seed-slow-*) are run first.
#   scripts/fuzz.sh            # about a minute each (the test run gives each 20 seconds)
#   scripts/fuzz.sh 3600       # an hour each
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_EACH="${1:-60}"
BUILD="${ORTOPLANO_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"
source "$ROOT/scripts/sanitizer-env.sh"
configure_sanitized "$BUILD"
cmake --build "$BUILD" --parallel "$(nproc)" --target fuzz_interpreter fuzz_linereader fuzz_circlereader fuzz_exact fuzz_answer
status=0
for target in interpreter linereader circlereader exact answer; do
    work="$BUILD/fuzz-corpus/$target"
    mkdir -p "$work"
    echo "== fuzz_$target: ${SECONDS_EACH}s"
    if ! "$BUILD/fuzz/fuzz_$target" "$work" "$ROOT/fuzz/corpus/$target" \
        -max_total_time="$SECONDS_EACH" -timeout=1 -rss_limit_mb=2048 -max_len=4096 \
        -artifact_prefix="$BUILD/fuzz-$target-" -print_final_stats=1 2>"$BUILD/fuzz-$target.log"; then
        status=1
        tail -n 60 "$BUILD/fuzz-$target.log"
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$BUILD/fuzz-$target.log" || true
done
exit $status
