#!/bin/sh
# Checks what scripts/package.sh wrote into dist/: lintian on the Debian package (no errors;
# the warnings are shown), the package as installed (vscrobot and its units too, where it holds
# them), and the Windows ZIP as unpacked.
set -u
cd "$(dirname "$0")/../.." || exit 1
root=$(pwd)
version=$(sed -n 's/^project(Stats VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=dist/vscscore_${version}-1_amd64.deb
zip=dist/vsc-stats-$version-win32.zip
expected=$root/tests/golden/vsc-sample-score.txt
status=0 skipped=""

run() {
    name=$1
    shift
    result=0
    "$@" || result=$?
    case $result in
        0) echo "passed: $name" ;;
        77) echo "skipped: $name"; skipped="$skipped $name" ;;
        *) echo "FAILED: $name"; status=1 ;;
    esac
}

echo "== lintian $deb"
run lintian lintian --fail-on error --display-level '>=info' "$deb"
run deb_installed sh tests/release/deb_installed.sh "$deb" "$version" "$expected"
run robot_installed sh tests/release/robot_installed.sh "$deb"
run zip_unpacked sh tests/release/zip_unpacked.sh "$zip" "$version" "$expected" \
    i686-w64-mingw32-windres "$root/cmake/wine-run.sh"
[ -z "$skipped" ] || echo "skipped here:$skipped"
exit "$status"
