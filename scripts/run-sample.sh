#!/bin/sh
# The main job on the bundled sample: builds both libraries and drives each through a short
# scripted scoring run, the native library directly and Stats.dll under Wine.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh >/dev/null
root=$(pwd)

# The host's working folder: the plug-in's settings live in its Plugins folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native/Plugins" "$work/windows/Plugins"

echo "== native library"
(cd "$work/native" && "$root/build/native/stats_driver" "$root/build/native/libStats.so")
echo "-- Plugins/VESTAR.ini:"
cat "$work/native/Plugins/VESTAR.ini"
echo
echo "== Stats.dll under Wine"
(cd "$work/windows" && "$root/cmake/wine-run.sh" "$root/build/windows/wineprefix" \
    "$root/build/windows/stats_driver.exe" "$root/build/windows/Stats.dll" 2>/dev/null)
echo "-- Plugins/VESTAR.ini:"
cat "$work/windows/Plugins/VESTAR.ini"
