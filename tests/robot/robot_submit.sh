#!/bin/sh
# The mail pipe and the sponsor's commands: vscrobot submit on a MIME mail with the log
# attached, on a plain mail body and on a bare Cabrillo file; its refusals; list and export.
# Usage: robot_submit.sh VSCROBOT
set -u
robot=$1
fail=0
. "$(dirname "$0")/robot_run.sh"

# submit NAME STATUS PATTERN [OPTION...] <MESSAGE: the exit status and a line of the reply.
submit() {
    name=$1 want=$2 pattern=$3
    shift 3
    out=$("$robot" submit --data mail "$@" 2>submit.err)
    status=$?
    if [ "$status" != "$want" ] || ! printf '%s\n' "$out" | grep -q -e "$pattern"; then
        echo "FAIL ($name): exit $status, expected $want, a line matching '$pattern':"
        printf '%s\n' "$out"
        cat submit.err
        fail=1
    fi
}

rm -rf mail exported
make_log Q9VSC >q9vsc.cbr
make_log Q1AA >q1aa.cbr
make_log Q1AA 's/^CLAIMED-SCORE: .*/CLAIMED-SCORE: 20/' >q1aa-again.cbr
make_log Q2BB 's/^CATEGORY-MODE: .*/CATEGORY-MODE: WALKIE/' >q2bb.cbr
make_log 'Q3/../X' >slash.cbr
{
    printf 'From: q9vsc@example.org\r\nTo: logs@example.org\r\nSubject: log\r\n'
    printf 'MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary="b1"\r\n\r\n'
    printf -- '--b1\r\nContent-Type: text/plain\r\n\r\nMy log, 73.\r\n--b1\r\n'
    printf 'Content-Type: application/octet-stream; name="q9vsc.cbr"\r\n'
    printf 'Content-Disposition: attachment; filename="q9vsc.cbr"\r\n'
    printf 'Content-Transfer-Encoding: base64\r\n\r\n'
    base64 q9vsc.cbr | sed 's/$/\r/'
    printf -- '--b1--\r\n'
} >attached.eml
{
    printf 'From: q1aa@example.org\r\nSubject: log\r\nContent-Type: text/plain\r\n\r\n'
    cat q1aa.cbr
} >plain.eml

submit "attachment on stdin" 0 '^Receipt: 1$' <attached.eml
printf '%s\n' "$out" | grep -q '^Callsign: Q9VSC$' &&
    printf '%s\n' "$out" | grep -q "^SHA-256: $(sha256sum <q9vsc.cbr | cut -d' ' -f1)$" ||
    { echo "FAIL (attachment): receipt"; printf '%s\n' "$out"; fail=1; }
submit "plain body as FILE" 0 '^Callsign: Q1AA$' plain.eml
submit "a bare Cabrillo file" 0 '^Replaces: receipt 2 ' q1aa-again.cbr
submit "lint errors" 5 '^error: line 6: CATEGORY-MODE: "WALKIE" is not one of' <q2bb.cbr
submit "no log in the mail" 5 'no attachment and no Cabrillo log' <<EOF2
From: x@example.org
Subject: where is it

I forgot the log.
EOF2
submit "after the deadline" 5 '^Refused: Uploads closed at the deadline, 2025-02-20 00:00:00 UTC' \
    --date 2025-02-15 --deadline "2025-02-20 00:00" <q9vsc.cbr
head -c 3000000 /dev/zero | tr '\0' x >large.eml
submit "over the limit" 5 '^Refused: the message is larger than the limit of 2097152 bytes' \
    <large.eml
submit "a call naming a path" 0 '^Callsign: Q3/../X$' <slash.cbr

[ "$(sqlite3 mail/vscrobot.sqlite 'SELECT COUNT(*) FROM logs')" = 4 ] ||
    { echo "FAIL: expected 4 versions stored"; fail=1; }
listed=$("$robot" list --data mail | cut -f1,3,4,6)
expected=$(printf 'Q1AA\t5\t20\treceipt 3\nQ3/../X\t5\t21\treceipt 4\nQ9VSC\t5\t21\treceipt 1')
[ "$listed" = "$expected" ] || { echo "FAIL (list):"; printf '%s\n' "$listed"; fail=1; }

# Export: each counting log by the product's file base, byte for byte as received.
"$robot" export --data mail exported 2>export.err || { echo "FAIL: export"; fail=1; }
ls exported >names
[ "$(tr '\n' ' ' <names)" = "Q1AA.cbr Q3_.._X.cbr Q9VSC.cbr " ] ||
    { echo "FAIL (export names):"; cat names; fail=1; }
cmp -s exported/Q9VSC.cbr q9vsc.cbr && cmp -s exported/Q1AA.cbr q1aa-again.cbr ||
    { echo "FAIL (export): the bytes differ from those received"; fail=1; }

"$robot" list --data mail extra >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: list with an operand is no usage error"; fail=1; }
"$robot" serve >/dev/null 2>&1
[ $? -eq 2 ] || { echo "FAIL: serve without --data is no usage error"; fail=1; }
exit $fail
