#!/bin/sh
# End to end: vscscore lint on the sample's own export, on a file in the shape another logger
# (tlf) writes, on the header the form lets through, and on what is no Cabrillo file; its
# output and exit status.
# Usage: vscscore_lint.sh DRIVER LIBRARY SAMPLE [EMULATOR...]
set -u
driver=$1 library=$2 sample=$3
shift 3
emulator=$*
fail=0
. "$(dirname "$0")/driver_run.sh"
expect() {  # CASE STATUS OUTPUT
    expect_status "$2" "$1"
    expect_output "$1" "$3"
}

# The sample's export holds what the sample plants: repeats, too-early contacts, one contact
# typed in afterwards; and the header form's mode, CW, over the sample's phone contacts.
# Nothing else.
rm -f Q9VSC.cbr
vsc export "$sample"
vsc lint Q9VSC.cbr
expect "sample's export" 1 "Q9VSC.cbr:7: warning: CATEGORY-MODE: \"CW\" with QSO lines in PH (line 63 first)
Q9VSC.cbr:42: warning: too early after line 40 2025-02-15 0653 Q7CDC 40 CW, 7 minutes still to wait
Q9VSC.cbr:68: warning: exact repeat of line 51 2025-02-15 0713 Q9LPS 20 CW
Q9VSC.cbr:71: warning: too early after line 66 2025-02-15 0745 Q2IF 20 PH, 1 minute still to wait
Q9VSC.cbr:118: warning: too early after line 113 2025-02-15 0927 Q8BFD 10 PH, in the last minute of the 10-minute window
Q9VSC.cbr:152: warning: exact repeat of line 93 2025-02-15 0843 Q9LPS 15 CW
Q9VSC.cbr:158: warning: exact repeat of line 156 2025-02-15 1056 Q1HC 40 PH
Q9VSC.cbr:181: warning: too early after line 177 2025-02-15 1138 Q7MHC 80 PH, 4 minutes still to wait
Q9VSC.cbr:224: warning: earlier than line 223 before it (2025-02-15 1318)
Q9VSC.cbr: 205 QSO lines, 0 errors, 9 warnings"

# As tlf writes a log (format UNIVERSAL): LF line ends, its own header tags, padded fields.
qso() { printf 'QSO: %5s %2s 2025-02-15 %s %-13s %-3s %-6s %-13s %-3s %-6s\n' "$@"; }
{
    printf 'START-OF-LOG: 3.0\nCREATED-BY: tlf-1.4.1\nCONTEST: RADIO-VSC\nCALLSIGN: Q9VSC\n'
    printf 'CATEGORY-ASSISTED: NON-ASSISTED\nCATEGORY-BAND: ALL\nCATEGORY-MODE: MIXED\n'
    printf 'CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-POWER: LOW\nCATEGORY-STATION: FIXED\n'
    printf 'CATEGORY-TRANSMITTER: ONE\nCLAIMED-SCORE: 21\nOPERATORS: Q9VSC\nNAME: Ivan Q\n'
    printf 'ADDRESS: 1 Main St\nADDRESS-CITY: Town\nADDRESS-POSTALCODE: 12345\n'
    printf 'ADDRESS-COUNTRY: Utopia\nEMAIL: q9vsc@example.org\nLOCATION: DX\n'
    printf 'GRID-LOCATOR: KO85\nSOAPBOX: \n'
    qso 3535 CW 0001 Q9VSC 599 001 Q1AA 599 5
    qso 7012 CW 0015 Q9VSC 599 002 Q2BB/P 599 7
    qso 14250 PH 0030 Q9VSC 59 003 Q1AA 59 6
    qso 21080 RY 0045 Q9VSC 599 004 Q3CC 599 0
    qso 28020 CW 0100 Q9VSC 599 005 Q4DD 599 3
    printf 'END-OF-LOG:\n'
} >tlf.cbr
vsc lint tlf.cbr
expect "another logger's file" 0 "tlf.cbr: 5 QSO lines, 0 errors, 0 warnings"
vsc --date 2025-02-15 --hours 1 lint tlf.cbr
expect "contest period" 1 "tlf.cbr:27: warning: 2025-02-15 0100 is outside the contest period 2025-02-15 0000 to 2025-02-15 0100 UTC
tlf.cbr: 5 QSO lines, 0 errors, 1 warning"

# The header form lets "lo" and an empty band through; a robot rejects both.
sed -e 's/^CATEGORY-POWER: .*/CATEGORY-POWER: lo\r/' -e 's/^CATEGORY-BAND: .*/CATEGORY-BAND: \r/' \
    Q9VSC.cbr >form.cbr
vsc lint form.cbr
[ "$status" -eq 5 ] || { echo "FAIL (header values): exit status $status, expected 5"; fail=1; }
printf '%s\n' "$out" | grep -q -x 'form.cbr:5: error: CATEGORY-BAND: has no value; one of .*' &&
printf '%s\n' "$out" | grep -q -x 'form.cbr:6: error: CATEGORY-POWER: "lo" is not one of HIGH, LOW, QRP' &&
printf '%s\n' "$out" | grep -q -x 'form.cbr: 205 QSO lines, 2 errors, 9 warnings' || {
    echo "FAIL (header values):"; printf '%s\n' "$out"; fail=1
}

# What cannot be linted, and usage errors.
vsc lint missing.cbr
expect "missing file" 3 ""
expect_message "missing file" "vscscore: cannot read missing\.cbr: .+"
vsc lint "$sample"
expect "an ADIF file" 3 ""
expect_message "an ADIF file" "vscscore: .*: no START-OF-LOG: and no QSO: line; not a Cabrillo file"
vsc lint
expect "no file" 2 ""
vsc --hours 6 lint tlf.cbr
expect "--hours alone" 2 ""
vsc --date 2025-02-15 --hours 0 lint tlf.cbr
expect "no hours" 2 ""
exit "$fail"
