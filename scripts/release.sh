#!/bin/sh
# The release: runs every test (scripts/test.sh, which also builds the packages and checks
# them), leaving in dist/ the Windows ZIP with its .sha256 and the Debian package.
#   --skip-tests  build and check only the packages (while developing)
#   --verify      then build the release twice more, in two fresh clones of the last commit in
#                 different folders, and compare the checksums of what they built
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
tests=yes verify=no
for option in "$@"; do
    case $option in
        --skip-tests) tests=no ;;
        --verify) verify=yes ;;
        *) echo "usage: release.sh [--skip-tests] [--verify]" >&2; exit 2 ;;
    esac
done

# A failed check still lets --verify run; the status tells both.
status=0
if [ "$tests" = yes ]; then
    sh scripts/test.sh || status=1
else
    sh scripts/package.sh
    sh tests/release/check_packages.sh || status=1
fi
[ -z "$(git status --porcelain)" ] ||
    echo "release: this tree has changes not committed; dist/ is built from them" >&2

[ "$verify" = yes ] || exit "$status"
echo "== reproducibility: two clones of $(git rev-parse --short HEAD)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sums() {
    (cd "$1" && sha256sum build/release/windows/Stats.dll build/release/windows/vscscore.exe \
        build/release/native/libStats.so build/release/native/vscscore dist/*.zip dist/*.deb)
}
# NAME FOLDER: a clone of the last commit, its release built, its checksums in NAME.sums.
build_clone() {
    git clone -q --no-hardlinks "$root" "$2"
    sh "$2/scripts/package.sh" >"$scratch/$1.log" 2>&1 || { cat "$scratch/$1.log" >&2; exit 1; }
    sums "$2" >"$scratch/$1.sums"
}
build_clone first "$scratch/first/vsc-stats"
build_clone second "$scratch/second-clone/elsewhere/vsc"
cat "$scratch/first.sums"
grep ' dist/' "$scratch/first.sums" >"$scratch/dist.sums"
if cmp -s "$scratch/first.sums" "$scratch/second.sums"; then
    echo "reproducible: both clones built the same bytes"
    (cd "$root" && sha256sum dist/*.zip dist/*.deb) | cmp -s - "$scratch/dist.sums" &&
        echo "and so did this tree" || echo "this tree's dist/ differs (changes not committed?)"
else
    echo "NOT reproducible:" >&2
    diff "$scratch/first.sums" "$scratch/second.sums" >&2 || true
    exit 1
fi
exit "$status"
