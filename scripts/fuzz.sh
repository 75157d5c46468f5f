#!/bin/sh
# Builds the libFuzzer targets (preset fuzz) and runs each for a bounded time in a scratch
# folder with no controlling terminal: 15 seconds each by default, or the number of seconds
# given. Fails on any crash, leak, timeout or sanitizer report; the input that caused it is
# kept in build/fuzz/findings/<target>/.
#   sh scripts/fuzz.sh          # about a minute in all
#   sh scripts/fuzz.sh 600      # ten minutes per target
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-15}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: sh scripts/fuzz.sh [seconds per target]" >&2; exit 2 ;;
esac
root=$(pwd)
sh scripts/build.sh fuzz

# A memory-backed scratch folder where there is one: the targets write files on every input.
scratch=$(mktemp -d "$([ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/stats-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT INT TERM

status=0
for target in entry_calls profile_file adif_reader ole_date; do
    echo "== fuzz: $target, $seconds s"
    work="$scratch/$target"
    findings="$root/build/fuzz/findings/$target"
    mkdir -p "$work/Plugins" "$work/corpus" "$findings"
    # New inputs go to the scratch corpus; the committed seeds are only read.
    if ! (cd "$work" && setsid -w "$root/build/fuzz/fuzz_$target" -max_total_time="$seconds" \
            -timeout=10 -rss_limit_mb=3072 -max_len=8192 -close_fd_mask=3 -print_final_stats=1 \
            -artifact_prefix="$findings/" corpus "$root/fuzz/$target/corpus" \
            >"$work/log" 2>&1); then
        tail -n 60 "$work/log"
        echo "fuzz: $target FAILED; inputs in $findings" >&2
        status=1
    else
        grep -E '^stat::number_of_executed_units|^Done' "$work/log" || true
    fi
done
exit "$status"
