#!/usr/bin/env bash
# Stops the private print server of start-cups.sh DIR and removes its files
# and its spool; the logs and the last printed document stay in DIR for a look
# after a failure. Usage: stop-cups.sh DIR
set -u

dir=$(cd "$1" 2>/dev/null && pwd) || exit 0

if [ -e "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    # Only the server started on this folder's configuration, and only while
    # it is still there (a finished process that nobody reaped counts as gone).
    running() { [ -e /proc/"$pid" ] && ! grep -q '^[0-9]* ([^)]*) Z' /proc/"$pid"/stat 2>/dev/null; }
    if running && tr '\0' ' ' </proc/"$pid"/cmdline 2>/dev/null | grep -qF -- "-c $dir/server/cupsd.conf"; then
        kill "$pid"
        for _ in $(seq 100); do
            running || break
            sleep 0.1
        done
    fi
fi
# The spool folder, when it is the one start-cups.sh made.
if [ -e "$dir/spool-dir" ]; then
    spool=$(cat "$dir/spool-dir")
    case "$(basename "$spool")" in
    zubzahlen-cups.??????) [ -d "$spool" ] && rm -rf "$spool" ;;
    esac
fi
rm -rf "$dir/server" "$dir/cups.sock" "$dir/cupsd.pid" "$dir/spool-dir" "$dir/state"
exit 0
