#!/bin/sh
# Times vscscore's score, audit and report (with the page) on generated logs of 200 000
# contacts by default, in build/bench-report, in three shapes: over 48 hours, spread over 300
# days, and over 48 hours with one stray contact a year later. Prints the times, the page's and
# the text's sizes and, with chromium installed, how long headless Chromium takes to lay out
# and to draw each page. Never fails on speed. Needs bash for its time keyword.
# Usage: scripts/bench-report.sh [CONTACTS]
set -eu
cd "$(dirname "$0")/.."
contacts=${1:-200000}
sh scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target vscscore Stats --parallel 2 >/dev/null
rm -rf build/bench-report
mkdir -p build/bench-report/Plugins
cd build/bench-report

# A log in a shape (bench/report_log.awk): the days it spans, and whether one stray contact
# follows a year later.
generate() {
    awk -v n="$contacts" -v days="$1" -v stray="$2" -f ../../bench/civil_date.awk \
        -f ../../bench/report_log.awk
}

nproc
lscpu | sed -n 's/^Model name: *//p'

# Wall and CPU seconds; the plug-in's result request spends wall time the CPU does not see.
timed() {
    bash -c 'TIMEFORMAT="%R s (CPU %U+%S s)"; time "$@" >/dev/null 2>&1' timed "$@" 2>&1 |
        tail -n 1
}
# Milliseconds headless Chromium takes to load a page and lay it out, measured inside the
# browser from a harness page (its start-up left out), and the page's height; then the wall
# time of a whole run that draws it into a 1024-unit-wide screenshot, start-up included.
cat >harness.html <<'EOF'
<!DOCTYPE html><html><body><pre id="t">no figure</pre><script>
const f = document.createElement('iframe');
const t0 = performance.now();
f.style.width = '1024px';
f.onload = () => {
    const height = f.contentDocument.documentElement.getBoundingClientRect().height;
    document.getElementById('t').textContent = 'laid out in ' +
        Math.round(performance.now() - t0) + ' ms (' + Math.round(height) + ' units high)';
};
f.src = new URLSearchParams(location.search).get('page');
document.body.appendChild(f);
</script></body></html>
EOF
chromium_run() {
    rm -rf profile
    mkdir profile
    HOME=$PWD timeout 180 chromium --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$PWD/profile" --hide-scrollbars "$@" 2>chromium.log
}
drawn() {
    laid=$(chromium_run --allow-file-access-from-files --dump-dom \
        "file://$PWD/harness.html?page=$1" | sed -n 's/.*\(laid out in [^<]*\)<.*/\1/p')
    rm -f shot.png
    start=$(date +%s%N)
    chromium_run --window-size=1024,4000 --screenshot="$PWD/shot.png" "file://$PWD/$1" \
        >/dev/null || true
    end=$(date +%s%N)
    [ -s shot.png ] && shot="$(((end - start) / 1000000)) ms" || shot=failed
    echo "${laid:-failed}; a screenshot run $shot"
}

for shape in "48h 2 0" "days 300 0" "stray 2 1"; do
    set -- $shape
    generate "$2" "$3" >"$1.adi"
    echo "$1.adi: $contacts contacts over $2 days$([ "$3" = 1 ] && echo ' and one a year later'),"\
        "$(wc -c <"$1.adi") bytes"
    for run in 1 2 3; do
        echo "  run $run"
        echo "    score          $(timed ../native/vscscore score "$1.adi")"
        echo "    audit          $(timed ../native/vscscore audit "$1.adi")"
        echo "    report --html  $(timed ../native/vscscore report --html "$1.html" "$1.adi")"
    done
    ../native/vscscore report "$1.adi" >"$1.txt" 2>/dev/null || true
    echo "  $1.html: $(wc -c <"$1.html") bytes; text report: $(wc -l <"$1.txt") lines," \
        "$(wc -c <"$1.txt") bytes"
    if command -v chromium >/dev/null 2>&1; then
        echo "  chromium: $1.html $(drawn "$1.html")"
    fi
done
if command -v chromium >/dev/null 2>&1; then
    printf '<!DOCTYPE html>\n<title>empty</title>\n' >empty.html
    echo "chromium: an empty page $(drawn empty.html)"
fi
