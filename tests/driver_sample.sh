#!/bin/sh
# End to end: the driver loads the real library and drives a short log as the host would; it
# must exit 0 and print the verdicts and the summary.
# Usage: driver_sample.sh DRIVER LIBRARY [EMULATOR]
set -u
driver=$1 library=$2 emulator=${3:-}
out=$($emulator "$driver" "$library" 2>&1)
status=$?
[ "$status" -eq 77 ] && exit 77
printf '%s\n' "$out"
fail=0
[ "$status" -eq 0 ] || { echo "FAIL: the driver exited with status $status"; fail=1; }
expect() {
    printf '%s\n' "$out" | tr -d '\r' | grep -q -x -E -e "$1" || {
        echo "FAIL: no line matches: $1"
        fail=1
    }
}
expect 'CheckCall0 Q4DD  CW 80  -> 0 '
expect 'CheckCall0 Q4DD  CW 40  -> 0 QSO c Q4DD ЕЩЕ РАНО ПРОВОДИТЬ ! ЖДЕМ ЕЩЕ [67] МИНУТ'
expect 'CheckCall0 Q1AA  CW 80  -> 1 '
expect 'GetResult0 -> 13'
expect '80	 3	 9'
expect '40	 1	 4'
expect 'Total	 5	 13'
expect 'Score:  13'
expect 'Created by Gremik 2014\.'
exit "$fail"
