#!/bin/sh
# vscrobot's benchmark: 500 entrants uploading 1 000-QSO logs from 32 clients at once to
# vscrobot serve on loopback (robot_bench.py), every one receipted. Builds nothing: BUILD is a
# native build folder holding vscrobot, vscscore and libStats.so. Not a test: it prints figures
# and fails only when an upload is not receipted, listed and counted.
# Usage: sh bench/robot_bench.sh BUILD [WORK [ENTRANTS QSOS CLIENTS]]
set -eu
[ $# -ge 1 ] || { echo "usage: robot_bench.sh BUILD [WORK [ENTRANTS QSOS CLIENTS]]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
for program in vscrobot vscscore libStats.so; do
    [ -e "$build/$program" ] || { echo "robot_bench: no $program in $build" >&2; exit 2; }
done
if [ $# -ge 2 ]; then
    work=$2
    mkdir -p "$work"
else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
shift $(($# < 2 ? $# : 2))
# A fresh store each run; the template is the driver's export of the sample log.
rm -rf "$work/data" "$work/template"
mkdir -p "$work/template/Plugins"
(cd "$work/template" && "$build/vscscore" --library "$build/libStats.so" export \
    "$here/../examples/vsc-sample.adi" </dev/null >export.txt 2>&1) || [ $? -eq 1 ] ||
    { cat "$work/template/export.txt" >&2; exit 1; }
python3 "$here/robot_bench.py" "$build/vscrobot" "$work/template/Q9VSC.cbr" "$work" "$@"
