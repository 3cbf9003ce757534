#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and
# end-to-end (the real program in its own X server), first in the normal
# build, then again in a build that checks memory use and undefined
# behaviour (AddressSanitizer and UndefinedBehaviorSanitizer), then a short
# run of the fuzz targets, and last the Debian package, built and checked.
# Each step says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

step() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "== $name took $((SECONDS - start)) s"
}

step "set-up and build" ./scripts/setup.sh
step "tests" ctest --preset default

# The asan preset also makes the soak test play 240 seconds instead of 60.
step "sanitizer build" bash -c 'cmake --preset asan && cmake --build --preset asan'
step "sanitizer tests" ctest --preset asan

# A short run of each fuzz target (clang's libFuzzer) on the file readers.
step "fuzz build" bash -c 'cmake --preset fuzz && cmake --build --preset fuzz'
step "fuzzing" tests/fuzz/run.sh 15

# The Debian package, built from a copy of the tree and checked by lintian.
step "package" ./scripts/package.sh
echo "== everything took $SECONDS s"
