#!/bin/sh
# The Windows ZIP as a user unpacks it: the files and their checksums, README.txt in CR LF,
# the version resources of Stats.dll and vscscore.exe, then vscscore.exe scoring the sample
# under 32-bit Wine (skipped, status 77, where 32-bit Wine cannot run here).
# Usage: zip_unpacked.sh ARCHIVE.zip VERSION EXPECTED-SUMMARY WINDRES WINE-RUN
set -u
zip=$1 version=$2 expected=$3 windres=$4 wine_run=$5
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
expected=$(absolute "$expected") wine_run=$(absolute "$wine_run")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail=0
unzip -q "$zip" -d "$scratch/unpacked"
cd "$scratch/unpacked" || exit 1

names=$(ls | tr '\n' ' ')
[ "$names" = "README.txt SHA256SUMS Stats.dll vsc-sample.adi vscscore.exe " ] ||
    { echo "FAIL (contents): $names"; fail=1; }
sha256sum --quiet -c SHA256SUMS || { echo "FAIL (SHA256SUMS)"; fail=1; }
# Every line ends in CR LF, the last one too.
[ -s README.txt ] && ! grep -q -v "$(printf '\r')\$" README.txt &&
    [ "$(tail -c 1 README.txt | od -An -c | tr -d ' ')" = '\n' ] ||
    { echo "FAIL (README.txt): not CR LF throughout"; fail=1; }

# The version resource as Windows' resource compiler reads it back from the file.
for file in Stats.dll vscscore.exe; do
    resource=$("$windres" -i "$file" -O rc 2>&1)
    fixed="$(echo "$version" | sed 's/\./, /g'), 0"
    printf '%s\n' "$resource" | grep -q "^ *FILEVERSION $fixed\$" ||
        { echo "FAIL ($file): fixed file version is not $fixed"; fail=1; }
    printf '%s\n' "$resource" | grep -q "VALUE \"FileVersion\", \"$version.0\"" ||
        { echo "FAIL ($file): FileVersion is not $version.0"; fail=1; }
done
[ "$fail" -eq 0 ] || exit 1

probe=0
sh "$wine_run" --probe || probe=$?
if [ "$probe" -ne 0 ]; then
    [ "$probe" -ne 77 ] || echo "zip_unpacked: files, checksums, README.txt and version" \
        "resources checked; vscscore.exe from the ZIP not run here"
    exit "$probe"
fi
mkdir -p "$scratch/work/Plugins"
cp vsc-sample.adi "$scratch/work/"
cd "$scratch/work" || exit 1
status=0
sh "$wine_run" "$scratch/unpacked/vscscore.exe" score vsc-sample.adi \
    >summary.txt 2>messages.txt || status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL (score under Wine): exit status $status"; cat messages.txt; exit 1
fi
tr -d '\r' <summary.txt | cmp -s - "$expected" ||
    { echo "FAIL (score under Wine): the summary differs"; tr -d '\r' <summary.txt | diff "$expected" -; exit 1; }
