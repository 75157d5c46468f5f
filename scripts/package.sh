#!/bin/sh
# Builds the release from this tree and writes dist/: the Windows ZIP with its .sha256, and the
# Debian package. The same commit gives the same bytes in any folder at any time: the time
# stamps are the last commit's (SOURCE_DATE_EPOCH), the builds are Release builds without
# build paths or link times, the archives list their files sorted, with fixed permissions.
# Checks of the artifacts: tests/release/check_packages.sh.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
sh scripts/setup.sh
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8
umask 022
build=$root/build/release
dist=$root/dist
jobs=$(nproc)

# Every release configures afresh, so no cached setting of an earlier one leaks in.
rm -rf "$build"
mkdir -p "$build" "$dist"

echo "== release build: native"
# Debian's hardening flags, all of them, as a package build would use them.
DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_BUILD_MAINT_OPTIONS
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Release -DSTATS_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >/dev/null
# vscrobot joins the package where this tree's native build has it (a target has its folder
# once configured).
robot=""
[ ! -d "$build/native/CMakeFiles/vscrobot.dir" ] || robot=vscrobot
# shellcheck disable=SC2086
cmake --build "$build/native" --target Stats vscscore $robot --parallel "$jobs" >/dev/null
echo "== release build: Windows (32-bit)"
cmake -S . -B "$build/windows" --toolchain "$root/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DSTATS_BUILD_TESTS=OFF >/dev/null
cmake --build "$build/windows" --target Stats vscscore --parallel "$jobs" >/dev/null

version=$("$build/native/vscscore" --version | sed -n 's/^vscscore //p')
[ -n "$version" ] || { echo "package: vscscore --version printed no version" >&2; exit 1; }
changelog_version=$(dpkg-parsechangelog -l packaging/changelog -S Version)
if [ "$changelog_version" != "$version-1" ]; then
    echo "package: packaging/changelog starts at $changelog_version, not $version-1;" \
         "add an entry for this release" >&2
    exit 1
fi
grep -q "vscscore_${version}-1_amd64.deb" README.md ||
    { echo "package: README.md does not name release $version" >&2; exit 1; }
day=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%d)
fill() {
    sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$day/g" "$@"
}
# Permissions that do not depend on the umask, and the commit's time on every entry.
settle() {
    find "$1" -type d -exec chmod 0755 {} +
    find "$1" -type f -exec chmod 0644 {} +
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

echo "== Windows ZIP"
zipname=vsc-stats-$version-win32.zip
stage=$build/zip
mkdir -p "$stage"
cp "$build/windows/Stats.dll" "$build/windows/vscscore.exe" examples/vsc-sample.adi "$stage/"
fill packaging/README.txt.in | sed 's/$/\r/' >"$stage/README.txt"
files=$(cd "$stage" && LC_ALL=C ls)
# shellcheck disable=SC2086
(cd "$stage" && sha256sum $files >SHA256SUMS)
settle "$stage"
# -X: no owner or extra time fields; -D: no folder entries; names in a fixed order.
(cd "$stage" && LC_ALL=C ls | zip -X -D -q "$build/$zipname" -@)
mv "$build/$zipname" "$dist/$zipname"
(cd "$dist" && sha256sum "$zipname" >"$zipname.sha256")

echo "== Debian package"
debname=vscscore_${version}-1_amd64.deb
# dpkg-shlibdeps finds the package by the folder debian/PACKAGE under a debian/control.
pkg=$build/debian/vscscore
doc=$pkg/usr/share/doc/vscscore
mkdir -p "$pkg/DEBIAN" "$pkg/usr/bin" "$pkg/usr/lib/vscscore" "$pkg/usr/share/man/man1" \
    "$doc/examples"
cp "$build/native/vscscore" "$pkg/usr/bin/"
cp "$build/native/libStats.so" "$pkg/usr/lib/vscscore/"
fill packaging/vscscore.1.in | gzip -9n >"$pkg/usr/share/man/man1/vscscore.1.gz"
gzip -9n <packaging/changelog >"$doc/changelog.Debian.gz"
cp packaging/copyright "$doc/"
cp examples/vsc-sample.adi "$doc/examples/"
binaries="$pkg/usr/bin/vscscore $pkg/usr/lib/vscscore/libStats.so"
if [ -n "$robot" ]; then
    units=$pkg/usr/lib/systemd/system
    mkdir -p "$units"
    cp "$build/native/vscrobot" "$pkg/usr/bin/"
    fill packaging/vscrobot.1.in | gzip -9n >"$pkg/usr/share/man/man1/vscrobot.1.gz"
    # Installed, not enabled: no maintainer script starts them.
    cp packaging/vscrobot.service packaging/vscrobot-publish.service "$units/"
    binaries="$binaries $pkg/usr/bin/vscrobot"
fi
printf 'Source: vscscore\n\nPackage: vscscore\nArchitecture: amd64\n' >"$build/debian/control"
# shellcheck disable=SC2086
depends=$(cd "$build" && dpkg-shlibdeps -O $binaries | sed -n 's/^shlibs:Depends=//p')
size=$(find "$pkg/usr" -type f -printf '%s\n' | awk '{ k += int(($1 + 1023) / 1024) } END { print k }')
# The robot's paragraph of the description only where the package holds it.
robot_text=/dev/null
[ -z "$robot" ] || robot_text=packaging/control-vscrobot.txt
fill packaging/control.in | sed -e "s/@DEPENDS@/$depends/" -e "s/@INSTALLED_SIZE@/$size/" |
    awk -v text="$robot_text" '
        $0 == "@VSCROBOT@" { while ((getline line <text) > 0) print line; next }
        { print }' >"$pkg/DEBIAN/control"
(cd "$pkg" && find usr -type f | LC_ALL=C sort | xargs md5sum >DEBIAN/md5sums)
settle "$pkg"
chmod 0755 "$pkg/usr/bin/vscscore"
[ -z "$robot" ] || chmod 0755 "$pkg/usr/bin/vscrobot"
dpkg-deb --root-owner-group -Zxz --build "$pkg" "$build/$debname" >/dev/null
mv "$build/$debname" "$dist/$debname"

echo "== dist"
(cd "$dist" && ls -l "$zipname" "$zipname.sha256" "$debname" && sha256sum "$zipname" "$debname")
