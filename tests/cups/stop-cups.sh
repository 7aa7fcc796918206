#!/usr/bin/env bash
# Undoes what start-cups.sh did, and only that. Usage: stop-cups.sh DIR
set -u

dir=$1
queue=ZUBZahlenTest
conf=/etc/cups/cups-pdf-zubzahlen.conf

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo -n)

if [ -e "$dir/previous-default" ]; then
    previous=$(cat "$dir/previous-default")
    if [ -n "$previous" ] && [ "$previous" != "$queue" ]; then
        "${as_root[@]}" lpadmin -d "$previous" 2>/dev/null
    fi
fi
if [ -e "$dir/queue-created" ]; then
    "${as_root[@]}" lpadmin -x "$queue" 2>/dev/null
fi
if [ -e "$dir/conf-created" ]; then
    "${as_root[@]}" rm -f "$conf"
fi
if [ -e "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    # Only the server this run started (or the sudo that runs it), and only
    # while that process is still there.
    comm=$(cat /proc/"$pid"/comm 2>/dev/null)
    if [ "$comm" = cupsd ] || [ "$comm" = sudo ]; then
        "${as_root[@]}" kill "$pid"
        for _ in $(seq 100); do
            [ -e /proc/"$pid" ] || break
            sleep 0.1
        done
    fi
fi
rm -f "$dir"/{state,cupsd.pid,previous-default,queue-created,conf-created}
exit 0
