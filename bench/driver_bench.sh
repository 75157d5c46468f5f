#!/bin/sh
# The driver's cases: vscscore score, export (with its read-back) and audit of a generated
# log with many repeats, natively. Prints the elapsed time and the peak memory of each run
# beside the memory budget: twice the log file's size plus the plug-in's 420 bytes a contact.
# Never fails on speed.
# Usage: driver_bench.sh DRIVER [CONTACTS...]   (default: 200000)
set -eu
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- 200000
mkdir -p driver-bench/Plugins
cd driver-bench
printf '%-8s %-7s %9s %9s %10s %10s\n' contacts command "file MB" seconds "peak MB" "budget MB"
for n in "$@"; do
    awk -v n="$n" -f "$here/driver_log.awk" >log.adi
    bytes=$(wc -c <log.adi)
    for command in score export audit; do
        /usr/bin/time -f '%e %M' -o usage.txt "$driver" "$command" log.adi \
            </dev/null >/dev/null 2>stderr.txt || true
        awk -v n="$n" -v c="$command" -v b="$bytes" '{
            printf "%-8d %-7s %9.1f %9.2f %10.1f %10.1f\n", n, c, b / 1e6, $1, $2 / 1024,
                   (2 * b + 420 * n) / 1048576
        }' usage.txt
    done
done
