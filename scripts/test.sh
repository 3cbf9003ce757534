#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and
# end-to-end (the real program in its own X server), first in the normal
# build, then again in a build that checks memory use and undefined
# behaviour (AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
