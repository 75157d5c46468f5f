#!/bin/sh
# End to end: vscscore report on the sample log. The text is compared whole with its golden
# copy; the page is checked for what it says, its charts' elements and anything it would fetch.
# Usage: vscscore_report.sh DRIVER LIBRARY SAMPLE GOLDEN [EMULATOR...]
set -u
driver=$1 library=$2 sample=$3 golden=$4
shift 4
emulator=$*
fail=0
. "$(dirname "$0")/driver_run.sh"

# The text is compared as a file, whole.
vsc() {
    $emulator "$driver" --library "$library" "$@" </dev/null >stdout.txt 2>stderr.txt &&
        status=0 || status=$?
    [ "$status" -eq 77 ] && exit 77
    tr -d '\r' <stdout.txt >out.txt
}
expect_count() {
    got=$(grep -o -e "$2" "$3" | wc -l)
    [ "$got" -eq "$1" ] || { echo "FAIL ($3): $got of $2, expected $1"; fail=1; }
}

vsc report "$sample"
expect_status 0 "report"
diff -u "$golden" out.txt || { echo "FAIL (report): text differs from $golden"; fail=1; }

vsc report --html page.html "$sample"
expect_status 0 "report --html"
cmp -s "$golden" out.txt || { echo "FAIL (report --html): text differs"; fail=1; }
# The page says what the text says: its tables' rows (an empty cell "-"), lists, paragraphs and
# the charts' titles as text, against the text's rate sheet, points, rates and audit, and the
# audit's findings.
cp out.txt report.txt
tr -d '\r' <page.html | sed -n -e 's/<td><\/td>/<td>-<\/td>/g' -e 's/<\/td><td>/ /g' \
    -e '/<tr><td>\|^<li>\|^<p>\|^<h1>/{s/<[^>]*>//g;p;}' \
    -e 's/.*<title>\(.*\)<\/title>.*/\1/p' >said.txt
vsc audit "$sample"
{ sed -n -E -e 's/ +/ /g' -e '/^(2025-02-15 [0-9]{4}|[0-9]+c?m|Total|Operating|Off|Band ch)/p' \
      -e 's/^ (exact repeats|too early): ([0-9]+) QSOs, ([0-9]+) points$/\1 \2 \3/p' \
      -e 's/^ score (.*)/Score \1./p' -e 's/^ ([0-9]+ minutes:.*[0-9]{4}) (.*)/\1 UTC \2/p' \
      report.txt
  echo 'VESTAR CUP 2025-02-15 Q9VSC'
  echo '205 QSOs, score 837, 2025-02-15 0604 to 2025-02-15 1318 UTC.'
  grep '^record ' out.txt; grep '^record ' out.txt | sed 's/: / /'; } >says.txt
while IFS= read -r line; do
    grep -q -x -F -e "$line" said.txt || { echo "FAIL (page): does not say: $line"; fail=1; }
done <says.txt
[ "$(wc -l <says.txt)" -eq 40 ] || { echo "FAIL (page): $(wc -l <says.txt) lines to find"; fail=1; }
expect_count 3 '<svg ' page.html
expect_count 20 'class="bar"' page.html
expect_count 17 'class="change"' page.html
# Self-contained: nothing to fetch, nothing to run.
expect_count 0 '<script\|<link\|<img\|<iframe\|src=\|href=\|@import' page.html
expect_count 3 'http' page.html

# The sample's longest gaps are 3 silent minutes, five of them.
vsc report --off-time 3 --html off.html "$sample"
expect_status 0 "--off-time 3"
grep -q -x 'Off periods (3 minutes or more with no contact): 5, 15 min' out.txt ||
    { echo "FAIL (--off-time 3): no off periods line"; fail=1; }
expect_count 10 'class="off"' off.html

# One stray contact a year after the sample: the empty year is one line of the text and a
# break in the page's time axes, which then carry the year (under all three charts).
{ cat "$sample"; printf '<CALL:5>Q7XYZ <QSO_DATE:8>20260215 <TIME_ON:4>1318 <BAND:3>20m '
  printf '<FREQ:6>14.025 <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>599 <STX_STRING:1>5 '
  printf '<SRX_STRING:1>4 <STATION_CALLSIGN:5>Q9VSC <EOR>\r\n'; } >stray.adi
vsc report --html stray.html stray.adi
expect_status 0 "stray date"
grep -q -x '2025-02-15 1400  (8759 hours with no contact)' out.txt ||
    { echo "FAIL (stray date): no line for the empty year"; fail=1; }
expect_count 3 '>2026-02-15<' stray.html

if [ -n "${STATS_REFERENCE_DRIVER:-}" ]; then
    for log in "$sample" stray.adi; do
        "$STATS_REFERENCE_DRIVER" --library "$STATS_REFERENCE_LIBRARY" report --html native.html \
            "$log" </dev/null >/dev/null 2>&1
        $emulator "$driver" --library "$library" report --html page.html "$log" </dev/null \
            >/dev/null 2>&1
        cmp native.html page.html ||
            { echo "FAIL ($log): page differs from the native build's"; fail=1; }
    done
fi

vsc report --off-time 0 "$sample"
expect_status 2 "--off-time 0"
vsc report --html no-such-folder/page.html "$sample"
expect_status 5 "page not written"
grep -q 'cannot write no-such-folder/page.html' stderr.txt ||
    { echo "FAIL (page not written): no message"; fail=1; }
cp "$sample" log.adi
vsc report --html ./log.adi log.adi
expect_status 5 "page over the log"
cmp -s "$sample" log.adi || { echo "FAIL (page over the log): the log was overwritten"; fail=1; }
exit "$fail"
