#!/bin/sh
# The Debian package as installed: unpacked into a scratch root (the machine is not changed),
# its usr/bin first on the PATH, vscscore must find its plug-in and score the sample.
# Usage: deb_installed.sh PACKAGE.deb VERSION EXPECTED-SUMMARY
set -u
deb=$1 version=$2 expected=$3
expected=$(cd "$(dirname "$expected")" && pwd)/$(basename "$expected")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail=0
dpkg-deb -x "$deb" "$scratch/root"
PATH=$scratch/root/usr/bin:$PATH
export PATH
sample=$scratch/root/usr/share/doc/vscscore/examples/vsc-sample.adi
mkdir -p "$scratch/work/Plugins"
cd "$scratch/work" || exit 1

got=$(vscscore --version 2>&1)
[ "$got" = "vscscore $version" ] || { echo "FAIL (--version): $got"; fail=1; }

status=0
vscscore score "$sample" >summary.txt 2>messages.txt || status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL (score): exit status $status"; cat messages.txt; fail=1
elif ! cmp -s summary.txt "$expected"; then
    echo "FAIL (score): the summary differs"; diff "$expected" summary.txt; fail=1
fi
exit "$fail"
