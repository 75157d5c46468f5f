#!/bin/sh
# Runs a Windows test program under 32-bit Wine on a private display.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# One prefix per build tree, made once; tests started together wait for it.
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
        wineboot -i >/dev/null 2>&1
        # A crashing test must fail, not wait for somebody to close the crash dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        wineserver -w
    fi
) 9>"$prefix.lock"

exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
