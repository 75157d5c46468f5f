#!/bin/sh
# The results site of a simulated contest: one entrant's call, category and a worked call hold
# markup, quotes and a control byte; every page must show them as text, every link must reach a
# written file, every page stays small, and headless Chromium must draw the index and an
# entrant's page in the bands' colours. Under an emulator, the pages must have the native
# build's bytes. Chromium is skipped where it is missing, the rest still runs.
# Usage: crosscheck_site.sh DRIVER GENERATOR COLOUR_CHECK [EMULATOR...]
set -u
driver=$1 generator=$2 check=$3
shift 3
emulator=$*
fail=0
say() { echo "FAIL: $*"; fail=1; }

rm -rf logs out ref profile ./*.png
$emulator "$generator" generate logs 30 9000 5 >/dev/null
made=$?
# 77: the runtime cannot run the program here (the runner said why); skipped, as every Wine test.
[ "$made" -eq 77 ] && exit 77
[ "$made" -eq 0 ] || { echo "FAIL: no contest"; exit 1; }
# R0SA's log, sent under a call holding markup; one more contact with a call that does too.
call=$(printf 'R0<b>&"\047\001')
first=$(ls logs | head -n 1)
own=${first%.cbr}
literal=$(printf '%s' "$call" | sed 's/[&|\\]/\\&/g')
sed -e "s|$own|$literal|g" -e 's|^CATEGORY-OPERATOR: .*|CATEGORY-OPERATOR: <script>x</script>\&|' \
    "logs/$first" >logs/hostile.cbr
printf 'QSO: 14010 CW 2025-02-15 1200 %s 599 14 <I>&"Q 599 10\n' "$call" >>logs/hostile.cbr
# A line longer than any window: its findings table must still fit at 1280 px.
printf 'QSO: 14011 CW 2025-02-15 1201 %s 599 14 R9XYZ 599 10 %s\n' "$call" \
    "$(printf 'AND-MORE-TEXT-%.0s' 1 2 3 4 5 6 7 8)" >>logs/hostile.cbr
rm "logs/$first"

$emulator "$driver" crosscheck --html --date "2025-02-15 06:00" --out out logs >/dev/null 2>&1
[ -f out/index.html ] || { echo "FAIL: no index.html"; exit 1; }
[ "$(ls out/log | wc -l)" -eq 30 ] || say "one page an entrant: $(ls out/log | wc -l)"

python3 - out <<'PY' || fail=1
import os, re, sys, urllib.parse
root, bad = sys.argv[1], 0
pages = [os.path.join(d, f) for d, _, fs in os.walk(root) for f in fs if f.endswith(".html")]
for page in pages:
    text = open(page, "rb").read()
    if len(text) > 400_000:
        print("FAIL: %s is %d bytes" % (page, len(text))); bad = 1
    if re.search(rb"[\x00-\x08\x0b-\x1f\x7f]", text):
        print("FAIL: %s holds a control byte" % page); bad = 1
    # Nothing fetched: no element that loads, no style from elsewhere.
    for tag in (b"<script", b"<b>", b"<i>", b"src=", b"<link", b"@import", b"url(h"):
        if tag in text.lower():
            print("FAIL: %s holds %r" % (page, tag)); bad = 1
    for target in re.findall(rb'href="([^"]*)"', text):
        path = os.path.join(os.path.dirname(page), urllib.parse.unquote(target.decode()))
        if not os.path.isfile(path):
            print("FAIL: %s links %s, not written" % (page, target.decode())); bad = 1
# Calls and categories read in capitals.
index = open(os.path.join(root, "index.html"), "rb").read().lower()
for shown in (b"r0&lt;b&gt;&amp;&quot;'\\x01", b"&lt;script&gt;x&lt;/script&gt;&amp;"):
    if shown not in index:
        print("FAIL: index.html does not show %r as text" % shown); bad = 1
hostile = [p for p in pages if "R0_B_&" in p]
if len(hostile) != 1 or b"&lt;I&gt;&amp;&quot;Q" not in open(hostile[0], "rb").read():
    print("FAIL: the entrant page does not show the worked call <I>&\"Q as text"); bad = 1
sys.exit(bad)
PY

if [ -n "${STATS_REFERENCE_DRIVER:-}" ]; then
    "$STATS_REFERENCE_DRIVER" crosscheck --html --date "2025-02-15 06:00" --out ref logs \
        >/dev/null 2>&1
    for f in index.html $(cd out && ls log/*); do
        cmp -s "out/$f" "ref/$f" || say "native $f differs"
    done
fi

if command -v chromium >/dev/null 2>&1 && [ -z "$emulator" ]; then
    shot() {  # PAGE PNG
        rm -rf profile && mkdir profile
        HOME=$PWD timeout 90 chromium --headless --no-sandbox --disable-gpu --no-first-run \
            --disable-background-networking --disable-component-update --disable-sync \
            --user-data-dir="$PWD/profile" --hide-scrollbars --window-size=1000,1600 \
            --screenshot="$PWD/$2" "file://$PWD/$1" >chromium.log 2>&1
        [ -s "$2" ] || { say "no screenshot of $1"; cat chromium.log; return; }
        # The three bands' fills, as the rate charts draw them.
        python3 "$check" "$2" 50 '#E69F00' '#56B4E9' '#009E73' || say "colours of $1"
    }
    shot out/index.html index.png
    shot "out/log/$(ls out/log | grep -v '^R0_' | head -n 1)" entrant.png
    # Each table fits its page at 1280 px (no column cut); at 412 px the page never scrolls
    # sideways, a wider table scrolls in its own box. Each page in a frame of each width (a
    # headless window is never narrower than 500 px), all in one shot: each frame takes its
    # own colour when it holds.
    probe() {  # PAGE COLOUR_AT_1280 COLOUR_AT_412
        { cat "$1"; cat <<HTML
<script>
var page = document.documentElement, width = page.clientWidth, wide = width >= 1000;
var ok = page.scrollWidth <= width;
document.querySelectorAll("table").forEach(function (table) {
    var box = table.parentElement;
    ok = ok && box.getBoundingClientRect().right <= width;
    ok = ok && (!wide || table.scrollWidth <= box.clientWidth);
});
if (ok) { document.body.style.background = wide ? "$2" : "$3"; }
</script>
HTML
        } >"$(dirname "$1")/fit-probe.html"
    }
    probe out/index.html '#00ff00' '#ff00ff'
    probe "out/log/$(ls out/log | grep '^R0_')" '#00ffff' '#ffff00'
    frame() {
        printf '<iframe src="%s" style="width:%spx;height:400px;border:0"></iframe><br>' "$@"
    }
    {
        printf '<body style="margin:0">'
        frame out/fit-probe.html 1280; frame out/log/fit-probe.html 1280
        frame out/fit-probe.html 412; frame out/log/fit-probe.html 412
    } >fit-host.html
    rm -rf profile && mkdir profile
    HOME=$PWD timeout 90 chromium --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$PWD/profile" --hide-scrollbars --window-size=1300,1700 \
        --screenshot="$PWD/fit.png" "file://$PWD/fit-host.html" >chromium.log 2>&1
    python3 "$check" fit.png 4 '#00FF00' '#00FFFF' '#FF00FF' '#FFFF00' ||
        say "tables that do not fit (index and R0_ page at 1280 px, then at 412 px)"
    rm -f out/fit-probe.html out/log/fit-probe.html
else
    echo "no chromium here: the pages are not drawn"
fi

# A run without --html takes the earlier run's pages away, as they no longer match its results;
# a file the user put there stays.
echo mine >out/log/mine.html
$emulator "$driver" crosscheck --date "2025-02-15 06:00" --out out logs >/dev/null 2>&1
[ ! -e out/index.html ] && [ -z "$(ls out/log | grep -v '^mine.html$')" ] ||
    say "pages of the earlier --html run left behind"
[ -f out/log/mine.html ] || say "a file the run did not write was removed"
exit $fail
