#!/bin/sh
# Renders every picture twice, each run a process of its own, and fails when
# a picture is missing, blank, in the wrong font, or not the same to the byte.
# Usage: check-pictures.sh SCREENSHOTS-TOOL OUTPUT-DIRECTORY
set -eu
tool=$1
out=$2
rm -rf "$out"
"$tool" "$out/first"
"$tool" "$out/second" >/dev/null
if ! diff -r "$out/first" "$out/second"; then
    echo "the pictures differ from one run to the next" >&2
    exit 1
fi
echo "every picture is the same on a second run"
