#!/bin/sh
# End to end: vscscore loads the real library and scores, audits and checks the sample log;
# its exit status, output and messages are compared whole.
# Usage: vscscore_sample.sh DRIVER LIBRARY SAMPLE [EMULATOR...]
set -u
driver=$1 library=$2 sample=$3
shift 3
fail=0
emulator=$*
. "$(dirname "$0")/driver_run.sh"

read_line="vscscore: $sample: 205 contacts read"
tab=$(printf '\t')

vsc score "$sample"
expect_status 0 score
expect_message score "$read_line"
expect_output score "VESTAR CUP 15.02.25 
  Contestant: Q9VSC
Band${tab}QSOs${tab}Points
160${tab} 28${tab} 116
80${tab} 43${tab} 153
40${tab} 30${tab} 133
20${tab} 44${tab} 187
15${tab} 31${tab} 122
10${tab} 29${tab} 126
Total${tab} 205${tab} 837

Score:  837
Created by Gremik 2014."

vsc --call Q8ZZ --date 2025-03-01 score "$sample"
expect_line "options" "VESTAR CUP 01\.03\.25 "
expect_line "options" "  Contestant: Q8ZZ"
vsc score "$sample" --call=Q8YY --date=2025-03-02
expect_line "options after the operand" "VESTAR CUP 02\.03\.25 "
expect_line "options after the operand" "  Contestant: Q8YY"

vsc audit "$sample"
expect_status 1 audit
expect_output audit "record 23 2025-02-15 0656 Q7CDC 20 CW: too early after record 21 2025-02-15 0653 Q7CDC 40 CW, 7 minutes still to wait
record 49 2025-02-15 0748 Q9LPS 20 CW: exact repeat of record 32 2025-02-15 0713 Q9LPS 20 CW
record 52 2025-02-15 0754 Q2IF 15 SSB: too early after record 47 2025-02-15 0745 Q2IF 20 SSB, 1 minute still to wait
record 99 2025-02-15 0937 Q8BFD 10 CW: too early after record 94 2025-02-15 0927 Q8BFD 10 SSB, in the last minute of the 10-minute window
record 133 2025-02-15 1049 Q9LPS 15 CW: exact repeat of record 74 2025-02-15 0843 Q9LPS 15 CW
record 139 2025-02-15 1100 Q1HC 40 SSB: exact repeat of record 137 2025-02-15 1056 Q1HC 40 SSB
record 162 2025-02-15 1144 Q7MHC 80 CW: too early after record 158 2025-02-15 1138 Q7MHC 80 SSB, 4 minutes still to wait
audit: 205 contacts, 3 exact repeats, 4 too early"

vsc check "$sample" Q7PSD 80m CW
expect_status 1 "check, exact repeat"
expect_line "check, exact repeat" "Q7PSD 80 CW: refused"
vsc check "$sample" Q1NEW 20 SSB
expect_status 0 "check, new station"
expect_line "check, new station" "Q1NEW 20 SSB: accepted"

# Three minutes after a contact, by the real clock (nothing can set the clock of a program under
# Wine): the plug-in's own warning, readable on a UTF-8 terminal. A minute may begin while the
# program runs, so the wait by any minute the clock showed meanwhile is right.
field() { printf '<%s:%d>%s' "$1" "${#2}" "$2"; }
before=$(date -u +%s)
contact=$((before - 180))
{
    field CALL Q1NOW; field QSO_DATE "$(date -u -d "@$contact" +%Y%m%d)"
    field TIME_ON "$(date -u -d "@$contact" +%H%M%S)"
    field BAND 40m; field MODE CW; field STATION_CALLSIGN Q9VSC; printf '<EOR>\n'
} >recent.adi
vsc check recent.adi Q1NOW 20 CW
after=$(date -u +%s)
expect_status 1 "check, too early"
waits= minute=$((before / 60))
while [ "$minute" -le $((after / 60)) ]; do
    waits="$waits|$((10 - (minute - contact / 60)))"
    minute=$((minute + 1))
done
expect_line "check, too early" \
    "Q1NOW 20 CW: refused: QSO c Q1NOW ЕЩЕ РАНО ПРОВОДИТЬ ! ЖДЕМ ЕЩЕ (${waits#|}) МИНУТ"

# Usage errors, an unreadable file, a record that cannot be read.
vsc --help
expect_status 0 help
expect_line help "Usage:"
expect_line help "  vscscore \[OPTIONS\] audit LOG\.adi"
vsc
expect_status 2 "no command"
expect_message "no command" "Try 'vscscore --help'\."
vsc score "$sample" --cal Q8ZZ
expect_status 2 "unknown option, or a name cut short"
expect_message "unknown option, or a name cut short" "vscscore: unknown option --cal"
vsc score --html x.html "$sample"
expect_status 2 "another command's option"
expect_message "another command's option" "vscscore: --html is not an option of score"
drive $emulator "$driver" -h crosscheck
expect_status 0 "a command's own help"
expect_line "a command's own help" "vscscore crosscheck - the sponsor's cross-check .*"
drive $emulator "$driver" crosscheck --html=yes x.cbr
expect_status 2 "a flag given a value"
expect_message "a flag given a value" "vscscore: --html takes no value"
drive $emulator "$driver" crosscheck --call Q9VSC x.cbr
expect_status 2 "crosscheck's usage"
expect_message "crosscheck's usage" "Try 'vscscore crosscheck --help'\."
vsc score "$sample" --date
expect_status 2 "no value"
expect_message "no value" "vscscore: --date needs a value"
vsc score "$sample" extra
expect_status 2 "one operand too many"
vsc --date 2025-02-30 score "$sample"
expect_status 2 "bad date"
vsc score missing.adi
expect_status 3 "missing file"
expect_message "missing file" "vscscore: cannot read missing\.adi: .+"
[ -z "$out" ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || {
    echo "FAIL (missing file): more than one line"; fail=1
}
{
    field CALL Q1ABC; field QSO_DATE 20250215; field TIME_ON 0605; field BAND 40m
    field SRX_STRING 5; printf '<EOR>\n'
    field QSO_DATE 20250215; field TIME_ON 0606; field BAND 40m; printf '<EOR>\n'
} >broken.adi
vsc --call Q9VSC score broken.adi
expect_status 1 "skipped record"
expect_message "skipped record" "vscscore: broken\.adi: record 2 at byte 80: no CALL; skipped"
expect_line "skipped record" "Total${tab} 1${tab} 5"
expect_message "skipped record" "vscscore: broken\.adi: 1 record skipped, 1 record repaired, 1 record with warnings"
exit "$fail"
