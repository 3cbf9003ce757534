#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and
# end-to-end (the real program in its own X server), first in the normal
# build, then again in a build that checks memory use and undefined
# behaviour (AddressSanitizer and UndefinedBehaviorSanitizer) with a short
# run of the fuzz targets beside its tests, and last the Debian package,
# built and checked.
# Each step says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

step() {
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    echo "== $name took $((SECONDS - start)) s"
    return "$status"
}

step "set-up and build" ./scripts/setup.sh
step "tests" ctest --preset default

# The asan preset also makes the soak test play 240 seconds instead of 60.
step "sanitizer build" bash -c 'cmake --preset asan && cmake --build --preset asan'

# A short run of each fuzz target (clang's libFuzzer) on the file readers,
# built and run beside the sanitizer tests, which mostly wait on the games
# they play; its report follows theirs. It runs at a lower priority, so that
# it takes only the time the tests leave: their games play in real time.
fuzz_log=$(mktemp)
trap 'rm -f "$fuzz_log"' EXIT
step "fuzz build and fuzzing" nice -n 10 bash -c 'cmake --preset fuzz && cmake --build --preset fuzz && tests/fuzz/run.sh 15' \
    >"$fuzz_log" 2>&1 &
fuzzing=$!
sanitizer_tests=0
step "sanitizer tests" ctest --preset asan || sanitizer_tests=$?
fuzz=0
wait "$fuzzing" || fuzz=$?
cat "$fuzz_log"
((sanitizer_tests == 0)) || { echo "the sanitizer tests failed" >&2; exit 1; }
((fuzz == 0)) || { echo "the fuzz build or a fuzz target failed" >&2; exit 1; }

# The Debian package, built from a copy of the tree and checked by lintian.
step "package" ./scripts/package.sh
echo "== everything took $SECONDS s"
