#!/bin/sh
# Configures and builds the given presets (default: native and windows): build/native (Linux),
# build/windows (Stats.dll), build/sanitize (native, with the address and undefined-behaviour
# sanitizers).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
[ "$#" -gt 0 ] || set -- native windows
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$(nproc)"
done
