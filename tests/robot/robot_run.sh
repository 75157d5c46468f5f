# Helpers for the robot's shell tests, sourced: Cabrillo logs, a server on 127.0.0.1 on a free
# port, and curl against it. The caller sets robot (the program) and fail.

# make_log CALL [SED-EXPRESSION]: a clean log of five QSO lines scoring 21, CR LF line ends.
make_log() {
    {
        printf 'START-OF-LOG: 3.0\nCONTEST: RADIO-VSC\nCALLSIGN: %s\n' "$1"
        printf 'CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-BAND: ALL\nCATEGORY-MODE: MIXED\n'
        printf 'CATEGORY-POWER: LOW\nCLAIMED-SCORE: 21\n'
        printf 'QSO:  3535 CW 2025-02-15 0001 Q9VSC 599 001 Q1AA 599 5\n'
        printf 'QSO:  7012 CW 2025-02-15 0015 Q9VSC 599 002 Q2BB/P 599 7\n'
        printf 'QSO: 14250 PH 2025-02-15 0030 Q9VSC 59 003 Q1AA 59 6\n'
        printf 'QSO: 21080 RY 2025-02-15 0045 Q9VSC 599 004 Q3CC 599 0\n'
        printf 'QSO: 28020 CW 2025-02-15 0100 Q9VSC 599 005 Q4DD 599 3\n'
        printf 'END-OF-LOG:\n'
    } | sed -e "${2:-s/^//}" -e 's/$/\r/'
}

# big_log CALL LINES: a clean log of LINES QSO lines.
big_log() {
    {
        printf 'START-OF-LOG: 3.0\nCONTEST: RADIO-VSC\nCALLSIGN: %s\n' "$1"
        printf 'CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-BAND: ALL\nCATEGORY-MODE: MIXED\n'
        awk -v n="$2" 'BEGIN { for (i = 0; i < n; i++) {
            m = i % 1440; printf "QSO: 14250 PH 2025-02-15 %02d%02d Q9VSC 59 001 Q%dX 59 5\n",
                m / 60, m % 60, i } }'
        printf 'END-OF-LOG:\n'
    } | sed -e 's/$/\r/'
}

# start_server NAME [OPTION...]: serve NAME as the data folder; sets url and pid.
start_server() {
    name=$1
    shift
    # Gone before the start: the child truncates it only once it runs, and an earlier
    # server's line must not be read meanwhile.
    rm -f "$name.out"
    "$robot" serve --data "$name" --listen 127.0.0.1:0 "$@" >"$name.out" 2>"$name.err" &
    pid=$!
    url=
    tries=0
    while [ -z "$url" ] && [ $tries -lt 100 ]; do
        url=$(sed -n 's|^listening on \(http://127\.0\.0\.1:[0-9]*/\)$|\1|p' "$name.out" 2>/dev/null)
        [ -n "$url" ] || sleep 0.1
        tries=$((tries + 1))
    done
    if [ -z "$url" ]; then
        echo "FAIL: $name did not start:"
        cat "$name.err"
        fail=1
        kill "$pid" 2>/dev/null
        return 1
    fi
}

# stop_server [SIGNAL]: SIGTERM or the one named, and the server must exit 0 within 5 seconds
# (a watchdog kills it after, which fails the test).
stop_server() {
    kill -"${1:-TERM}" "$pid"
    (sleep 5 && kill -9 "$pid") >/dev/null 2>&1 &
    watchdog=$!
    wait "$pid"
    status=$?
    kill "$watchdog" 2>/dev/null
    [ "$status" -eq 0 ] || { echo "FAIL: the server exited $status on SIG${1:-TERM}"; fail=1; }
}

# fetch CURL-ARGUMENT...: sets code, with the body in body.html and the headers in headers.txt.
fetch() {
    code=$(curl -s -o body.html -D headers.txt -w '%{http_code}' --max-time 30 "$@")
}

# header NAME: the value of a response header in headers.txt.
header() {
    tr -d '\r' <headers.txt | sed -n "s/^$1: //Ip" | head -n 1
}
