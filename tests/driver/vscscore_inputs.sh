#!/bin/sh
# End to end: vscscore on the ADIF forms loggers write, a Cabrillo file the plug-in cannot
# write, callsigns that name no plain file, and the plug-in found as an installed program
# finds it. Each case runs in a folder of its own.
# Usage: vscscore_inputs.sh DRIVER LIBRARY [EMULATOR...]
set -u
driver=$1 library=$2
shift 2
emulator=$*
fail=0
here=$(pwd)
. "$(dirname "$0")/driver_run.sh"

field() { printf '<%s:%d>%s' "$1" "${#2}" "$2"; }
# record CALL TIME BAND FREQ MODE [NAME VALUE]...: one contact on 2025-02-15 (an empty value
# leaves its field out).
record() {
    field CALL "$1"; field QSO_DATE 20250215; field TIME_ON "$2"
    [ -n "$3" ] && field BAND "$3"
    [ -n "$4" ] && field FREQ "$4"
    [ -n "$5" ] && field MODE "$5"
    shift 5
    while [ $# -ge 2 ]; do field "$1" "$2"; shift 2; done
    field RST_SENT 599; field RST_RCVD 599; field STX_STRING 5; field SRX_STRING 7
    printf '<EOR>\n'
}

# In a fresh folder NAME (with Plugins), runs the driver: stdout in out, stderr in err.
fresh() { cd "$here" && rm -rf "$1" && mkdir -p "$1/Plugins" && cd "$1"; }

check() {  # CASE STATUS WHERE REGEX...: each REGEX matches a whole line of WHERE
    name=$1 want=$2 where=$3
    shift 3
    expect_status "$want" "$name"
    for pattern in "$@"; do
        case $where in
            out) text=$out ;;
            err) text=$err ;;
            *) text=$(tr -d '\r' <"$where" 2>/dev/null) ;;
        esac
        printf '%s\n' "$text" | grep -q -x -E -e "$pattern" || {
            echo "FAIL ($name): no line of $where matches: $pattern"
            printf '%s\n%s\n' "$out" "$err"; fail=1
        }
    done
}

# --- ADIF forms: what the plug-in is handed, and what is said about it ---------------------
qso='QSO: +'  # the start of a QSO line, its frequency column padded
fresh case
{ record q1bbb 0605 40m 7.025 cw; record Q1BBB 0610 40M 7.025 CW; } >log.adi
vsc audit log.adi
check "callsign and mode in any case" 1 out \
    "record 2 2025-02-15 0610 Q1BBB 40 CW: exact repeat of record 1 2025-02-15 0605 Q1BBB 40 CW"

fresh sideband
{ record Q1CCC 0605 20m 14.2 USB; record Q1CCD 0606 20m 14.2 LSB
  record Q1CCE 0607 20m 14.2 SSB SUBMODE USB; record Q1CCE 0620 20m 14.2 SSB; } >log.adi
vsc --call Q9VSC export log.adi
# Status 1: lint warns about the planted repeat.
check "USB, LSB and SUBMODE are SSB" 1 Q9VSC.cbr "${qso}14200 PH 2025-02-15 0605 .*" \
    "${qso}14200 PH 2025-02-15 0606 .*"
vsc audit log.adi
check "SSB with a SUBMODE repeats SSB" 1 out "record 4 .*: exact repeat of record 3 .*"

# Frequencies and bands as loggers write them, one record each, in one export.
fresh frequencies
{ record Q1DDD 0605 40m '' CW; record Q1EEE 0606 20m 14,025 CW; record Q1FFF 0607 20m 7.025 CW
  record Q1XXA 0608 20m 14025 CW; record Q1XXB 0609 21m 21.025 CW; } >log.adi
vsc --call Q9VSC export log.adi
check "BAND and no FREQ" 1 Q9VSC.cbr "${qso}7000 CW 2025-02-15 0605 .*"
check "BAND and no FREQ" 1 err \
    "vscscore: log.adi: record 1: no FREQ; written at the band's lower edge, 7000 kHz"
check "decimal comma" 1 Q9VSC.cbr "${qso}14025 CW 2025-02-15 0606 .*"
check "decimal comma" 1 err \
    'vscscore: log.adi: record 2: FREQ "14,025" has a decimal comma; read as 14.025'
check "FREQ not on BAND" 1 err \
    "vscscore: log.adi: record 3: FREQ 7.025 MHz is not on BAND 20m; scored on the band, written at the frequency"
check "FREQ not on BAND" 1 out \
    "Q9VSC.cbr: warning: QSO line [0-9]+ \(Q1FFF 2025-02-15 0607\): frequency 7025 kHz is outside the contact's band \(20\)"
check "kHz by mistake, a band that is none" 1 Q9VSC.cbr "${qso}14025 CW 2025-02-15 0608 .*" \
    "${qso}21025 CW 2025-02-15 0609 .*"
check "kHz by mistake, a band that is none" 1 err \
    'vscscore: log.adi: record 4: FREQ 14025 is in kHz, not MHz; read as 14025 kHz' \
    'vscscore: log.adi: record 5: unknown BAND "21m"; scored on the band of FREQ 21.025, 15'

fresh other-mode
{ record Q1GGG 0605 20m 14.074 ft8; record Q1GGH 0606 20m 14.074 '' ; } >log.adi
vsc --call Q9VSC export log.adi
# Status 5: a robot rejects a QSO line whose mode is none of Cabrillo's.
check "a mode that is no Cabrillo mode" 5 out \
    'Q9VSC.cbr: warning: mode "PM" is not CW, PH, FM, RY or DG, on 2 QSO lines: record 1 \(FT8\), record 2 \(no mode\); the host writes the same'

fresh leading-blank
{ printf '\r\n\n'; record Q1HHH 0605 40m 7.025 CW; } >log.adi
vsc --call Q9VSC score log.adi
check "blank lines before the first record" 0 err "vscscore: log.adi: 1 contact read"

fresh empty
printf 'header only\n<EOH>\n' >log.adi
vsc --call Q9VSC score log.adi
check "no contacts" 3 err "vscscore: log.adi: no contacts; give --date to score an empty log"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [ -z "$out" ] || {
    echo "FAIL (no contacts): more than one line"; fail=1
}
vsc --call Q9VSC --date 2025-02-15 score log.adi
check "no contacts, a date given" 0 out "Total.*"

fresh binary
printf '\177ELF\002\001\001\000\000\000' >binary.adi
printf '\377\376<\000C\000A\000L\000L\000' >utf16.adi
printf '<?xml version="1.0"?>\n<ADX><RECORDS><RECORD><CALL>Q1ABC</CALL></RECORD></RECORDS></ADX>\n' \
    >adx.adi
printf 'call,date,time\nQ1ABC,20250215,0605\n' >csv.adi
for pair in 'binary.adi:binary, or UTF-16 text' 'utf16.adi:binary, or UTF-16 text' \
    'adx.adi:XML, the ADX form of ADIF; export the log as \.adi' \
    'csv.adi:no ADIF tags: CSV, or other text'; do
    file=${pair%%:*}
    vsc --date 2025-02-15 score "$file"
    check "$file" 3 err "vscscore: $file: not an ADIF file \(${pair#*:}\)"
done

# --- nothing lost: a record swallowed, an empty log, an edited file ---------------------
fresh swallowed
{ record Q1RRR 0605 40m 7.025 CW | sed 's/<EOR>/<COMMENT:120>long <EOR>/'
  record Q1RRS 0606 40m 7.025 CW; } >log.adi
vsc --call Q9VSC export log.adi
check "a length over the record's end" 1 err "vscscore: log.adi: record 1: the length of <COMMENT:120> runs past the record's <EOR>; cut there, and record 2 after it read on its own" \
    "vscscore: log.adi: 2 contacts read"
check "a length over the record's end" 1 Q9VSC.cbr "${qso}7025 CW 2025-02-15 0606 .* Q1RRS .*"

fresh empty-over-file
record Q1SSS 0605 40m 7.025 CW >log.adi
vsc --call Q9VSC export log.adi
cp Q9VSC.cbr kept.cbr && cp Plugins/VESTAR.ini kept.ini
printf 'header only\n<EOH>\n' >empty.adi
vsc --call Q9VSC --date 2025-02-15 export empty.adi
check "an empty log over a file with contacts" 3 err \
    "vscscore: Plugins/VESTAR.ini holds the claimed score 7, which a log with no contacts would replace with 0; nothing done"
cmp -s Q9VSC.cbr kept.cbr && cmp -s Plugins/VESTAR.ini kept.ini || {
    echo "FAIL (an empty log over a file with contacts): a file changed"; fail=1
}
{ field CALL ''; field QSO_DATE 20250215; printf '<EOR>\n'; } >unreadable.adi
vsc --call Q9VSC --date 2025-02-15 score unreadable.adi
check "no record readable, a date given" 3 err \
    "vscscore: unreadable.adi: no contact could be read, 1 record skipped; nothing is scored or written"
# The file kept above, edited by hand and exported over.
printf 'SOAPBOX: by hand\r\n' >>Q9VSC.cbr && cp Q9VSC.cbr edited.cbr
vsc --call Q9VSC export log.adi
check "a re-export over an edited file" 0 err \
    "vscscore: the earlier Q9VSC\.cbr, which differs, is kept as Q9VSC\.cbr~"
cmp -s Q9VSC.cbr~ edited.cbr || { echo "FAIL (a re-export over an edited file): no copy"; fail=1; }
rm Q9VSC.cbr~ && vsc --call Q9VSC export log.adi
[ ! -e Q9VSC.cbr~ ] || { echo "FAIL (an unchanged re-export): a copy made"; fail=1; }
if [ -z "$emulator" ]; then
    mkdir real && mv Q9VSC.cbr real/ && ln -s real/Q9VSC.cbr Q9VSC.cbr
    vsc --call Q9VSC export log.adi
    check "a symbolic link" 5 err "vscscore: Q9VSC\.cbr is a symbolic link, .*; nothing exported .*"
    [ -L Q9VSC.cbr ] || { echo "FAIL (a symbolic link): replaced"; fail=1; }
fi

# --- what a contact says about its points, fields and band ---------------------------------
fresh points
{ record Q1UUA 0605 40m 7.025 CW SRX_STRING '599 10'
  record Q1UUB 0606 20m 14.025 CW SRX_STRING 999999999999
  record Q1UUC 0607 40m 7.025 CW SRX_STRING 5; } | sed 's/<SRX_STRING:1>7//' >log.adi
vsc --call Q9VSC score log.adi
check "points that are no plain integer" 1 err \
    'vscscore: log.adi: record 1: warning: SRX_STRING "599 10" is not a plain integer; it scores 599 points' \
    'vscscore: log.adi: record 2: warning: SRX_STRING "999999999999" is beyond the points a contact can hold; it scores 2147483647 points'
check "the score held at the limit" 1 out "Score: +2147483647"
vsc --call Q9VSC report log.adi
check "the report's score is the plug-in's" 1 out "Total .* 3/2147483647"

fresh fields-and-bands
{ field CALL Q1VVV; field QSO_DATE 20250215; field TIME_ON 0605; field BAND 40m
  field RST_RCVD 599; printf '<EOR>\n'
  record Q1VVW 0606 30m 10.11 CW; record Q1VVX 0607 40m 7.025 CW STX_STRING '5 1'; } \
    | sed 's/<STX_STRING:1>5//' >log.adi
# Every command reads the log alike; the export shows what it said, and what the read-back found.
vsc --call Q9VSC export log.adi
check "missing fields, a band of no contest, a blank" 5 err \
    "vscscore: log.adi: record 1: warning: no RST_SENT, STX_STRING, SRX_STRING: .*" \
    "vscscore: log.adi: record 2: warning: band 30 is not one of this contest's .*" \
    'vscscore: log.adi: record 3: warning: STX_STRING "5 1" holds a blank, .*'
check "a blank inside a field, read back" 5 out \
    'Q9VSC.cbr: record 3 \(Q1VVX .*\) cannot be read back: its exchange sent "5 1" holds a blank, .*'

# --- hostile input ----------------------------------------------------------------------------
fresh hostile
{ record "$(printf 'Q1\033[2JX')" 0605 40m 7.025 CW; record Q1WWW 0606 40m 7.025 CW
  record Q1WWW 0607 40m 7.025 CW; printf '<CALL:5>Q1OLD<QSO_DATE:8>18000101<TIME_ON:4>0605'
  printf '<BAND:3>40m<EOR>\n'; } >log.adi
vsc --call Q9VSC audit log.adi
check "control bytes, an old date" 1 out \
    'record 3 2025-02-15 0607 Q1WWW 40 CW: exact repeat of record 2 .*'
check "control bytes, an old date" 1 err \
    'vscscore: log.adi: record 4 at byte [0-9]+: QSO_DATE 18000101 is before 1930, the earliest date ADIF allows; skipped'
vsc --call Q9VSC check log.adi "$(printf 'Q1\033[2JX')" 20 CW
check "an escape shown harmlessly" 0 out 'Q1\\x1b\[2JX 20 CW: accepted'
{ field STATION_CALLSIGN "$(printf 'Q9\033]0;x\007\377')"; cat log.adi; } >page.adi
vsc report --html page.html page.adi
check "control bytes and broken UTF-8 on the page" 1 out 'VESTAR CUP 2025-02-15 +Q9\\x1b]0;X\\x07\\xff'
if tr -d '\n' <page.html | LC_ALL=C grep -q '[[:cntrl:]]' ||
    ! iconv -f UTF-8 -t UTF-8 page.html >/dev/null 2>&1 || ! grep -q 'Q9\\x1b]0;X' page.html; then
    echo "FAIL (control bytes and broken UTF-8 on the page): raw bytes on the page"; fail=1
fi

# --- small ones -------------------------------------------------------------------------------
fresh small
record Q1XXA 0605 20m 14.025 CW >log.adi
vsc --call Q9VSC check log.adi '' 20 CW
check "check: an empty callsign" 2 err "vscscore: check wants a callsign to check, not an empty text"
vsc --call Q9VSC check log.adi Q1NEW 20 XYZ
check "check: an unknown mode" 2 err "vscscore: unknown mode XYZ; CW or SSB \(USB and LSB count as SSB\)"

# Skipped records are named and counted; check's status stays its answer: 0 accepted, 1 refused.
fresh skipped
{ record Q1JJJ 0605 40m 7.025 CW; field CALL Q1KKK; printf '<EOR>\n'; } >log.adi
vsc --call Q9VSC check log.adi Q1NEW 40 CW
check "check accepted, a record skipped" 0 err "vscscore: log.adi: 1 record skipped"
vsc --call Q9VSC check log.adi q1jjj 40m cw
check "check refused, a record skipped" 1 out "Q1JJJ 40 CW: refused"
check "check refused, a record skipped" 1 err "vscscore: log.adi: 1 record skipped"

# The claimed score cannot be saved where the settings file should be.
fresh claimed
record Q1LLL 0605 40m 7.025 CW >log.adi
mkdir Plugins/VESTAR.ini
vsc --call Q9VSC score log.adi
check "claimed score not saved" 0 err \
    "vscscore: the claimed score [0-9]+ was not saved in Plugins/VESTAR\.ini"

# --- the file the plug-in cannot write: the earlier one is kept, byte for byte -------------
fresh not-written
record Q1MMM 0605 40m 7.025 CW >log.adi
mkdir Q9VSC.cbr
vsc --call Q9VSC export log.adi
check "a folder where the file should be" 5 err "Output: File not produced: Q9VSC\.cbr" \
    "vscscore: the plug-in could not write Q9VSC\.cbr; the earlier Q9VSC\.cbr is left as it was"
if [ -z "$emulator" ]; then
    fresh file-too-big
    for i in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25; do
        record "Q1N$i" "06$i" 40m 7.025 CW
    done >log.adi
    printf 'the earlier file\n' >Q9VSC.cbr
    # No more than 1 KiB per file written, the signal ignored: the write itself fails.
    (trap '' XFSZ; ulimit -f 2; vsc --call Q9VSC export log.adi; echo "$status" >status.txt)
    out=$(tr -d '\r' <stdout.txt) err=$(tr -d '\r' <stderr.txt) status=$(cat status.txt)
    check "the disk full" 5 err "Output: File not produced: Q9VSC\.cbr"
    [ "$(cat Q9VSC.cbr)" = "the earlier file" ] || {
        echo "FAIL (the disk full): the earlier file changed"; fail=1
    }
fi

# --- callsigns that name no plain file ------------------------------------------------------
# The names themselves are the library test's (one process for them all under Wine); here the
# driver hands a device name on and reads back the file the plug-in made of it.
fresh reserved
record Q1PPP 0605 40m 7.025 CW >log.adi
vsc --call con export log.adi
check "--call con" 0 out "CON_\.cbr: 1 QSO line: every contact once, .*"
{ field STATION_CALLSIGN 'A:B '; record Q1PPP 0605 40m 7.025 CW; } >station.adi
vsc export station.adi
check "a station callsign with a colon and a trailing blank" 1 out "A_B\.cbr: 1 QSO line: .*"

# --- finding the plug-in ---------------------------------------------------------------------
fresh lookup
record Q1QQQ 0605 40m 7.025 CW >log.adi
lib=$(basename "$library")
cp "$library" "mine-$lib"
drive $emulator "$driver" --library "mine-$lib" --call Q9VSC score log.adi
check "--library, a file of this folder" 0 out "Score: +7"
mkdir alone && cp "$driver" alone/
drive $emulator "alone/$(basename "$driver")" --call Q9VSC score log.adi
check "no plug-in anywhere" 4 err "vscscore: no $lib found \(looked in: .*alone.$lib, .*lib.vscscore.$lib\); give --library PATH"
# A folder and a log named in Cyrillic, as Russian-speaking contesters name theirs.
mkdir 'Мой лог' && cp "$driver" "$library" 'Мой лог/' && cp log.adi 'Мой лог (final).adi'
drive $emulator "Мой лог/$(basename "$driver")" --call Q9VSC score 'Мой лог (final).adi'
check "a Cyrillic folder and log name" 0 out "Score: +7"
if [ -z "$emulator" ]; then
    # Installed: the program in bin, the plug-in in lib/vscscore, run through a symlink.
    mkdir -p prefix/bin prefix/lib/vscscore elsewhere
    cp "$driver" prefix/bin/vscscore && cp "$library" prefix/lib/vscscore/
    ln -s "$here/lookup/prefix/bin/vscscore" elsewhere/vscscore
    drive elsewhere/vscscore --call Q9VSC score log.adi
    check "installed, run through a symlink" 0 out "Score: +7"
    # Beside the real program, which a symlink in another folder names.
    ln -s "$driver" elsewhere/beside
    drive elsewhere/beside --call Q9VSC score log.adi
    check "the program's real folder" 0 out "Score: +7"
fi
exit "$fail"
