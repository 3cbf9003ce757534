#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and
# end-to-end (the real program in its own X server), first in the normal
# build, then again in a build that checks memory use and undefined
# behaviour (AddressSanitizer and UndefinedBehaviorSanitizer), then a short
# run of the fuzz targets, and last the Debian package, built and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --preset default

# The asan preset also makes the soak test play 240 seconds instead of 60.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# A short run of each fuzz target (clang's libFuzzer) on the file readers.
cmake --preset fuzz
cmake --build --preset fuzz
tests/fuzz/run.sh 15

# The Debian package, built from a copy of the tree and checked by lintian.
./scripts/package.sh
