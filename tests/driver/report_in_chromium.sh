#!/bin/sh
# The sample's report page opened in headless Chromium: the screenshot, kept as page.png in
# the test's folder, must show the charts in the bands' colours. Skipped (77) without chromium
# or python3.
# Usage: report_in_chromium.sh DRIVER LIBRARY SAMPLE COLOUR_CHECK
set -u
driver=$1 library=$2 sample=$3 check=$4
for tool in chromium python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
"$driver" --library "$library" report --html page.html "$sample" </dev/null >/dev/null ||
    { echo "FAIL: report --html"; exit 1; }
rm -rf profile page.png
mkdir profile
# Root needs --no-sandbox; the rest keeps a fresh profile from reaching the network.
HOME=$PWD timeout 90 chromium --headless --no-sandbox --disable-gpu --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$PWD/profile" --hide-scrollbars --window-size=1000,2400 \
    --screenshot="$PWD/page.png" "file://$PWD/page.html" >chromium.log 2>&1
[ -s page.png ] || { echo "FAIL: no screenshot"; cat chromium.log; exit 1; }
# The six bands' fills of the Okabe-Ito palette, as the charts draw them.
python3 "$check" page.png 100 '#E69F00' '#56B4E9' '#009E73' '#F0E442' '#0072B2' '#D55E00'
