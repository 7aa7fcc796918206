#!/usr/bin/env bash
# Brings up a print server with a PDF queue as the system's default printer,
# for the test that prints a worksheet on a real queue. Usage: start-cups.sh DIR
#
# It never fails: when no server can be had (not root and no password-less
# sudo, packages missing, the server does not come up) it writes the reason
# into DIR/state and the printing test skips with that reason. Everything it
# changes is written down in DIR so that stop-cups.sh undoes exactly that.
set -u

dir=$1
queue=ZUBZahlenTest
instance=zubzahlen
conf=/etc/cups/cups-pdf-$instance.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

mkdir -p "$dir"
rm -rf "$dir/out" "$dir"/{state,cupsd.pid,previous-default,queue-created,conf-created}
mkdir -p "$dir/out"

unavailable() {
    echo "unavailable: $*" >"$dir/state"
    echo "print server not available: $*"
    exit 0
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || unavailable "not root and no password-less sudo to start cupsd"
    as_root=(sudo -n)
fi
[ -x /usr/sbin/cupsd ] || unavailable "cupsd is not installed (Debian package cups)"
command -v lpadmin >/dev/null && command -v lpstat >/dev/null ||
    unavailable "lpadmin/lpstat are not installed (Debian package cups-client)"
[ -e /usr/lib/cups/backend/cups-pdf ] && [ -e "$ppd" ] ||
    unavailable "cups-pdf is not installed (Debian package printer-driver-cups-pdf)"

server_up() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! server_up; then
    # In the foreground of its own session: its PID is ours to stop, and it
    # keeps no pipe of the test runner open.
    "${as_root[@]}" setsid /usr/sbin/cupsd -f </dev/null >"$dir/cupsd.log" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    for _ in $(seq 100); do
        server_up && break
        sleep 0.1
    done
    server_up || unavailable "cupsd did not start (see $dir/cupsd.log)"
fi

# cups-pdf reads the settings of the instance named in the device URI; the
# PDF files go into our own directory.
if [ ! -e "$conf" ]; then
    echo "Out $dir/out" | "${as_root[@]}" tee "$conf" >/dev/null || unavailable "cannot write $conf"
    touch "$dir/conf-created"
fi

lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' >"$dir/previous-default"
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    "${as_root[@]}" lpadmin -p "$queue" -E -v "cups-pdf:/$instance" -P "$ppd" 2>>"$dir/cupsd.log" ||
        unavailable "lpadmin could not create the queue $queue"
    touch "$dir/queue-created"
fi
"${as_root[@]}" lpadmin -d "$queue" || unavailable "lpadmin could not make $queue the default"
"${as_root[@]}" cupsenable "$queue" 2>/dev/null
"${as_root[@]}" cupsaccept "$queue" 2>/dev/null

echo "ok $queue $dir/out" >"$dir/state"
echo "print server up, default printer $queue, PDF files in $dir/out"
