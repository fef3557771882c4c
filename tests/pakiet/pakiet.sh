#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a throwaway prefix and validates the desktop entry
# and the AppStream metadata; builds the Debian package, has lintian judge
# it, checks its dependencies and contents, installs it with dpkg into a
# fresh root, renders its manual pages and starts the installed program once.
# Usage: pakiet.sh BUILD_DIR
set -euo pipefail
budowa=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$budowa" --prefix "$tmp/prefix" >/dev/null
# The entry is clean: not even a hint (two main categories show it twice).
uwagi=$(desktop-file-validate "$tmp/prefix/share/applications/org.wolumat.Wolumat.desktop" 2>&1)
[ -z "$uwagi" ] || { echo "desktop-file-validate: $uwagi"; exit 1; }
appstreamcli validate --no-net "$tmp/prefix/share/metainfo/org.wolumat.Wolumat.metainfo.xml"
test -s "$tmp/prefix/share/icons/hicolor/scalable/apps/org.wolumat.Wolumat.svg"
test -x "$tmp/prefix/bin/wolumat"

(cd "$tmp" && cpack -G DEB --config "$budowa/CPackConfig.cmake" -B "$tmp/deb" >/dev/null 2>&1)
pakiet=$(ls "$tmp"/deb/*.deb)
# Debian's own checker: no error and no warning; the one override (the
# placeholder mail address) is shown, so that it is seen to be used.
lintian --fail-on error,warning "$pakiet" >/dev/null 2>&1 || { echo "lintian rejects the package"; exit 1; }
werdykt=$(lintian --show-overrides --fail-on none "$pakiet" 2>/dev/null)
if grep -E '^(E|W): ' <<<"$werdykt"; then
    echo "lintian reports errors or warnings"
    exit 1
fi
grep -q '^O: wolumat: bogus-mail-host ' <<<"$werdykt" || { echo "the lintian override is not used:"; echo "$werdykt"; exit 1; }
echo "lintian: $(grep -c '^O: ' <<<"$werdykt") overridden, no errors or warnings"

zaleznosci=$(dpkg-deb -f "$pakiet" Depends)
echo "Depends: $zaleznosci"
for wymagany in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libqt6svg6; do
    grep -q "$wymagany" <<<"$zaleznosci" || { echo "missing dependency $wymagany"; exit 1; }
done
# On a Wayland desktop the program runs natively where Qt's plugin is there.
zalecane=$(dpkg-deb -f "$pakiet" Recommends)
grep -qw qt6-wayland <<<"$zalecane" || { echo "Recommends lacks qt6-wayland: $zalecane"; exit 1; }
zawartosc=$(dpkg-deb -c "$pakiet")
for plik in ./usr/bin/wolumat ./usr/share/doc/wolumat/copyright ./usr/share/doc/wolumat/changelog.gz \
    ./usr/share/man/man1/wolumat.1.gz ./usr/share/man/pl/man1/wolumat.1.gz \
    ./usr/share/lintian/overrides/wolumat ./usr/share/applications/org.wolumat.Wolumat.desktop \
    ./usr/share/metainfo/org.wolumat.Wolumat.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/org.wolumat.Wolumat.svg; do
    grep -qF "$plik" <<<"$zawartosc" || { echo "the package lacks $plik"; exit 1; }
done

# dpkg -i into a fresh root; that root holds no other package, so its
# dependencies are taken from this machine, where every one is installed.
mkdir -p "$tmp/korzen/var/lib/dpkg/info" "$tmp/korzen/var/lib/dpkg/updates" "$tmp/korzen/var/lib/dpkg/triggers"
touch "$tmp/korzen/var/lib/dpkg/status" "$tmp/korzen/var/lib/dpkg/available"
wymuszenia=--force-depends,script-chrootless
[ "$(id -u)" -eq 0 ] || wymuszenia+=,not-root
dpkg --root="$tmp/korzen" "$wymuszenia" -i "$pakiet" >/dev/null 2>&1
dpkg --root="$tmp/korzen" -s wolumat | grep -q "Status: install ok installed"
# The installed manual pages render, without a warning.
for strona in "$tmp/korzen/usr/share/man/man1/wolumat.1.gz" "$tmp/korzen/usr/share/man/pl/man1/wolumat.1.gz"; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$strona" >"$tmp/strona.txt" 2>"$tmp/ostrzezenia.txt"
    if [ -s "$tmp/ostrzezenia.txt" ] || ! grep -q 'proba1.txt' "$tmp/strona.txt"; then
        echo "man -l $strona:"; cat "$tmp/ostrzezenia.txt"; exit 1
    fi
done

mkdir "$tmp/praca"
(cd "$tmp/praca" && QT_QPA_PLATFORM=offscreen timeout 3 "$tmp/korzen/usr/bin/wolumat") && status=0 || status=$?
if [ "$status" -ne 124 ]; then
    echo "the packaged program ended on its own with status $status"
    exit 1
fi
echo "package $(basename "$pakiet"): passed"
