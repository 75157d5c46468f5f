#!/bin/sh
# Builds both libraries and runs every test: natively, and the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
status=0
for preset in native windows; do
    echo "== tests: $preset"
    ctest --preset "$preset" || status=1
done
exit "$status"
