#!/bin/sh
# vscrobot in the Debian package, unpacked into a scratch root: its libraries among the
# package's dependencies, its manual page free of groff's warnings, both systemd units
# accepted by systemd-analyze with the hardening they promise, and the program itself serving
# on loopback and stopping on SIGTERM. Skipped (77) for a package without vscrobot.
# Usage: robot_installed.sh PACKAGE.deb
set -u
deb=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"
robot=$root/usr/bin/vscrobot
[ -x "$robot" ] || { echo "no vscrobot in $deb: skipped"; exit 77; }
fail=0

depends=$(dpkg-deb -f "$deb" Depends)
for library in libmicrohttpd12 libsqlite3-0; do
    case ", $depends," in
        *", $library "*|*", $library,"*) ;;
        *) echo "FAIL (Depends): no $library in: $depends"; fail=1 ;;
    esac
done

manual=$root/usr/share/man/man1/vscrobot.1.gz
if [ ! -s "$manual" ]; then
    echo "FAIL (manual page): no $manual"
    fail=1
elif command -v man >/dev/null 2>&1; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL (manual page): $warnings"; fail=1; }
else
    echo "no man: the manual page's warnings not checked"
fi

# Each row: the unit, then a line it must hold.
units=$root/usr/lib/systemd/system
while read -r unit line; do
    grep -qxF "$line" "$units/$unit" || { echo "FAIL ($unit): no line $line"; fail=1; }
done <<'EOF'
vscrobot.service ExecStart=/usr/bin/vscrobot serve --data /var/lib/vscrobot --listen 127.0.0.1:8080
vscrobot.service DynamicUser=yes
vscrobot.service StateDirectory=vscrobot
vscrobot.service ProtectSystem=strict
vscrobot.service ReadWritePaths=/var/lib/vscrobot
vscrobot.service NoNewPrivileges=yes
vscrobot-publish.service ExecStart=/usr/bin/vscrobot publish --data /var/lib/vscrobot
vscrobot-publish.service User=vscrobot
vscrobot-publish.service StateDirectory=vscrobot
vscrobot-publish.service ProtectSystem=strict
EOF
if command -v systemd-analyze >/dev/null 2>&1; then
    mkdir "$scratch/units"
    for unit in vscrobot.service vscrobot-publish.service; do
        # The program is looked for where it is unpacked.
        sed "s|/usr/bin/vscrobot|$robot|" "$units/$unit" >"$scratch/units/$unit"
        said=$(systemd-analyze verify --man=no "$scratch/units/$unit" 2>&1) ||
            said="$said (status $?)"
        [ -z "$said" ] || { echo "FAIL (verify $unit): $said"; fail=1; }
        # Exposure on systemd's scale of 0 to 10, times ten: 1.5 at most.
        systemd-analyze security --offline=yes --threshold=15 --no-pager \
            "$scratch/units/$unit" >"$scratch/security.txt" 2>&1 ||
            { echo "FAIL (security $unit):"; tail -n 1 "$scratch/security.txt"; fail=1; }
    done
else
    echo "no systemd-analyze: the units' verification skipped"
fi

# timeout passes SIGTERM on, and ends a server that ignores it.
timeout 30 "$robot" serve --data "$scratch/data" --listen 127.0.0.1:0 >"$scratch/serve.out" \
    2>"$scratch/serve.err" &
server=$!
tries=0
until grep -q '^listening on http://127\.0\.0\.1:[0-9]*/$' "$scratch/serve.out" 2>/dev/null ||
      [ "$tries" -ge 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
if ! grep -q '^listening on' "$scratch/serve.out"; then
    echo "FAIL (serve): it did not say where it listens"
    cat "$scratch/serve.err"
    fail=1
fi
kill -TERM "$server" 2>/dev/null
status=0
wait "$server" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL (serve): status $status after SIGTERM"; fail=1; }
exit "$fail"
