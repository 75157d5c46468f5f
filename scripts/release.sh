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

if [ "$tests" = yes ]; then
    sh scripts/test.sh
else
    sh scripts/package.sh
    sh tests/release/check_packages.sh
fi
[ -z "$(git status --porcelain)" ] ||
    echo "release: this tree has changes not committed; dist/ is built from them" >&2

[ "$verify" = yes ] || exit 0
echo "== reproducibility: two clones of $(git rev-parse --short HEAD)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sums() {
    (cd "$1" && sha256sum build/release/windows/Stats.dll build/release/windows/vscscore.exe \
        build/release/native/libStats.so build/release/native/vscscore dist/*.zip dist/*.deb)
}
for clone in first/vsc-stats second-clone/elsewhere/vsc; do
    git clone -q --no-hardlinks "$root" "$scratch/$clone"
    sh "$scratch/$clone/scripts/package.sh" >"$scratch/$(dirname "$clone" | tr / -).log" 2>&1 ||
        { cat "$scratch/$(dirname "$clone" | tr / -).log" >&2; exit 1; }
    sums "$scratch/$clone" >"$scratch/$(dirname "$clone" | tr / -).sums"
done
cat "$scratch/first.sums"
if cmp -s "$scratch/first.sums" "$scratch/second-clone-elsewhere.sums"; then
    echo "reproducible: both clones built the same bytes"
else
    echo "NOT reproducible:" >&2
    diff "$scratch/first.sums" "$scratch/second-clone-elsewhere.sums" >&2 || true
    exit 1
fi
