#!/bin/sh
# The header dialog's template as it stands in the built DLL, read back with windres and
# compared with the reviewed text: language, style, caption, font, and every control's id,
# place, size and style bits.
# Usage: check_dialog_template.sh DLL WINDRES EXPECTED
set -eu
dll=$1 windres=$2 expected=$3
actual=$("$windres" -i "$dll" -O rc | awk '/^LANGUAGE 25, 1/ {p = 1} p {print} p && /^END/ {exit}')
if [ "$actual" != "$(cat "$expected")" ]; then
    echo "the dialog template differs from $expected:"
    printf '%s\n' "$actual" | diff "$expected" - || true
    exit 1
fi
echo "dialog template as expected"
