#!/bin/sh
# The driver's cases: vscscore score, export (with its read-back), lint (of the export's file),
# audit and report (with its page) of a generated log with many repeats, natively. Prints the
# CPU time (user and system), the elapsed time and the peak memory of each run beside the
# memory budget: twice the log file's size plus the plug-in's 420 bytes a contact,
# and the size of the report's page. Never fails on speed.
# Usage: driver_bench.sh DRIVER [CONTACTS...]   (default: 200000)
# STATS_BENCH_COMMANDS picks the commands (default: score export lint audit report; lint reads
# what export wrote); STATS_BENCH_SHAPES the logs (default: steady, 2 seconds apart; days, spread
# over 300 days; stray, steady with one more contact a year later; one, a single station on one
# band, then on another 11 minutes later).
set -eu
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)
[ $# -gt 0 ] || set -- 200000
mkdir -p driver-bench/Plugins
cd driver-bench
printf '%-8s %-6s %-7s %8s %8s %8s %8s %10s %8s\n' contacts shape command "file MB" "CPU s" \
    "elapsed" "peak MB" "budget MB" "page KB"
for n in "$@"; do
    for shape in ${STATS_BENCH_SHAPES:-steady days stray one}; do
        rm -f Q9VSC.cbr Q9VSC.cbr~
        case $shape in
            one) awk -v n="$n" -v one=1 -f "$here/civil_date.awk" -f "$here/driver_log.awk" >log.adi ;;
            days) awk -v n="$n" -v days=300 -f "$here/civil_date.awk" -f "$here/driver_log.awk" >log.adi ;;
            stray) awk -v n="$n" -v stray=1 -f "$here/civil_date.awk" -f "$here/driver_log.awk" >log.adi ;;
            *) awk -v n="$n" -f "$here/civil_date.awk" -f "$here/driver_log.awk" >log.adi ;;
        esac
        bytes=$(wc -c <log.adi)
        for command in ${STATS_BENCH_COMMANDS:-score export lint audit report}; do
            rm -f page.html
            words="$command log.adi"
            [ "$command" = report ] && words="report --html page.html log.adi"
            [ "$command" = lint ] && words="lint Q9VSC.cbr"
            /usr/bin/time -f '%U %S %e %M' -o usage.txt "$driver" $words \
                </dev/null >/dev/null 2>stderr.txt || true
            page=-
            [ -f page.html ] && page=$(($(wc -c <page.html) / 1024))
            # time puts a line of its own before the figures when the status is not 0.
            tail -n 1 usage.txt | awk -v n="$n" -v s="$shape" -v c="$command" -v b="$bytes" \
                -v p="$page" '{
                printf "%-8d %-6s %-7s %8.1f %8.2f %8.2f %8.1f %10.1f %8s\n", n, s, c, b / 1e6,
                       $1 + $2, $3, $4 / 1024, (2 * b + 420 * n) / 1048576, p
            }'
        done
    done
done
