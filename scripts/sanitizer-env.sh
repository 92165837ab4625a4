# Shared by the sanitizer and fuzz runs: one clang build with AddressSanitizer,
# UndefinedBehaviorSanitizer and libFuzzer coverage serves both.
ROOT="${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"

configure_sanitized() {
    local launcher=""
    command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    # The long runs of the random suites (left out by sanitize.sh; run by hand
    # with ctest -L long) twice their short ones, not ten times: the sanitizers
    # make every round several times slower. Line tables are all
    # the debug information a sanitizer's report needs (file and line of each
    # frame): about an eighth less compile time than full -g, and smaller links.
    # shellcheck disable=SC2086
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$1" -G Ninja -DORTOPLANO_FUZZ=ON $launcher \
        -DORTOPLANO_UNITY_BUILD=ON \
        -DORTOPLANO_BUILD_BENCH=OFF -DORTOPLANO_DESKTOP_TESTS=OFF -DORTOPLANO_LONG_ROUNDS=2 \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" >/dev/null
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
