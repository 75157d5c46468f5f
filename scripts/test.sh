#!/bin/sh
# Builds and runs every test: natively, natively under the sanitizers, each fuzz target for a
# few seconds, and the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
presets="native sanitize windows"
# shellcheck disable=SC2086
sh scripts/build.sh $presets
status=0
for preset in $presets; do
    echo "== tests: $preset"
    if [ "$preset" = windows ]; then
        # Says so loudly where this machine cannot run 32-bit programs; ctest then reports
        # the Wine tests as skipped and still checks the DLL's tables.
        sh cmake/wine-run.sh --probe || true
    fi
    ctest --preset "$preset" || status=1
    if [ "$preset" = sanitize ]; then
        sh scripts/fuzz.sh || status=1
    fi
done
exit "$status"
