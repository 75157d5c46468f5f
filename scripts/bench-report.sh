#!/bin/sh
# Times vscscore's score, audit and report (with the page) on a generated log, by default of
# 200 000 contacts over 48 hours, in build/bench-report. Prints figures; never fails on speed.
# Needs bash for its time keyword.
# Usage: scripts/bench-report.sh [CONTACTS]
set -eu
cd "$(dirname "$0")/.."
contacts=${1:-200000}
sh scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target vscscore Stats --parallel 2 >/dev/null
rm -rf build/bench-report
mkdir -p build/bench-report/Plugins
cd build/bench-report

# Stations from a pool of 40 000, so that some are worked again; a band change now and then.
awk -v n="$contacts" 'function field(name, value) {
        return "<" name ":" length(value) ">" value " "
    }
    BEGIN {
        srand(19)
        split("160 80 40 20 15 10", band, " ")
        split("1.83 3.55 7.02 14.05 21.05 28.05", mhz, " ")
        print "generated for the report benchmark"
        print "<EOH>"
        b = 3
        for (i = 0; i < n; ++i) {
            if (rand() < 0.02) {
                b = 1 + int(rand() * 6)
            }
            second = int(i * 172800 / n)
            day = 15 + int(second / 86400)
            second %= 86400
            time = sprintf("%02d%02d%02d", int(second / 3600), int(second / 60) % 60, second % 60)
            call = sprintf("Q%d%c%c%c", int(rand() * 10), 65 + int(rand() * 26),
                           65 + int(rand() * 26), 65 + int(rand() * 60) % 26)
            printf "%s%s%s%s%s%s%s%s<EOR>\n", field("CALL", call),
                field("QSO_DATE", "202502" day), field("TIME_ON", time),
                field("BAND", band[b] "m"), field("FREQ", mhz[b]),
                field("MODE", rand() < 0.5 ? "CW" : "SSB"),
                field("SRX_STRING", 1 + int(rand() * 10)), field("STATION_CALLSIGN", "Q9VSC")
        }
    }' >log.adi
nproc
lscpu | sed -n 's/^Model name: *//p'
echo "log.adi: $contacts contacts, $(wc -c <log.adi) bytes"

# Wall and CPU seconds; the plug-in's result request spends wall time the CPU does not see.
timed() {
    bash -c 'TIMEFORMAT="%R s (CPU %U+%S s)"; time "$@" >/dev/null 2>&1' timed "$@" 2>&1 |
        tail -n 1
}
for run in 1 2 3; do
    echo "run $run"
    echo "  score          $(timed ../native/vscscore score log.adi)"
    echo "  audit          $(timed ../native/vscscore audit log.adi)"
    echo "  report --html  $(timed ../native/vscscore report --html page.html log.adi)"
done
echo "page.html: $(wc -c <page.html) bytes"
