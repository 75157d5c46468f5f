#!/bin/sh
# vscrobot serve on a free loopback port with a fresh data folder, its pages driven in headless
# Chromium by robot_in_chromium.mjs: the sample's Cabrillo file sent and receipted, then one
# without a CALLSIGN: line refused. The screenshots stay in the test's folder. puppeteer-core,
# pinned by this folder's package-lock.json, is installed into NODE_DIR (in the build folder).
# Skipped (77) without node, npm or chromium, or when npm cannot reach the registry.
# Usage: robot_in_chromium.sh ROBOT DRIVER LIBRARY SAMPLE.adi NODE_DIR
set -u
robot=$1 driver=$2 library=$3 sample=$4 node_dir=$5
here=$(cd "$(dirname "$0")" && pwd)
for tool in node npm chromium; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done

# npm ci only when the lock changed since the last install that succeeded.
mkdir -p "$node_dir"
if ! cmp -s "$here/package-lock.json" "$node_dir/installed.lock"; then
    rm -f "$node_dir/installed.lock"
    cp "$here/package.json" "$here/package-lock.json" "$node_dir/"
    status=0
    (cd "$node_dir" && PUPPETEER_SKIP_DOWNLOAD=1 timeout 300 npm ci --ignore-scripts \
        --no-audit --no-fund --fetch-retries=1 --fetch-timeout=60000) >npm-ci.log 2>&1 ||
        status=$?
    if [ "$status" -ne 0 ]; then
        # A registry's bad day (no route, no name, a time-out, a server error) is no failure.
        unreachable='E(NOTFOUND|AI_AGAIN|CONNREFUSED|CONNRESET|TIMEDOUT|NETUNREACH)|E5[0-9][0-9]'
        reason=$(grep -m1 -E "$unreachable|network|socket hang up" npm-ci.log)
        [ "$status" -eq 124 ] && reason="no answer in 300 s"
        if [ -n "$reason" ]; then
            echo "npm ci cannot reach the registry ($reason): skipped"
            exit 77
        fi
        echo "FAIL: npm ci (status $status)"
        cat npm-ci.log
        exit 1
    fi
    cp "$here/package-lock.json" "$node_dir/installed.lock"
fi
# Node finds a module beside the script that imports it.
cp "$here/robot_in_chromium.mjs" "$node_dir/"

rm -rf log data profile-* ./*.png
mkdir -p log/Plugins
(cd log && "$driver" --library "$library" export "$sample" </dev/null >export.txt 2>&1)
cbr=$(find log -maxdepth 1 -name '*.cbr' | head -n 1)
if [ -z "$cbr" ]; then
    echo "FAIL: the driver's export wrote no Cabrillo file"
    cat log/export.txt
    exit 1
fi
call=$(tr -d '\r' <"$cbr" | sed -n 's/^CALLSIGN: *\([^ ]*\).*/\1/p')
grep -v '^CALLSIGN:' "$cbr" >log/no-callsign.cbr
# The contest day is the log's first contact's; the deadline a day from now.
day=$(sed -n 's/^QSO: *[0-9]* *[A-Z]* *\([0-9-]*\) .*/\1/p' "$cbr" | head -n 1)
deadline=$(date -u -d '+1 day' '+%Y-%m-%d %H:%M')

"$robot" serve --data "$PWD/data" --listen 127.0.0.1:0 --date "$day" --hours 24 \
    --deadline "$deadline" --uploads-per-minute 0 >serve.out 2>serve.err &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
url=""
tries=0
while [ -z "$url" ] && [ "$tries" -lt 100 ] && kill -0 "$server" 2>/dev/null; do
    sleep 0.1
    tries=$((tries + 1))
    url=$(sed -n 's/^listening on \(http:[^ ]*\)$/\1/p' serve.out)
done
if [ -z "$url" ]; then
    echo "FAIL: vscrobot serve did not say where it listens"
    cat serve.out serve.err
    exit 1
fi

fail=0
HOME=$PWD timeout 120 node "$node_dir/robot_in_chromium.mjs" "$url" "$cbr" "$call" \
    log/no-callsign.cbr "$PWD" || fail=1

# SIGTERM must end the server within 10 s; a zombie has ended, only not been waited for yet.
ended() {
    state=$(ps -o stat= -p "$server" 2>/dev/null)
    [ -z "$state" ] || [ "${state#Z}" != "$state" ]
}
kill -TERM "$server"
tries=0
while ! ended && [ "$tries" -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if ! ended; then
    echo "FAIL: vscrobot serve still ran 10 s after SIGTERM"
    kill -KILL "$server"
    fail=1
fi
wait "$server"
trap - EXIT
[ "$fail" -eq 0 ] || cat serve.err
exit "$fail"
