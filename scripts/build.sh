#!/bin/sh
# Configures and builds both libraries: build/native (Linux) and build/windows (Stats.dll).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --parallel "$(nproc)"
done
