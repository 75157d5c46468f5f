#!/bin/sh
# End to end over HTTP: vscrobot serve on 127.0.0.1 on a free port, driven by curl; every
# status the web side gives, one row each, and the headers every page carries.
# Usage: robot_http.sh VSCROBOT
set -u
robot=$1
fail=0
. "$(dirname "$0")/robot_run.sh"

# row NAME STATUS GREP-PATTERN CURL-ARGUMENT...: the status, a line of the body matching the
# pattern, and the page headers.
row() {
    name=$1 want=$2 pattern=$3
    shift 3
    fetch "$@"
    if [ "$code" != "$want" ] || ! grep -q -e "$pattern" body.html; then
        echo "FAIL ($name): status $code, expected $want, body matching '$pattern'; body:"
        head -c 2000 body.html
        echo
        fail=1
    fi
    if [ "$(header Content-Security-Policy)" != "default-src 'none'; style-src 'unsafe-inline'; img-src data:; form-action 'self'; base-uri 'none'; frame-ancestors 'none'" ] ||
        [ "$(header X-Content-Type-Options)" != nosniff ]; then
        echo "FAIL ($name): page headers:"
        cat headers.txt
        fail=1
    fi
}

rm -rf site limited proxied early late idle
make_log Q9VSC >good.cbr
make_log Q9VSC 's/^CATEGORY-POWER: .*/CATEGORY-POWER: lo/' >bad.cbr
make_log "$(printf '<b>"Q1X&\033')" >hostile.cbr
: >empty.cbr
printf 'START\000\001\002\377binary' >binary.cbr
printf '\377\376S\000T\000A\000R\000T\000' >utf16.cbr
printf '<ADIF_VER:5>3.1.0<EOH>\n<CALL:4>Q1AA<QSO_DATE:8>20250215<EOR>\n' >log.adi
head -c 2200000 /dev/zero | tr '\0' 'x' >large.cbr

start_server site --uploads-per-minute 0 || exit 1
row "form" 200 'name="log"' "$url"
grep -q 'name="text"' body.html && grep -q 'type="submit"' body.html || {
    echo "FAIL (form): no text field or submit button"; fail=1; }
row "receipt" 200 '<td id="receipt">1</td>' -F log=@good.cbr "${url}submit"
grep -q '<td id="call">Q9VSC</td>' body.html || { echo "FAIL (receipt): no call"; fail=1; }
row "file field without a file name" 200 '<td id="replaces">receipt 1 ' \
    -F "log=<good.cbr" "${url}submit"
row "pasted" 200 '<td id="replaces">receipt 2 ' -F "text=<good.cbr" "${url}submit"
row "lint errors" 422 '<li>error: line 7: CATEGORY-POWER: &quot;lo&quot; is not one of' \
    -F log=@bad.cbr "${url}submit"
row "hostile call" 200 '<td id="call">&lt;B&gt;&quot;Q1X&amp;\\x1b</td>' -F log=@hostile.cbr \
    "${url}submit"
row "empty file" 400 'the file is empty' -F log=@empty.cbr "${url}submit"
row "binary file" 415 'not a text file' -F log=@binary.cbr "${url}submit"
row "UTF-16 file" 415 'not a text file (binary, or UTF-16)' -F log=@utf16.cbr "${url}submit"
row "ADIF file" 415 'not a Cabrillo file' -F log=@log.adi "${url}submit"
row "truncated multipart" 400 'multipart body could not be read' \
    -H 'Content-Type: multipart/form-data; boundary=xyz' --data-binary \
    "$(printf -- '--xyz\r\nContent-Disposition: form-data; name="log"; filename="a"\r\n\r\nab')" \
    "${url}submit"
row "not a form" 400 'not a multipart/form-data form' -H 'Content-Type: text/plain' \
    --data-binary @good.cbr "${url}submit"
row "no log field" 400 'no file named log and no text' -F other=x "${url}submit"
row "over the limit" 413 'larger than the limit of 2097152 bytes' -F log=@large.cbr \
    "${url}submit"
row "over the limit, chunked" 413 'larger than the limit' -H 'Transfer-Encoding: chunked' \
    -F log=@large.cbr "${url}submit"
curl -s -v -o /dev/null -o /dev/null "$url" "${url}logs" 2>&1 | grep -q 'Re-using existing connection' ||
    { echo "FAIL: the connection is not kept open between two pages"; fail=1; }
row "logs page" 200 '<tr><td>Q9VSC</td>' "${url}logs"
grep -q '<table id="logs">' body.html &&
    grep -q '<tr><td>&lt;B&gt;&quot;Q1X&amp;\\x1b</td>' body.html ||
    { echo "FAIL (logs page): table or escaped call missing"; fail=1; }
row "no such page" 404 'There is no page' "${url}nothing"
row "method" 405 'Only GET' -X PUT "${url}submit"
row "no results yet" 404 'not published yet' "${url}results/"
row "no path out of the site" 404 'no such results page' --path-as-is \
    "${url}results/../vscrobot.sqlite"
row "no path out of the site's folders" 404 'no such results page' --path-as-is \
    "${url}results/log/../../vscrobot.sqlite"
"$robot" publish --data site 2>publish.err || { echo "FAIL: publish"; cat publish.err; fail=1; }
row "results" 200 'Q9VSC' "${url}results/"
row "an entrant's results page" 200 'Q9VSC' "${url}results/log/Q9VSC.html"
stop_server

# The upload rate per address, and behind a trusted proxy the address it forwards.
start_server limited --uploads-per-minute 2 || exit 1
row "first upload" 200 'id="receipt"' -F log=@good.cbr "${url}submit"
row "second upload" 200 'id="receipt"' -F log=@good.cbr "${url}submit"
row "third upload in the minute" 429 'Too many uploads' -F log=@good.cbr "${url}submit"
retry=$(header Retry-After)
[ "$retry" -ge 1 ] 2>/dev/null && [ "$retry" -le 60 ] ||
    { echo "FAIL (429): Retry-After '$retry'"; fail=1; }
row "a forwarded address from no trusted proxy" 429 'Too many uploads' \
    -H 'X-Forwarded-For: 192.0.2.9' -F log=@good.cbr "${url}submit"
stop_server
start_server proxied --uploads-per-minute 1 --trusted-proxy 127.0.0.1 || exit 1
row "forwarded client" 200 'id="receipt"' -H 'X-Forwarded-For: 192.0.2.1' -F log=@good.cbr \
    "${url}submit"
row "same forwarded client" 429 'Too many' -H 'X-Forwarded-For: 10.9.9.9, 192.0.2.1' \
    -F log=@good.cbr "${url}submit"
row "another forwarded client" 200 'id="receipt"' -H 'X-Forwarded-For: 192.0.2.2' \
    -F log=@good.cbr "${url}submit"
stop_server

# The upload window's two ends.
tomorrow=$(date -u -d tomorrow +%Y-%m-%d)
start_server early --date "$tomorrow" || exit 1
row "the form before the start" 200 "<strong>Uploads open at the contest's start" "$url"
row "before the start" 403 "Uploads open at the contest's start, $tomorrow 00:00:00 UTC" \
    -F log=@good.cbr "${url}submit"
stop_server
start_server late --date 2025-02-15 --deadline "2025-02-20 00:00" || exit 1
row "after the deadline" 403 'Uploads closed at the deadline, 2025-02-20 00:00:00 UTC' \
    -F log=@good.cbr "${url}submit"
stop_server
[ "$(sqlite3 early/vscrobot.sqlite 'SELECT COUNT(*) FROM logs')" = 0 ] ||
    { echo "FAIL: a refused upload was stored"; fail=1; }

# An idle client is dropped after the timeout; a client that sends nothing holds no thread.
start_server idle --timeout 1 || exit 1
port=${url#http://127.0.0.1:}
port=${port%/}
dropped=$(python3 -c '
import socket, sys, time
s = socket.create_connection(("127.0.0.1", int(sys.argv[1])))
s.sendall(b"POST /submit HTTP/1.1\r\nHost: x\r\n")
start = time.time()
s.settimeout(10)
try:
    data = s.recv(100)
except socket.timeout:
    data = b"timeout"
print("%.0f %s" % (time.time() - start, data == b""))' "$port")
case "$dropped" in
1\ True|2\ True|3\ True) ;;
*) echo "FAIL (idle client): after seconds, closed: $dropped"; fail=1 ;;
esac
# A client that trickles its body a byte at a time, never idle, is dropped after four
# timeouts.
dropped=$(python3 -c '
import socket, sys, time
s = socket.create_connection(("127.0.0.1", int(sys.argv[1])))
s.sendall(b"POST /submit HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n"
          b"Content-Type: multipart/form-data; boundary=bb\r\n\r\n--bb\r\n"
          b"Content-Disposition: form-data; name=\"log\"; filename=\"a\"\r\n\r\n")
start = time.time()
closed = False
while not closed and time.time() - start < 20:
    time.sleep(0.5)
    try:
        s.sendall(b"x")
    except OSError:
        closed = True
print("%.0f %s" % (time.time() - start, closed))' "$port")
case "$dropped" in
4\ True|5\ True|6\ True|7\ True|8\ True) ;;
*) echo "FAIL (slow client): after seconds, closed: $dropped"; fail=1 ;;
esac
row "served after an idle client" 200 'name="log"' "$url"
stop_server INT

exit $fail
