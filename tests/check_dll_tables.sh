#!/bin/sh
# Checks Stats.dll's export table against the names written out in EXPORTS, its export name,
# and that it imports nothing but Windows system DLLs.
# Usage: check_dll_tables.sh DLL EXPORTS OBJDUMP
set -eu
dll=$1 exports=$2 objdump=$3
dump=$("$objdump" -p "$dll")
fail=0

expected=$(grep -v '^#' "$exports" | tr ' ' '\n' | sort)
actual=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' \
    | sed -n 's/^[ \t]*\[ *[0-9]*\] \(.*\)$/\1/p' | sort)
if [ "$expected" != "$actual" ]; then
    printf 'export names differ\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    fail=1
fi

name=$(printf '%s\n' "$dump" | sed -n 's/^Name[ \t]*[0-9a-f]* \(.*\)$/\1/p')
if [ "$name" != "Stats.dll" ]; then
    echo "export directory name is '$name', expected 'Stats.dll'"
    fail=1
fi

if ! printf '%s\n' "$dump" | grep -q 'file format pei-i386'; then
    echo "not a PE32 i386 image"
    fail=1
fi

imports=$(printf '%s\n' "$dump" | sed -n 's/^[ \t]*DLL Name: \(.*\)$/\1/p' | tr 'A-Z' 'a-z' | sort -u)
for dll_name in $imports; do
    case "$dll_name" in
        kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|ole32.dll|oleaut32.dll|version.dll|msvcrt.dll|comctl32.dll|shell32.dll|api-ms-win-*.dll) ;;
        *) echo "imports a non-system DLL: $dll_name"; fail=1 ;;
    esac
done

[ "$fail" -eq 0 ] && echo "exports: $(printf '%s\n' "$actual" | wc -l) names, imports: $(echo $imports)"
exit "$fail"
