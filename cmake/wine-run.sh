#!/bin/sh
# Runs Windows programs under Wine, in a prefix private to the build tree: 32-bit Wine, or
# 64-bit Wine with a first argument --win64.
#   wine-run.sh PROGRAM [ARGS...]   run one program (starting and stopping Wine if need be)
#   wine-run.sh --start [KEEPER]    make the prefix if needed; start a wineserver that stays
#                                   up for a whole run, and either the Windows program KEEPER,
#                                   which holds Wine's desktop open until --stop in a test run
#                                   that draws nothing, or a display to draw on
#   wine-run.sh --stop              stop them
#   wine-run.sh --probe             only check that this machine can run 32-bit programs
# The prefix is $STATS_WINEPREFIX, by default build/windows/wineprefix (or build/windows64/...)
# of this tree. Where 32-bit Wine cannot run (not installed, or a kernel that refuses 32-bit
# programs), every 32-bit mode says why in one line and exits 77 (skipped).
#
# The rule for every test run here: nothing is preloaded into Wine. A preloaded library
# (libfaketime, say) reaches only programs of the machine's own width: 32-bit Wine never sees
# it, or with a 32-bit copy installed hangs on the shifted clock, so a test would prove one
# width only. A test that needs what a runtime cannot give (a clock it sets, ...) reports itself
# skipped, with the reason and status 77, never passed or failed; this script does so itself
# when it finds LD_PRELOAD set.
set -eu
if [ "${1:-}" = --win64 ]; then
    shift
    arch=win64 loader=/usr/lib/wine/wine64 build=windows64
else
    arch=win32 loader=/usr/lib/wine/wine build=windows
fi
# A test run starts a hundred programs or so through here: the run path forks nothing it can
# do without (the default prefix is worked out only when none is given).
prefix=${STATS_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/$build/wineprefix}
# Wine's menu builder would write menu entries for the prefix's programs into the user's home,
# outside the build tree, at every start of the prefix.
export WINEPREFIX="$prefix" WINEARCH=$arch WINELOADER=$loader WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Line 1: the display (none in a test run, which draws nothing); line 2: the pid of what holds
# the session, the display's Xvfb or the test run's desktop keeper.
session=$prefix.session

wine() {
    "$loader" "$@"
}

probe() {
    # Wine's loader is itself a program of its width. Where the 32-bit one cannot run, for
    # whatever reason, the 32-bit tests are skipped (77) and the 64-bit build stands in; the
    # 64-bit loader is required.
    if [ ! -x "$loader" ]; then
        why="$loader is not installed"
    elif out=$("$loader" --version 2>&1); then
        return 0
    else
        case $out in
            *"Exec format error"*) why="the kernel refuses 32-bit x86 programs" ;;
            *) why="$loader does not start: $(printf '%s' "$out" | head -n 1)" ;;
        esac
    fi
    if [ "$arch" = win32 ]; then
        echo "wine-run: 32-bit Wine cannot run here ($why); the 32-bit Windows tests are skipped" >&2
        exit 77
    fi
    echo "wine-run: 64-bit Wine cannot run here ($why)" >&2
    exit 1
}

# Sets display and holder from the session file.
read_session() {
    display= holder=
    [ -f "$session" ] && { read -r display && read -r holder; } <"$session"
}

session_running() {
    read_session && kill -0 "$holder" 2>/dev/null
}

# await TEST FILE PID TRIES WHY: waits, a twentieth of a second a try, until [ TEST FILE ]
# holds; fails with WHY once PID has ended or after TRIES tries.
await() {
    tries=0
    while [ ! "$1" "$2" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt "$4" ] || ! kill -0 "$3" 2>/dev/null; then
            echo "wine-run: $5" >&2
            exit 1
        fi
        sleep 0.05
    done
}

start_display() {
    numberfile=$prefix.display
    rm -f "$numberfile"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberfile" </dev/null \
        >/dev/null 2>&1 9>&- &
    pid=$!
    await -s "$numberfile" "$pid" 200 "Xvfb did not start"
    printf ':%s\n%s\n' "$(tr -d '\n' <"$numberfile")" "$pid" >"$session"
    rm -f "$numberfile"
}

# Starts the keeper (exec'd: no shell may stand between it and the run) and waits until it
# holds the desktop; it names a file of the prefix's folder once it does.
start_keeper() {
    ready=$prefix.ready
    rm -f "$ready"
    (cd "$(dirname "$prefix")" && exec "$loader" "$keeper" "${ready##*/}") \
        </dev/null >/dev/null 2>&1 9>&- &
    printf '\n%s\n' "$!" >"$session"
    await -e "$ready" "$!" 600 "$keeper did not bring up Wine's desktop"
    rm -f "$ready"
}

start() {
    probe
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/system.reg" ]; then
            log=$prefix.wineboot.log
            wine wineboot -i >"$log" 2>&1 9>&- || true
            # The registry reaches the disk when the server ends; only then is the prefix made.
            wineserver -w
            if [ ! -f "$prefix/system.reg" ]; then
                echo "wine-run: cannot make the Wine prefix $prefix; Wine said:" >&2
                cat "$log" >&2
                exit 1
            fi
            rm -f "$log"
            # A crashing test must fail, not wait for somebody to close the crash dialog.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
                >/dev/null 2>&1 9>&-
        fi
        # Wine's own desktop window: without it, Wine waits about two seconds after every closed
        # dialog or message box for a window manager the virtual display does not have.
        if ! grep -q '^"Desktop"="Default"' "$prefix/user.reg"; then
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
                >/dev/null 2>&1 9>&-
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
                >/dev/null 2>&1 9>&-
            wineserver -w
        fi
        # A test run draws nothing: Wine's null graphics driver keeps every window, dialog and
        # message box real but leaves the X server out of every program's start, a good part
        # of its time. A run that shows its windows (show-dialog.sh, a program run on its own)
        # draws on the display.
        graphics=$(sed -n 's/^"Graphics"="\(.*\)"$/\1/p' "$prefix/user.reg")
        if [ -n "$keeper" ] && [ "$graphics" != null ]; then
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
                >/dev/null 2>&1 9>&-
            wineserver -w
        elif [ -z "$keeper" ] && [ -n "$graphics" ]; then
            wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 9>&-
            wineserver -w
        fi
        if [ -n "$keeper" ]; then
            # No display: nothing is drawn, and Xvfb's start is saved.
            if read_session; then
                kill "$holder" 2>/dev/null || true
            fi
            printf '\n\n' >"$session"
        else
            session_running || start_display
        fi
        # Nothing started here may keep the lock (descriptor 9) once this block ends.
        # One wineserver for the whole run, instead of one started by every program; a server
        # left from the set-up above or from an earlier run makes way for it.
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w
        wineserver -p </dev/null >/dev/null 2>&1 9>&-
        # The first program brings up Wine's own services and desktop, which outlive it holding
        # its output open and keep the display it found; started here, they hold nothing a test
        # reads, and windows go to this run's display.
        read_session
        export DISPLAY="$display"
        wine reg query 'HKCU\Software\Wine' </dev/null >/dev/null 2>&1 9>&- || true
        if [ -n "$keeper" ]; then
            start_keeper
        fi
    ) 9>"$prefix.lock"
}

stop() {
    wineserver -k >/dev/null 2>&1 || true
    if read_session; then
        kill "$holder" 2>/dev/null || true
        rm -f "$session"
    fi
}

refuse_preload() {
    if [ -n "${LD_PRELOAD:-}" ]; then
        echo "wine-run: nothing is preloaded into Wine (LD_PRELOAD=$LD_PRELOAD);" \
             "a test that needs it is skipped under Wine" >&2
        exit 77
    fi
}

case ${1:-} in
    --probe) probe ;;
    --start) refuse_preload; keeper=${2:-}; start ;;
    --stop) stop ;;
    "") echo "usage: wine-run.sh [--win64] PROGRAM [ARGS...] | --start [KEEPER] | --stop | --probe" >&2
        exit 2 ;;
    *)
        refuse_preload
        started_here=0
        if ! session_running; then
            keeper=""
            start
            started_here=1
            read_session
        fi
        export DISPLAY="$display"
        status=0
        wine "$@" || status=$?
        [ "$started_here" -eq 0 ] || stop
        exit "$status" ;;
esac
