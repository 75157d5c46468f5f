#!/bin/sh
# Runs a native test program headless under libfaketime on the real clock, reading FAKETIME
# afresh at every call, so the program can stop its clock at instants of its choosing. Without
# faketime the program runs on the real clock alone.
here=$(dirname "$0")
if ! command -v faketime >/dev/null; then
    exec "$here/run-headless.sh" "$@"
fi
# libfaketime comes before the sanitizers' runtime in the sanitize build.
FAKETIME_NO_CACHE=1 ASAN_OPTIONS=verify_asan_link_order=0 \
    exec "$here/run-headless.sh" faketime -f +0 "$@"
