#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, installs it into
# a scratch root, starts the program the way the desktop entry does, and
# removes it again. Exit 77 (skipped) where the Debian tools are missing.
set -euo pipefail
build=$(cd "$1" && pwd)
for tool in dpkg dpkg-deb dpkg-shlibdeps file cpack; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
export PATH="$PATH:/usr/sbin:/sbin" # dpkg wants ldconfig on the path

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/zubzahlen_*.deb)
echo "package: $(basename "$deb")"

# The Qt libraries the program links, named as this release's packages name
# them (Debian 13 calls libqt6core6 libqt6core6t64), and what Qt loads at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
libraries=()
for lib in Qt6Core Qt6Gui Qt6Widgets Qt6TextToSpeech Qt6Sql Qt6Charts; do
    owner=$(dpkg-query -S "*/lib$lib.so.6" 2>/dev/null | sed -n '1s/[:,].*//p')
    [ -n "$owner" ] || fail "no installed package holds lib$lib.so.6"
    libraries+=("$owner")
done
for p in "${libraries[@]}" libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins qt6-translations-l10n; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "no dependency on $p"
done
# Reading aloud works with a speech engine and a German voice, which the
# program loads at run time: recommended, so the program installs without them.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
for p in qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng; do
    grep -q "\b$p\b" <<<"$recommends" || fail "$p is not recommended"
done

# The learning record's views come as a module the program loads from
# ../lib/zubzahlen/plugins when a view is first opened.
files=(usr/bin/zubzahlen usr/bin/zubzahlen-klassenserver usr/lib/zubzahlen/plugins/libzubrecordview.so
    usr/share/applications/zubzahlen.desktop
    usr/share/icons/hicolor/scalable/apps/zubzahlen.svg
    usr/share/metainfo/org.example.zubzahlen.metainfo.xml)
listing=$(dpkg-deb -c "$deb")
for f in "${files[@]}"; do
    grep -q " \./$f\$" <<<"$listing" || fail "$f is not in the package"
done

# A scratch root with an empty package database.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root=(dpkg --root="$root" --log=/dev/null --force-depends)
[ "$(id -u)" -ne 0 ] && dpkg_root+=(--force-not-root)
# The scratch root has no Qt of its own: the missing dependencies are expected.
"${dpkg_root[@]}" -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
for f in "${files[@]}"; do
    [ -s "$root/$f" ] || fail "$f was not installed"
done
[ -x "$root/usr/bin/zubzahlen" ] || fail "the program is not executable"

entry="$root/usr/share/applications/zubzahlen.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop entry"
fi
# The installed tree as a software centre reads it: the metainfo, the entry
# it launches and the icon.
if command -v appstreamcli >/dev/null; then
    "$(dirname "$0")/appstream-validate.sh" validate-tree --no-net --strict "$root" ||
        fail "metainfo in the installed tree"
fi
# A field of the entry's main group; its actions come after it.
field() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$entry"; }
[ "$(field Exec)" = zubzahlen ] || fail "Exec is $(field Exec)"
board=$(sed -n '/^\[Desktop Action vollbild\]/,$ s/^Exec=//p' "$entry")
[ "$board" = "zubzahlen --vollbild" ] || fail "the full-screen action runs '$board'"
[ "$(field Icon)" = zubzahlen ] || fail "Icon is $(field Icon)"
[ "$(field Categories)" = "Education;Math;" ] || fail "Categories is $(field Categories)"

# Started like the menu does: the command of Exec, in the home directory. It
# must still be running after a few seconds (it waits for the child).
home="$work/home"
mkdir -p "$home"
status=0
(cd "$home" && HOME="$home" PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
    timeout 3 $(field Exec) >"$work/run.log" 2>&1) || status=$?
[ "$status" -eq 124 ] || { cat "$work/run.log"; fail "the program ended with status $status"; }

# The school administrator's command, as installed: its German help, and a
# clear refusal with status 2 when called without a command.
tool="$root/usr/bin/zubzahlen-klassenserver"
"$tool" --help | grep -q "^Aufruf: zubzahlen-klassenserver" || fail "the tool's --help"
status=0
"$tool" >"$work/tool.log" 2>&1 || status=$?
[ "$status" -eq 2 ] && grep -q "Es fehlt, was zu tun ist" "$work/tool.log" ||
    { cat "$work/tool.log"; fail "the tool without a command ended with status $status"; }

"${dpkg_root[@]}" -r zubzahlen >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
left=$(find "$root/usr" -type f 2>/dev/null || true)
[ -z "$left" ] || fail "left behind after removal: $left"
if "${dpkg_root[@]}" -s zubzahlen 2>/dev/null | grep -q '^Status: install ok installed'; then
    fail "still registered as installed"
fi
echo "installed, started and removed cleanly"
