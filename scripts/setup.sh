#!/bin/sh
# Installs what the builds and tests need from Debian's packages, only what is missing.
# Needs root (apt-get) when anything is missing.
set -eu

packages="cmake make g++ libgtest-dev googletest g++-mingw-w64-i686-posix
binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth tlf bsdutils faketime
clang libclang-rt-14-dev libbenchmark-dev time
wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
chromium python3
dpkg-dev lintian zip unzip"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages:$missing; run this script as root to install them" >&2
    exit 1
fi
echo "installing:$missing"
case "$missing" in
    *:i386*)
        dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
esac
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
