#!/usr/bin/env bash
# Brings up a private print server for the test that prints a worksheet on a
# real queue. Usage: start-cups.sh DIR
#
# Everything of it lives in DIR: configuration, logs and its only socket,
# DIR/cups.sock; just its spool is a temporary folder (run by root, the server
# runs its filter as the user lp, who has to reach the spool but maybe not the
# build tree). No network port, nothing else written, no root needed. Only a client given CUPS_SERVER=DIR/cups.sock sees it (the printing
# test alone, see tests/CMakeLists.txt), so a print server of the machine is
# neither used nor touched. Its one queue is its default printer and writes
# each document it receives, unchanged, to DIR/out/job.pdf.
#
# It never fails: when the server cannot be had (packages missing, it does not
# come up, its queue does not work) it writes the reason into DIR/state and the
# printing test skips with that reason.
set -u

mkdir -p "$1"
dir=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
queue=ZUBZahlenTest
server=$dir/server
export CUPS_SERVER=$dir/cups.sock
# lpadmin lives in /usr/sbin, which is not on a normal user's path on Debian.
export PATH="$PATH:/usr/sbin:/sbin"

# A server that a killed run left behind goes first.
"$here/stop-cups.sh" "$dir"
rm -rf "$server" "$dir/out" "$dir/log" "$dir/cups.sock"
mkdir -p "$server/cache" "$server/state" "$dir/log" "$dir/out"

unavailable() {
    echo "unavailable: $*" >"$dir/state"
    echo "print server not available: $*"
    exit 0
}

[ -x /usr/sbin/cupsd ] || unavailable "cupsd is not installed (Debian package cups-daemon)"
for tool in lpadmin lpstat lp; do
    command -v $tool >/dev/null || unavailable "$tool is not installed (Debian package cups-client)"
done
[ -x /usr/lib/cups/filter/gziptoany ] ||
    unavailable "the gziptoany filter is not installed (Debian package cups-core-drivers)"
# The longest path a Unix socket can have is 107 bytes.
[ ${#CUPS_SERVER} -le 100 ] || unavailable "the socket path $CUPS_SERVER is too long: use a shorter build directory"

spool=$(mktemp -d "${TMPDIR:-/tmp}/zubzahlen-cups.XXXXXX") || unavailable "no temporary folder for the spool"
echo "$spool" >"$dir/spool-dir"
mkdir -p "$spool/tmp"

cat >"$server/cupsd.conf" <<EOF
Listen $CUPS_SERVER
Browsing No
WebInterface No
DefaultAuthType None
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# When run by root the server runs its filters as the user lp, and root is
# its administrators' group; otherwise everything runs as the caller.
cat >"$server/cups-files.conf" <<EOF
ServerRoot $server
RequestRoot $spool
TempDir $spool/tmp
CacheDir $server/cache
StateDir $server/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $server/printcap
FileDevice Yes
Sandboxing Relaxed
SystemGroup $(id -gn)
EOF

# In the foreground of its own session: its PID is ours to stop, and it keeps
# no pipe of the test runner open.
setsid /usr/sbin/cupsd -f -c "$server/cupsd.conf" -s "$server/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

server_up() { lpstat -r 2>/dev/null | grep -q 'is running'; }
for _ in $(seq 100); do
    server_up && break
    sleep 0.1
done
server_up || unavailable "cupsd did not start (see $dir/log)"

lpadmin -p "$queue" -E -v "file://$dir/out/job.pdf" -P "$here/pdf-file.ppd" 2>>"$dir/log/cupsd.out" ||
    unavailable "lpadmin could not create the queue $queue (see $dir/log)"
lpadmin -d "$queue" || unavailable "lpadmin could not make $queue the default"

# A small document through the queue: it has to come out unchanged, or the
# server cannot run its filter here (a folder its user cannot reach, say).
printf '%%PDF-1.4\n%% ZUB-Zahlen print server check\n%%%%EOF\n' >"$dir/log/check.pdf"
lp -d "$queue" "$dir/log/check.pdf" >/dev/null 2>>"$dir/log/cupsd.out" ||
    unavailable "lp could not print on $queue (see $dir/log)"
for _ in $(seq 100); do
    [ -z "$(lpstat -W not-completed -o "$queue" 2>/dev/null)" ] && break
    sleep 0.1
done
cmp -s "$dir/log/check.pdf" "$dir/out/job.pdf" ||
    unavailable "a document printed on $queue did not arrive in $dir/out:" \
        "$(lpstat -l -p "$queue" 2>&1 | sed -n 2p | xargs) (see $dir/log)"
rm -f "$dir/out/job.pdf"

echo "ok $queue $dir/out" >"$dir/state"
echo "private print server up at $CUPS_SERVER, default printer $queue, documents in $dir/out"
