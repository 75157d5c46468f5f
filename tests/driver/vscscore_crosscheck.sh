#!/bin/sh
# End to end: vscscore crosscheck on a simulated contest, on the plug-in's own export, with a
# rules file for another contest; its files, its refusals and its exit statuses.
# Usage: vscscore_crosscheck.sh DRIVER LIBRARY SAMPLE GENERATOR [EMULATOR...]
set -u
driver=$1 library=$2 sample=$3 generator=$4
shift 4
emulator=$*
fail=0
. "$(dirname "$0")/driver_run.sh"
cc() { drive $emulator "$driver" crosscheck "$@"; }
check() {  # CASE CONDITION...
    name=$1
    shift
    "$@" || { echo "FAIL ($name): $*"; fail=1; }
}

rm -rf logs out out2 ref other exp
$emulator "$generator" generate logs 40 12000 3 >/dev/null
made=$?
# 77: the runtime cannot run the program here (the runner said why); skipped, as every Wine test.
[ "$made" -eq 77 ] && exit 77
[ "$made" -eq 0 ] || { echo "FAIL: no contest"; exit 1; }
qsos=$(cat logs/*.cbr | grep -c '^QSO:')

# The garbled lines the simulation plants are lint errors: status 5, and every file checked.
cc --date "2025-02-15 06:00" --out out logs
expect_status 5 "simulated contest"
check "qsos.csv header" [ "$(head -n 1 out/qsos.csv)" = "log,line,verdict,partner,partner_line" ]
check "one row a QSO line" [ "$(wc -l <out/qsos.csv)" -eq $((qsos + 1)) ]
check "one row a log" [ "$(wc -l <out/results.csv)" -eq 41 ]
check "one report a log" [ "$(ls out/ubn | wc -l)" -eq 40 ]
check "no progress off a terminal" [ -z "$(printf '%s' "$err" | grep 'crosscheck: read')" ]
expect_line "summary" '^crosscheck: 40 logs, [0-9]+ QSO lines: invalid [0-9]+, .*, ok [0-9]+$'

# Run again, from this contest's rules file with every key written out: its own files are
# replaced, with the same bytes.
cp -r out ref
cat >this.ini <<'INI'
[Contest]
Name=RADIO-VSC           ; as results.txt names the contest
Start=2025-02-15 06:00   ; UTC; --date/--hours override
Hours=24
[Exchange]
Sent=RST EXCH            ; the fields after the own call, in order
Received=RST EXCH        ; the fields after the worked call, in order
Check=EXCH               ; received fields that must equal what the partner sent
Points=EXCH              ; the received field whose integer value is the points; empty: 1 each
[Match]
Tolerance=3              ; minutes, after each log's clock correction
Clock=auto               ; auto: estimate each log's offset; off
[Repeat]
SameBandMode=never       ; or the minutes after which the same station counts again
OtherBandMode=10         ; minutes before the same station counts on another band or mode
[Credit]
NoLog=3                  ; a station that sent no log counts once it is in this many logs
Unique=yes               ; whether a call found in no other log counts
[Penalty]
NotInLog=1               ; contacts' points lost besides the contact itself
BustedCall=1
BustedExchange=0
INI
cc --rules this.ini --out out logs
expect_status 5 "run again, from this contest's rules file"
for f in qsos.csv results.csv results.txt ubn/*; do
    [ -f "ref/$f" ] || continue
    check "same $f" cmp -s "out/$f" "ref/$f"
done

# A log saved as UTF-16 (what Windows Notepad calls "Unicode") is the same log.
if command -v iconv >/dev/null; then
    rm -rf wide outw
    cp -r logs wide
    first=$(ls logs | head -n 1)
    iconv -f UTF-8 -t UTF-16 "logs/$first" >"wide/$first"
    cc --date "2025-02-15 06:00" --out outw wide
    expect_status 5 "a UTF-16 log"
    # The reports name the files by their folder.
    same_but_folder() { sed 's|wide/|logs/|g' "outw/$1" | cmp -s - "out/$1"; }
    for f in qsos.csv results.csv $(cd out && ls ubn/*); do
        check "UTF-16: same $f" same_but_folder "$f"
    done
fi

# The same files checked by the native build: byte for byte the same results.
if [ -n "${STATS_REFERENCE_DRIVER:-}" ]; then
    rm -rf ref
    "$STATS_REFERENCE_DRIVER" crosscheck --date "2025-02-15 06:00" --out ref logs \
        >/dev/null 2>&1
    for f in qsos.csv results.csv results.txt $(cd out && ls ubn/*); do
        check "native $f" cmp -s "out/$f" "ref/$f"
    done
fi

# A progress line on a terminal only.
if [ -z "$emulator" ] && command -v script >/dev/null; then
    rm -rf tty
    script -qec "$driver crosscheck --date '2025-02-15 06:00' --out tty logs" /dev/null \
        >tty.txt 2>&1 || true
    check "progress on a terminal" grep -q 'crosscheck: read 40 of 40 files' tty.txt
fi

# Never into the input's folder; never over a file it did not write.
cc --out logs logs
expect_status 2 "output folder holds an input"
expect_message "output folder holds an input" '^vscscore: the output folder logs holds the input .*'
check "nothing made in the input's folder" [ ! -e logs/ubn ]
mkdir out2
echo mine >out2/results.txt
cc --out out2 logs
expect_status 2 "a file not ours"
check "a file not ours kept" [ "$(cat out2/results.txt)" = "mine" ]
check "nothing written beside it" [ "$(ls out2)" = results.txt ]

# Rules files: a wrong key named by its line; another contest's exchange (serial numbers,
# a point a contact).
printf '[Match]\r\nTolerance=3 ; minutes\r\nFoo=1\r\n[Credit]\r\nNoLog=many\r\n' >bad.ini
cc --rules bad.ini logs
expect_status 2 "bad rules"
expect_message "unknown key" '^vscscore: bad.ini:3: unknown key Foo in \[Match\]$'
expect_message "bad value" '^vscscore: bad.ini:5: NoLog wants a number of logs, 1 or more, not "many"$'
printf '[Contest]\nStart=2025-03-01 12:00\nHours=4\n[Exchange]\nSent=RST NR\nReceived=RST NR\n' \
    >other.ini
printf 'Check=NR\nPoints=\n[Penalty]\nNotInLog=2\n' >>other.ini
mkdir other
line() { printf 'QSO: 14020 CW 2025-03-01 %s %-13s 599 %-6s %-13s 599 %s\r\n' "$@"; }
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: Q1AA\r\nCATEGORY-OPERATOR: SINGLE-OP\r\n'
    line 1200 Q1AA 1 Q2BB 1; line 1201 Q1AA 2 Q3CC 7; line 1202 Q1AA 3 Q2CC 9
    printf 'END-OF-LOG:\r\n'
} >other/q1aa.log
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: Q2BB\r\nCATEGORY-OPERATOR: SINGLE-OP\r\n'
    line 1200 Q2BB 1 Q1AA 1; printf 'END-OF-LOG:\r\n'
} >other/q2bb.log
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: Q3CC\r\nCATEGORY-OPERATOR: SINGLE-OP\r\n'
    line 1201 Q3CC 6 Q1AA 2; printf 'END-OF-LOG:\r\n'
} >other/q3cc.log
cc --rules other.ini --out out3 other
expect_status 1 "another contest"
check "another contest's verdicts" [ "$(cat out3/qsos.csv)" = "log,line,verdict,partner,partner_line
Q1AA,4,ok,Q2BB,4
Q1AA,5,busted-exchange,Q3CC,4
Q1AA,6,unique,,
Q2BB,4,ok,Q1AA,4
Q3CC,4,ok,Q1AA,5" ]
check "a point a contact" grep -q '^Q1AA,SINGLE-OP,,3,1,0,0,0,0,0,0,1,1,0,1,0,yes,2,0,2$' out3/results.csv

# SameBandMode=5: a repeat 4 minutes later is a dupe, one 5 minutes later counts, and the
# dupe just before it does not take its partner's line.
printf '[Contest]\nStart=2025-03-01 12:00\nHours=4\n[Repeat]\nSameBandMode=5\n' >repeat.ini
rm -rf repeat out5
mkdir repeat
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: Q1AA\r\n'
    line 1200 Q1AA 1 Q2BB 1; line 1204 Q1AA 1 Q2BB 1; line 1205 Q1AA 1 Q2BB 1
    printf 'END-OF-LOG:\r\n'
} >repeat/q1aa.log
{
    printf 'START-OF-LOG: 3.0\r\nCALLSIGN: Q2BB\r\n'
    line 1200 Q2BB 1 Q1AA 1; line 1205 Q2BB 1 Q1AA 1; printf 'END-OF-LOG:\r\n'
} >repeat/q2bb.log
cc --rules repeat.ini --out out5 repeat
expect_status 5 "a repeat window (lint: the plug-in's own rule refuses repeats)"
check "the repeat window's edge" [ "$(cat out5/qsos.csv)" = "log,line,verdict,partner,partner_line
Q1AA,3,ok,Q2BB,3
Q1AA,4,dupe,,
Q1AA,5,ok,Q2BB,4
Q2BB,3,ok,Q1AA,3
Q2BB,4,ok,Q1AA,5" ]

# The plug-in's own export, as one entrant's file.
mkdir exp
(cd exp && drive $emulator "$driver" --library "$library" export "$sample")
cc --date 2025-02-15 --out out4 exp/Q9VSC.cbr
expect_status 1 "the plug-in's export"
check "export's lines" [ "$(wc -l <out4/qsos.csv)" -eq 206 ]

exit $fail
