#!/bin/sh
# End to end: vscscore asks the real library for its Cabrillo file of the sample log and reads
# it back. With a reference build given (STATS_REFERENCE_DRIVER and STATS_REFERENCE_LIBRARY),
# that build writes its file too, and the two must be identical byte for byte.
# Usage: vscscore_export.sh DRIVER LIBRARY SAMPLE [EMULATOR...]
set -u
driver=$1 library=$2 sample=$3
shift 3
fail=0

# No terminal on standard input: the header form is not confirmed, so the values come from the
# settings file, the same in every build.
rm -f Q9VSC.cbr
: | "$@" "$driver" --library "$library" export "$sample" >stdout.txt 2>stderr.txt
status=$?
[ "$status" -eq 77 ] && exit 77
out=$(tr -d '\r' <stdout.txt)

# The sample's planted repeats and late contact are warnings: status 1.
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status"; cat stdout.txt stderr.txt; fail=1; }
expect_line() {
    printf '%s\n' "$out" | grep -q -x -E -e "$1" || {
        echo "FAIL: no line matches: $1"; printf '%s\n' "$out"; fail=1
    }
}
tab=$(printf '\t')
expect_line "Total${tab} 205${tab} 837"
expect_line "Score:  837"
# The export lints its file: the one contact typed in afterwards stands last, out of time
# order; the rest are the sample's planted repeats and the form's CW over its phone contacts
# (the lint test checks them).
expect_line "Q9VSC\.cbr:224: warning: earlier than line 223 before it \(2025-02-15 1318\)"
expect_line "Q9VSC\.cbr: 205 QSO lines: every contact once, field for field; 0 errors, 9 warnings"
# With nobody to answer it, the header form is cancelled: nothing but the claimed score saved.
if grep -q -i '^Operators=' Plugins/VESTAR.ini 2>/dev/null; then
    echo "FAIL: the header form was confirmed with nobody there"; cat Plugins/VESTAR.ini; fail=1
fi
grep -q -x 'Output: File produced: Q9VSC.cbr' stderr.txt || {
    echo "FAIL: no report of the file"; cat stderr.txt; fail=1
}

if [ -n "${STATS_REFERENCE_DRIVER:-}" ]; then
    mkdir -p reference/Plugins
    (cd reference && rm -f Q9VSC.cbr &&
        : | "$STATS_REFERENCE_DRIVER" --library "$STATS_REFERENCE_LIBRARY" export "$sample" \
            >/dev/null 2>&1)
    cmp Q9VSC.cbr reference/Q9VSC.cbr || { echo "FAIL: the two builds' files differ"; fail=1; }
fi
exit "$fail"
