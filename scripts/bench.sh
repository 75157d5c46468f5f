#!/bin/sh
# Builds the native benchmark and runs it in build/bench-run (the result request writes its
# settings file and the export its Cabrillo file there). Extra arguments go to Google
# Benchmark, e.g. --benchmark_filter=CheckCall0. Prints figures (the median of three runs
# is the one to read); never fails on speed.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target bench vscscore --parallel 2
rm -rf build/bench-run
mkdir -p build/bench-run
cd build/bench-run
nproc
lscpu | sed -n 's/^Model name: *//p'
../native/bench --benchmark_min_time=0.2 --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true "$@"
sh ../../bench/driver_bench.sh ../native/vscscore
