#!/bin/sh
# A full disk: the server runs under a file-size limit (ulimit -f, SIGXFSZ ignored), so the
# kernel refuses the store's write past it as it refuses a write to a full disk, at the same
# point: SQLite's write fails and the transaction rolls back. A log that does not fit gets 503
# and no receipt; one that fits is still taken; after a restart without the limit nothing
# stored before is lost and the database is whole. (SQLite's own max_page_count would give
# SQLITE_FULL too, but without the operating system's refusal this test is about.)
# Usage: robot_full_disk.sh VSCROBOT
set -u
robot=$1
fail=0
. "$(dirname "$0")/robot_run.sh"

rm -rf full
make_log Q1AA >small1.cbr
make_log Q2BB >small2.cbr
make_log Q3CC >small3.cbr
big_log Q9BIG 30000 >big.cbr
start_server full || exit 1
fetch -F log=@small1.cbr "${url}submit"
[ "$code" = 200 ] || { echo "FAIL: first log: $code"; fail=1; }
stop_server

# 400 blocks: 200 KiB in dash's 512-byte blocks; the big log is about 1.7 MB.
real_robot=$robot
robot=./limited-robot
cat >"$robot" <<EOS
#!/bin/sh
ulimit -f 400
trap '' XFSZ
exec "$real_robot" "\$@"
EOS
chmod +x "$robot"
start_server full || exit 1
fetch -F log=@big.cbr "${url}submit"
if [ "$code" != 503 ] || grep -q 'id="receipt"' body.html || [ -z "$(header Retry-After)" ]; then
    echo "FAIL (full disk): status $code, expected 503 with Retry-After and no receipt"
    head -c 1000 body.html
    fail=1
fi
fetch -F log=@small2.cbr "${url}submit"
[ "$code" = 200 ] || { echo "FAIL: a log that fits after the full disk: $code"; fail=1; }
stop_server
robot=$real_robot

start_server full || exit 1
fetch -F log=@small3.cbr "${url}submit"
[ "$code" = 200 ] || { echo "FAIL: a log after the restart: $code"; fail=1; }
stop_server
check=$(sqlite3 full/vscrobot.sqlite 'PRAGMA integrity_check')
[ "$check" = ok ] || { echo "FAIL: integrity_check: $check"; fail=1; }
calls=$(sqlite3 full/vscrobot.sqlite 'SELECT group_concat(call, " ") FROM logs ORDER BY id')
[ "$calls" = "Q1AA Q2BB Q3CC" ] || { echo "FAIL: stored: '$calls', expected Q1AA Q2BB Q3CC"; fail=1; }
exit $fail
