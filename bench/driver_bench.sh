#!/bin/sh
# The driver's cases: vscscore score, export (with its read-back) and audit of a generated
# log with many repeats, natively. Prints the CPU time (user and system), the elapsed time and
# the peak memory of each run
# beside the memory budget: twice the log file's size plus the plug-in's 420 bytes a contact.
# Never fails on speed.
# Usage: driver_bench.sh DRIVER [CONTACTS...]   (default: 200000)
# STATS_BENCH_COMMANDS picks the commands (default: score export audit).
set -eu
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- 200000
mkdir -p driver-bench/Plugins
cd driver-bench
printf '%-8s %-7s %8s %8s %8s %8s %10s\n' contacts command "file MB" "CPU s" \
    "elapsed" "peak MB" "budget MB"
for n in "$@"; do
    awk -v n="$n" -f "$here/driver_log.awk" >log.adi
    bytes=$(wc -c <log.adi)
    for command in ${STATS_BENCH_COMMANDS:-score export audit}; do
        /usr/bin/time -f '%U %S %e %M' -o usage.txt "$driver" "$command" log.adi \
            </dev/null >/dev/null 2>stderr.txt || true
        # time puts a line of its own before the figures when the status is not 0.
        tail -n 1 usage.txt | awk -v n="$n" -v c="$command" -v b="$bytes" '{
            printf "%-8d %-7s %8.1f %8.2f %8.2f %8.1f %10.1f\n", n, c, b / 1e6, $1 + $2, $3,
                   $4 / 1024, (2 * b + 420 * n) / 1048576
        }'
    done
done
