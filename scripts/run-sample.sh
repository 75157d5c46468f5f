#!/bin/sh
# The main job on the bundled sample log: builds both libraries and vscscore, then scores,
# exports and audits examples/vsc-sample.adi with the native library and, under Wine, with
# Stats.dll (or, where 32-bit programs cannot run, the 64-bit test build), and shows that the
# two Cabrillo files are identical. The files stay in
# build/sample/native and build/sample/windows.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh >/dev/null
root=$(pwd)
sample=$root/examples/vsc-sample.adi
out=$root/build/sample
rm -rf "$out"
# The host's working folder: the plug-in's settings live in its Plugins folder.
mkdir -p "$out/native/Plugins" "$out/windows/Plugins"
status=0

# FOLDER PROGRAM...: score, export (no terminal, so the header form takes the saved values),
# audit. Export and audit end with status 1 on this sample: a warning, and repeats.
run_sample() {
    folder=$1
    shift
    cd "$folder"
    echo "\$ vscscore score examples/vsc-sample.adi"
    "$@" score "$sample" || status=1
    echo
    echo "\$ vscscore export examples/vsc-sample.adi"
    # With no terminal: the header form is not shown, the saved values are used.
    # Status 1: lint warns about the sample's planted repeats.
    : | setsid -w "$@" export "$sample" || [ $? -eq 1 ] || status=1
    echo
    echo "\$ vscscore audit examples/vsc-sample.adi"
    "$@" audit "$sample" || [ $? -eq 1 ] || status=1
    cd "$root"
}

echo "== native: build/native/vscscore with libStats.so"
run_sample "$out/native" "$root/build/native/vscscore"
echo
if why=$(sh cmake/wine-run.sh --probe 2>&1); then
    echo "== Windows: build/windows/vscscore.exe with Stats.dll under Wine"
    run_sample "$out/windows" sh "$root/cmake/wine-run.sh" "$root/build/windows/vscscore.exe"
else
    reason=${why#*(}
    echo "== Windows: 32-bit Wine cannot run here (${reason%%)*}), so Stats.dll cannot run"
    echo "== here; the same sources built for 64-bit Windows (build/windows64), under 64-bit Wine"
    sh scripts/build.sh windows64 >/dev/null
    run_sample "$out/windows" sh "$root/cmake/wine-run.sh" --win64 \
        "$root/build/windows64/vscscore.exe"
fi
echo
if cmp "$out/native/Q9VSC.cbr" "$out/windows/Q9VSC.cbr"; then
    echo "The two Cabrillo files, build/sample/native/Q9VSC.cbr and" \
         "build/sample/windows/Q9VSC.cbr, are identical."
else
    status=1
fi
exit "$status"
