#!/bin/sh
# Shows the Cabrillo header dialog of the real Stats.dll under Wine on a virtual screen and
# saves a picture of it, by default docs/header-dialog.png. Not a test. Where this machine
# cannot run 32-bit programs, the 64-bit test build shows the same template under 64-bit Wine.
# Needs ImageMagick (Debian package imagemagick).
# Usage: scripts/show-dialog.sh [PICTURE.png]
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
picture=${1:-docs/header-dialog.png}
case $picture in /*) ;; *) picture=$root/$picture ;; esac

if ! command -v import >/dev/null 2>&1; then
    echo "show-dialog: needs ImageMagick's import: apt-get install imagemagick" >&2
    exit 1
fi
sh scripts/setup.sh
build=windows
wine64=
if ! sh cmake/wine-run.sh --probe 2>/dev/null; then
    build=windows64
    wine64=--win64
fi
cmake --preset "$build" >/dev/null
cmake --build --preset "$build" --target Stats show_header_dialog --parallel "$(nproc)"

export STATS_WINEPREFIX="$root/build/$build/wineprefix"
runner="$root/cmake/wine-run.sh"
sh "$runner" $wine64 --start
work=$(mktemp -d)
trap 'sh "$runner" $wine64 --stop; rm -rf "$work"' EXIT
display=$(sed -n 1p "$STATS_WINEPREFIX.session")

# The tool writes where the dialog is once it is up, and cancels it after 5 seconds.
(cd "$work" && sh "$runner" $wine64 "$root/build/$build/show_header_dialog.exe" \
    "$root/build/$build/Stats.dll" shown.txt 5) &
shower=$!
tries=0
until [ -s "$work/shown.txt" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 300 ] || ! kill -0 "$shower" 2>/dev/null; then
        echo "show-dialog: the dialog did not appear" >&2
        exit 1
    fi
    sleep 0.1
done
sleep 1  # let it paint
mkdir -p "$(dirname "$picture")"
DISPLAY=$display import -window root -crop "$(cat "$work/shown.txt")" +repage "$picture"
wait "$shower"
echo "show-dialog: $picture"
