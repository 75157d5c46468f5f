#!/bin/sh
# Checks that the native library exports exactly the host's ten plain names and the two of the
# running-object table that stands in for the system's.
# Usage: check_library_exports.sh LIBRARY DEF
set -eu
lib=$1 def=$2
expected=$( (sed -n 's/^[ \t]*\([A-Za-z0-9_]*\)[ \t]*=.*$/\1/p' "$def"
    printf '%s\n' StatsRegisterRunningObject StatsRevokeRunningObject) | sort)
actual=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TtWDdBbRrVi]$/ {print $3}' | sed 's/@.*//' | sort)
if [ "$expected" != "$actual" ]; then
    printf 'exports differ\nexpected:\n%s\nactual:\n%s\n' "$expected" "$actual"
    exit 1
fi
echo "exports: $(printf '%s\n' "$actual" | wc -l) names"
