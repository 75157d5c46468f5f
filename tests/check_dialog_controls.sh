#!/bin/sh
# The header dialog's controls as the built DLL holds them (read back with windres) against the
# header field table: the same ids, from top to bottom, each of the kind the table says and
# with the label the table gives it.
# Usage: check_dialog_controls.sh DLL WINDRES FIELD_TABLE IDS_HEADER
set -eu
dll=$1 windres=$2 table=$3 ids=$4

# From the template: "id kind label" for every control with a label before it.
actual=$("$windres" -i "$dll" -O rc | awk '/^LANGUAGE 25, 1/ {p = 1} p {print} p && /^END/ {exit}' |
    while read -r type rest; do
        case $type in
        CONTROL)
            label=$(printf '%s\n' "$rest" | sed -n 's/^"\([^"]*\)", 65535, "STATIC".*/\1/p') ;;
        EDITTEXT | COMBOBOX)
            id=${rest%%,*}
            style=${rest##*, }
            kind=Combo
            if [ "$type" = EDITTEXT ]; then
                kind=Edit
                [ $((style & 0x4)) -ne 0 ] && kind=Lines  # ES_MULTILINE
            fi
            echo "$id $kind $label" ;;
        esac
    done)

# From the table: its rows in order, the id names resolved with the ids header.
expected=$(grep -o 'IDC_[A-Z_]*, "[^"]*", K::[A-Za-z]*' "$table" |
    while IFS=, read -r name label kind; do
        id=$(sed -n "s/^#define $name \([0-9]*\)$/\1/p" "$ids")
        label=${label# \"} label=${label%\"} kind=${kind# K::}
        echo "$id $kind $label"
    done)

if [ -z "$expected" ] || [ "$actual" != "$expected" ]; then
    echo "the dialog's controls differ from the header field table:"
    printf 'table:\n%s\ntemplate:\n%s\n' "$expected" "$actual"
    exit 1
fi
echo "dialog controls as in the header field table"
