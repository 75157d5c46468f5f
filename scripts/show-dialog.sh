#!/bin/sh
# Shows the Cabrillo header dialog of the real Stats.dll under Wine on a virtual screen and
# saves a picture of it, by default docs/header-dialog.png. Not a test. Needs a machine that
# runs 32-bit programs, and ImageMagick (Debian package imagemagick).
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
cmake --preset windows >/dev/null
cmake --build --preset windows --target Stats show_header_dialog --parallel "$(nproc)"

export STATS_WINEPREFIX="$root/build/windows/wineprefix"
runner=$root/cmake/wine-run.sh
sh "$runner" --start
work=$(mktemp -d)
trap 'sh "$runner" --stop; rm -rf "$work"' EXIT
display=$(sed -n 1p "$STATS_WINEPREFIX.session")

# The tool writes where the dialog is once it is up, and cancels it after 5 seconds.
(cd "$work" && sh "$runner" "$root/build/windows/show_header_dialog.exe" \
    "$root/build/windows/Stats.dll" shown.txt 5) &
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
