#!/usr/bin/env bash
# Non-blank lines of the tests against those of the program's code: the C++
# of every production folder (and main.cpp) against everything under tests/
# (C++, Python). Tests should stay about a quarter to a third of the code.
#   scripts/test-ratio.sh
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
lines() { grep -hcv '^[[:space:]]*$' "$@" | awk '{ s += $1 } END { print s + 0 }'; }
code=$(lines main.cpp $(find interpreter exact textrules typeset board forms topics practice language \
    worksheet shell desktop -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.cpp.in' \)))
tests=$(lines $(find tests -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.py' \)))
awk -v c="$code" -v t="$tests" 'BEGIN { printf "code %d, tests %d: %.1f %%\n", c, t, 100 * t / c }'
