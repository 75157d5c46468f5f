#!/bin/sh
# The cross-check's benchmark: simulated contests of growing size, each timed under lint (in one
# process, every file) and under vscscore crosscheck, with crosscheck's peak memory against the
# files' bytes, then again with --html for the results site. Not a test: it prints figures and
# never fails on speed.
# Usage: sh bench/crosscheck_bench.sh BUILD_DIR WORK_DIR [LOGS:LINES ...]
# (default sizes 200:100000 2000:1000000 10000:5000000)
set -eu
build=$1 work=$2
shift 2
sizes=${*:-200:100000 2000:1000000 10000:5000000}
mkdir -p "$work"
cd "$work"
for size in $sizes; do
    logs=${size%%:*} lines=${size##*:}
    folder=contest-$logs-$lines
    # The simulator gives about 1.44 lines for each line asked (the errors it adds).
    [ -d "$folder" ] || "$build/crosscheck_contest" generate "$folder" "$logs" \
        $((lines * 100 / 144)) 7 >/dev/null
    bytes=$(cat "$folder"/* | wc -c)
    qsos=$(cat "$folder"/* | grep -c '^QSO:')
    # Wall seconds, CPU seconds (user and system) and peak KiB of a command.
    measure() {
        /usr/bin/time -f '%e %U %S %M' -o time.txt "$@" >/dev/null 2>&1 || true
        tail -n 1 time.txt | awk '{ printf "%s %.2f %s", $1, $2 + $3, $4 }'
    }
    set -- $(measure "$build/crosscheck_contest" lint "$folder")
    lint_wall=$1 lint_cpu=$2
    rm -rf out
    set -- $(measure "$build/vscscore" crosscheck --date "2025-02-15 06:00" --out out "$folder")
    echo "$logs logs, $qsos QSO lines, $bytes bytes: lint ${lint_wall} s (CPU ${lint_cpu} s);" \
         "crosscheck $1 s (CPU $2 s), $(awk "BEGIN { printf \"%.2f\", $2 / $lint_cpu }") x" \
         "lint's CPU; peak $3 KiB, $(awk "BEGIN { printf \"%.2f\", $3 * 1024 / $bytes }") x" \
         "the files' bytes"
    # The same with the results site: its pages' time over the cross-check's own, and sizes.
    cc_cpu=$2
    rm -rf out
    set -- $(measure "$build/vscscore" crosscheck --html --date "2025-02-15 06:00" --out out \
        "$folder")
    pages=$(find out -name '*.html' | wc -l)
    echo "  with --html: $1 s (CPU $2 s), the site $(awk "BEGIN { printf \"%.2f\", \
         ($2 - $cc_cpu) / $cc_cpu }") x the cross-check's CPU; peak $3 KiB; $pages pages," \
         "$(du -sk out/log | cut -f1) KiB in log/, index $(wc -c <out/index.html) bytes," \
         "largest page $(find out -name '*.html' -printf '%s\n' | sort -n | tail -n 1) bytes"
done
