#!/bin/sh
# What a sponsor's mailbox holds, one row each: a call too long to be a file name, links out of
# the folder, two saves of one log at the same time, folders and FIFOs, control bytes and
# formulas in calls and names, files too large, a call that names a hidden file. Each row runs
# crosscheck on its own folder and checks what it wrote and said.
# Usage: crosscheck_mailbox.sh DRIVER [EMULATOR...]
set -u
driver=$1
shift
emulator=$*
fail=0
. "$(dirname "$0")/driver_run.sh"
cc() { drive $emulator "$driver" crosscheck --date "2025-03-01 12:00" --hours 4 "$@"; }
row=
bad() { echo "FAIL ($row): $*"; fail=1; }
has() {
    printf '%s\n' "$err" | grep -q -F -e "$1" || { bad "no message holding: $1"; printf '%s\n' "$err"; }
}

# log FILE CALL [WORKED...]: a log of CALL working each WORKED a minute apart, exchange 1.
log() {
    file=$1 own=$2
    shift 2
    {
        printf 'START-OF-LOG: 3.0\r\nCONTEST: RADIO-VSC\r\nCALLSIGN: %s\r\n' "$own"
        printf 'CATEGORY-OPERATOR: SINGLE-OP\r\n'
        minute=10
        for worked in "$@"; do
            printf 'QSO: 14020 CW 2025-03-01 12%s %-13s 599 1      %-13s 599 1\r\n' \
                "$minute" "$own" "$worked"
            minute=$((minute + 1))
        done
        printf 'END-OF-LOG:\r\n'
    } >"$file"
}
# A fresh folder with three logs that confirm each other.
contest() {
    rm -rf "$1" && mkdir "$1"
    log "$1/q1aa.cbr" Q1AA Q2BB Q3CC
    log "$1/q2bb.cbr" Q2BB Q1AA Q3CC
    log "$1/q3cc.cbr" Q3CC Q1AA Q2BB
}
rm -rf box out elsewhere

# 1. A call too long for a file name: every file still written, the list kept, the next run
# into the same folder goes on; lint names the call.
row="a 302-character call"
long=Q1$(printf 'A%.0s' $(seq 300))
contest box
log box/long.cbr "$long" Q1AA
cc --html --out out box
[ "$status" -ne 2 ] || bad "refused"
[ "$(ls out/ubn | wc -l)" -eq 4 ] || bad "ubn reports: $(ls out/ubn | wc -l) of 4"
[ "$(ls out/log | wc -l)" -eq 4 ] || bad "pages: $(ls out/log | wc -l) of 4"
[ -f out/crosscheck.written ] || bad "no crosscheck.written"
for name in $(cd out && ls ubn/* log/*); do
    [ "${#name}" -le 100 ] || bad "a name of ${#name} characters"
done
cc --html --out out box
[ "$status" -ne 2 ] || { bad "the next run refused its own files"; printf '%s\n' "$err"; }
drive $emulator "$driver" lint box/long.cbr
printf '%s\n' "$out" | grep -q 'CALLSIGN: .* is 302 characters' || bad "lint: $out"

# A report that cannot be written (a folder stands where it goes, listed as this command's):
# named, and every other file still written and listed.
row="one report not written"
if [ -z "$emulator" ]; then
    contest box
    rm -rf out && mkdir -p out/ubn/Q2BB.txt
    printf 'vscscore crosscheck: files written (size, modified, name)\n%s %s ubn/Q2BB.txt\n' \
        "$(stat -c %s out/ubn/Q2BB.txt)" "$(stat -c %.9Y out/ubn/Q2BB.txt | tr -d .)" \
        >out/crosscheck.written
    cc --out out box
    [ "$status" -eq 5 ] || bad "status $status"
    has "cannot write out/ubn/Q2BB.txt"
    [ -f out/ubn/Q3CC.txt ] && [ -f out/results.txt ] || bad "the others not written"
    grep -q ' ubn/Q3CC.txt$' out/crosscheck.written ||
        bad "crosscheck.written: $(cat out/crosscheck.written)"
fi

# 2. Links that leave the input folder are skipped and named; output never goes through a link.
row="links out of the folder"
contest box
mkdir elsewhere
log elsewhere/q9zz.cbr Q9ZZ Q1AA
if ln -s ../elsewhere/q9zz.cbr box/outside.cbr 2>/dev/null && [ -z "$emulator" ]; then
    ln -s /proc/self/status box/status.cbr
    ln -s q1aa.cbr box/again.cbr
    rm -rf out && cc --out out box
    has "outside.cbr: skipped: a link to a file outside"
    has "status.cbr: skipped: a link to a file outside"
    grep -q Q9ZZ out/results.csv && bad "a log outside the folder scored"
    rm box/outside.cbr box/status.cbr box/again.cbr
    rm -rf out && mkdir out && ln -s ../elsewhere out/ubn
    cc --out out box
    [ "$status" -eq 2 ] || bad "status $status through out/ubn -> ../elsewhere"
    [ ! -e elsewhere/Q1AA.txt ] || bad "written through out/ubn"
    has "out/ubn is a link"
fi

# 3. Two saves of one log, the same modification time: the larger counts, and that is said.
row="the same CALLSIGN, the same time"
contest box
log box/q1aa-partial.cbr Q1AA Q2BB
touch -d "2025-03-02 10:00" box/q1aa.cbr box/q1aa-partial.cbr
rm -rf out && cc --out out box
has "the same modification time"
has "q1aa-partial.cbr (Q1AA) not counted"
grep -q 'modified later' stderr.txt && bad "said modified later"
grep -q '^Q1AA,SINGLE-OP,,2,' out/results.csv || bad "the partial log counts"

# 4. Subfolders, broken links, linked folders and FIFOs are each named.
row="what is not a file"
contest box
mkdir box/sub
if ln -s nowhere.cbr box/broken.cbr 2>/dev/null && mkfifo box/pipe.cbr 2>/dev/null &&
    [ -z "$emulator" ]; then
    ln -s sub box/folder-link
    rm -rf out && cc --out out box
    has "sub: skipped: a folder"
    has "broken.cbr: skipped: a link to nothing"
    has "folder-link: skipped: a link to a folder"
    has "pipe.cbr: skipped: not a regular file"
    rm box/broken.cbr box/pipe.cbr box/folder-link
else
    rm -rf out && cc --out out box
    has "sub: skipped: a folder"
fi

# 5. Control bytes are shown escaped; a cell that a spreadsheet reads as a formula is quoted.
row="control bytes and formulas"
contest box
esc=$(printf 'Q4\033[2JX')
log box/esc.cbr "$esc" Q1AA
log box/formula.cbr '=HYPERLINK("x")' Q1AA
if [ -z "$emulator" ]; then
    log "box/$(printf 'two\nlines.cbr')" Q5EE Q1AA
fi
rm -rf out && cc --out out box
for f in results.txt results.csv qsos.csv $(cd out && ls ubn/*); do
    LC_ALL=C grep -q "$(printf '\033')" "out/$f" && bad "an escape byte in $f"
done
LC_ALL=C grep -q "$(printf '\033')" stderr.txt && bad "an escape byte on standard error"
grep -q 'Q4\\x1b\[2JX' out/results.txt || bad "results.txt does not show \\x1b"
grep -q "^\"'=HYPERLINK(\"\"X\"\")\"," out/results.csv ||
    bad "results.csv: $(grep HYPER out/results.csv)"
grep -q "^\"'=HYPERLINK" out/qsos.csv || bad "qsos.csv: $(grep HYPER out/qsos.csv | head -n 1)"
if [ -z "$emulator" ]; then
    [ "$(grep -c '^File: ' out/ubn/Q5EE.txt)" -eq 1 ] && grep -q '^File: .*two\\x0alines' \
        out/ubn/Q5EE.txt || bad "File: line $(cat out/ubn/Q5EE.txt)"
fi

# 6. A file far past any log's size is refused by its size, before it is read.
row="files too large"
contest box
truncate -s 200M box/huge.cbr
rm -rf out && cc --out out box
has "huge.cbr: not read: 209715200 bytes, more than the limit of"
[ "$status" -eq 5 ] || bad "status $status"
rm box/huge.cbr
if [ -z "$emulator" ] && [ -c /dev/zero ]; then
    rm -rf out && cc --out out box/q1aa.cbr /dev/zero
    has "/dev/zero: not read: not a regular file"
fi

# 7. results.txt as a sponsor publishes it: the contest and its period, places, a legend, calls
# of any length in line, no score below 0, files named as given.
row="results.txt published"
contest box
log box/long-call.cbr Q6ABCDEFGHIJKLMNOP Q1AA Q2BB Q3CC
printf 'garbage\n' >box/junk.cbr
rm -rf out && cc --out out "$PWD/box"
txt=out/results.txt
grep -q '^RADIO-VSC, 2025-03-01 1200 to 1600 UTC$' $txt ||
    bad "no contest and period: $(head -n 3 $txt)"
grep -q '^Place  *Call ' $txt || bad "no Place column"
grep -q '^Legend$' $txt || bad "no legend"
grep -q 'below 0' $txt || bad "the legend does not say the floor"
grep -q 'Q6ABCDEFGHIJKLMNOP .* 0$' $txt || bad "a negative final score: $(grep Q6 $txt)"
widths=$(grep -E '^ *[0-9]+ +Q' $txt | awk '{ print length($0) }' | sort -u | wc -l)
[ "$widths" -eq 1 ] || bad "rows of $widths widths"
grep -q "$PWD" $txt && bad "a folder path in the notes"
grep -q '^  junk.cbr: not read' $txt || bad "the note does not name junk.cbr"

# 8. An output name never begins with a dot.
row="a call that names a hidden file"
contest box
log box/dots.cbr '../../x' Q1AA
rm -rf out && cc --html --out out box
[ -z "$(ls -A out/ubn out/log | grep '^\.')" ] || bad "a dot-file: $(ls -A out/ubn out/log)"
[ "$(ls out/ubn | wc -l)" -eq 4 ] || bad "ubn reports: $(ls out/ubn)"

rm -rf box out elsewhere
exit $fail
