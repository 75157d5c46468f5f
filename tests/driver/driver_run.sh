# Sourced by the driver's end-to-end scripts: runs vscscore and compares what it said.
# Expects driver, library, emulator and fail set; sets out, err and status.
out= err= status=0

# Runs the command with nothing on standard input: stdout in out, stderr in err, no CRs.
drive() {
    "$@" </dev/null >stdout.txt 2>stderr.txt && status=0 || status=$?
    # Skipped (status 77), the reason shown.
    if [ "$status" -eq 77 ]; then
        tr -d '\r' <stderr.txt
        exit 77
    fi
    out=$(tr -d '\r' <stdout.txt)
    err=$(tr -d '\r' <stderr.txt)
}
vsc() { drive $emulator "$driver" --library "$library" "$@"; }

expect_status() {
    [ "$status" -eq "$1" ] && return
    echo "FAIL ($2): exit status $status, expected $1; it said:"
    printf '%s\n' "$err" | head -n 20
    fail=1
}
expect_output() {
    if [ "$out" != "$2" ]; then
        echo "FAIL ($1): got"; printf '%s\n' "$out"; echo "-- expected"; printf '%s\n' "$2"
        fail=1
    fi
}
expect_line() {
    printf '%s\n' "$out" | grep -q -x -E -e "$2" || {
        echo "FAIL ($1): no line matches: $2"; printf '%s\n' "$out"; fail=1
    }
}
expect_message() {
    printf '%s\n' "$err" | grep -q -x -E -e "$2" || {
        echo "FAIL ($1): no message matches: $2"; printf '%s\n' "$err"; fail=1
    }
}
