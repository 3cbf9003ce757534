#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and
# end-to-end (the real program in its own X server).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --preset default
