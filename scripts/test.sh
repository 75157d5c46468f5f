#!/bin/sh
# Builds and runs every test: natively, natively under the sanitizers, each fuzz target for a
# few seconds, and the Windows build under Wine. Where this machine cannot run 32-bit programs,
# the Windows tests run from the 64-bit test build under 64-bit Wine instead.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
presets="native sanitize windows"
win32=yes
sh cmake/wine-run.sh --probe || win32=no
if [ "$win32" = no ]; then
    presets="$presets windows64"
fi
# shellcheck disable=SC2086
sh scripts/build.sh $presets
status=0
for preset in $presets; do
    echo "== tests: $preset"
    # Where 32-bit programs cannot run, ctest reports the 32-bit Wine tests as skipped and
    # still checks the DLL's tables and dialog template.
    ctest --preset "$preset" || status=1
    if [ "$preset" = sanitize ]; then
        sh scripts/fuzz.sh || status=1
    fi
done
echo "== tests: release packages"
{ sh scripts/package.sh && sh tests/release/check_packages.sh; } || status=1
exit "$status"
