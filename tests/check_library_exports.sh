#!/bin/sh
# Checks that the native library exports exactly the host's ten plain names, written out in
# EXPORTS, and the two of the running-object table that stands in for the system's.
# Usage: check_library_exports.sh LIBRARY EXPORTS
set -eu
lib=$1 exports=$2
expected=$( (grep -v '^#' "$exports" | cut -d' ' -f1
    printf '%s\n' StatsRegisterRunningObject StatsRevokeRunningObject) | sort)
actual=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TtWDdBbRrVi]$/ {print $3}' | sed 's/@.*//' | sort)
if [ "$expected" != "$actual" ]; then
    printf 'exports differ\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
echo "exports: $(printf '%s\n' "$actual" | wc -l) names"
