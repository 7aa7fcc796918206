#!/usr/bin/env bash
# Checks what software centres and desktop menus read of the program: the
# AppStream metainfo and the desktop entry in packaging/, each with its
# validator, and that the two name the same program. Usage:
# check-metadata.sh PACKAGING_DIR. Exit 77 (skipped) where a validator is missing.
set -uo pipefail
dir=$1
metainfo=$dir/org.example.zubzahlen.metainfo.xml
for tool in appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }

# Anything above a pedantic hint fails.
"$(dirname "$0")/appstream-validate.sh" validate --no-net --strict --pedantic "$metainfo" ||
    fail "appstreamcli validate"

# The entry named as the launchable is the one packaged beside it.
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -n "$launchable" ] || fail "no desktop-id launchable in $metainfo"
entry=$dir/$launchable
[ -f "$entry" ] || fail "the launchable $launchable is not in $dir"

# desktop-file-validate exits 0 on warnings: only hints may be printed.
report=$(desktop-file-validate "$entry") || { echo "$report"; fail "desktop-file-validate"; }
problems=$(grep -v ': hint: ' <<<"$report")
[ -z "$problems" ] || { echo "$problems"; fail "desktop-file-validate reports problems"; }

# The program the entry and each of its actions start is the binary the metainfo provides.
binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
while read -r exec; do
    exec=${exec%% *}
    [ "$binary" = "$exec" ] || fail "the metainfo provides the binary '$binary', the entry starts '$exec'"
done < <(sed -n 's/^Exec=//p' "$entry")
echo "metainfo and desktop entry are valid and agree"
