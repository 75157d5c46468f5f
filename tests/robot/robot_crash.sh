#!/bin/sh
# kill -9 under load: every log a client got a receipt for is in the store after the restart,
# whole (its bytes give the SHA-256 on the receipt), and the database passes integrity_check.
# Usage: robot_crash.sh VSCROBOT
set -u
robot=$1
fail=0
. "$(dirname "$0")/robot_run.sh"

rm -rf crash receipts-* export
big_log Q0BIG 300 >base.cbr
start_server crash --uploads-per-minute 0 || exit 1
# Eight clients, each sending its own calls until the server is gone; a receipt is written
# down only when the page holding it arrived whole.
for client in 1 2 3 4 5 6 7 8; do
    (
        i=0
        while [ $i -lt 200 ]; do
            call="Q${client}C$i"
            sed "s/^CALLSIGN: .*/CALLSIGN: $call\r/" base.cbr >"up-$client.cbr"
            receipt=$(curl -s --max-time 20 -F "log=@up-$client.cbr" "${url}submit" |
                sed -n 's|.*<td id="receipt">\([0-9]*\)</td>.*|\1|p')
            [ -n "$receipt" ] || break
            echo "$call $receipt $(sha256sum <"up-$client.cbr" | cut -d' ' -f1)" \
                >>"receipts-$client"
            i=$((i + 1))
        done
    ) &
done
sleep 4
kill -9 "$pid"
wait
cat receipts-* >receipts 2>/dev/null
received=$(wc -l <receipts)
[ "$received" -ge 8 ] || { echo "FAIL: only $received receipts before the kill"; fail=1; }

check=$(sqlite3 crash/vscrobot.sqlite 'PRAGMA integrity_check')
[ "$check" = ok ] || { echo "FAIL: integrity_check after kill -9: $check"; fail=1; }
while read -r call receipt digest; do
    stored=$(sqlite3 crash/vscrobot.sqlite "SELECT call, sha256 FROM logs WHERE id = $receipt")
    [ "$stored" = "$call|$digest" ] ||
        { echo "FAIL: receipt $receipt for $call: stored '$stored'"; fail=1; }
done <receipts
# No half-stored log: every row's bytes are the bytes its digest names.
"$robot" export --data crash export 2>export.err || { echo "FAIL: export"; fail=1; }
rows=$(sqlite3 crash/vscrobot.sqlite 'SELECT call || " " || sha256 FROM logs ORDER BY call')
printf '%s\n' "$rows" | while read -r call digest; do
    [ "$(sha256sum <"export/$call.cbr" | cut -d' ' -f1)" = "$digest" ] ||
        { echo "FAIL: $call's bytes do not give its digest"; exit 1; }
done || fail=1

start_server crash || exit 1
fetch "${url}logs"
[ "$(grep -c '^<tr><td>Q' body.html)" -eq "$(printf '%s\n' "$rows" | wc -l)" ] ||
    { echo "FAIL: the restarted server does not list every stored log"; fail=1; }
stop_server
echo "$received receipts before kill -9, $(printf '%s\n' "$rows" | wc -l) logs stored"
exit $fail
