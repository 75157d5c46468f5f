#!/bin/sh
# Installs what the builds and tests need from Debian's packages, only what is missing.
# Needs root (apt-get) when anything is missing.
#
# 32-bit Wine is optional: where it cannot be installed (no i386 packages, an index that did not
# download, amd64 and i386 libraries of different versions), everything else is installed, one
# line says why, and the Windows tests run the 64-bit build under 64-bit Wine instead. A package
# registry that fails to update is named in one line and the install goes on from the lists at
# hand. Nothing is retried.
set -eu

packages="cmake make g++ libgtest-dev googletest g++-mingw-w64-i686-posix
binutils-mingw-w64-i686 wine xvfb xauth tlf bsdutils faketime
clang libclang-rt-14-dev libbenchmark-dev time
wine64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
chromium python3
dpkg-dev lintian zip unzip
libmicrohttpd-dev libsqlite3-dev nettle-dev pkg-config sqlite3 curl"
packages_32bit="wine32:i386"

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# LIST: the packages of LIST that are not installed.
not_installed() {
    for package in $1; do
        installed "$package" || printf ' %s' "$package"
    done
}

missing=$(not_installed "$packages")
missing_32bit=$(not_installed "$packages_32bit")
[ -z "$missing$missing_32bit" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages:$missing$missing_32bit; run this script as root to install them" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ -n "$missing_32bit" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 2>/dev/null || true
fi

# FILE PATTERN...: the first line of apt-get's output in FILE that matches the first PATTERN any
# line matches, shortened, for the one line that names a failure.
first_line() {
    file=$1
    shift
    for pattern in "$@"; do
        if grep -q -E "$pattern" "$file"; then
            grep -m1 -E "$pattern" "$file" | sed -e 's/ *\[IP: [^]]*\]//' -e 's/^ *//' |
                cut -c1-200
            return
        fi
    done
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
index_32bit=""
if ! apt-get update -qq >"$log" 2>&1 || grep -q '^E: ' "$log"; then
    echo "setup: apt-get update reported errors ($(first_line "$log" '^E: ')); installing from the package lists at hand"
    grep -q '^E: .*binary-i386' "$log" && index_32bit="the i386 package index did not download; "
fi

if [ -n "$missing" ]; then
    echo "installing:$missing"
    # shellcheck disable=SC2086
    if ! apt-get install -y -qq --no-install-recommends $missing >"$log" 2>&1; then
        cat "$log" >&2
        echo "setup: cannot install:$missing" >&2
        exit 1
    fi
fi

if [ -n "$missing_32bit" ]; then
    echo "installing:$missing_32bit"
    # shellcheck disable=SC2086
    if ! apt-get install -y -qq --no-install-recommends $missing_32bit >"$log" 2>&1; then
        why=$(first_line "$log" 'Unable to locate|no installation candidate' 'Depends:' '^E: ')
        echo "setup: 32-bit Wine is not available (${index_32bit}${why}); the Windows tests run the 64-bit build under 64-bit Wine instead"
    fi
fi
exit 0
