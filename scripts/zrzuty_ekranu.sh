#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots: the main window and every dialog, drawn by
# the real program under Xvfb. Usage: zrzuty_ekranu.sh [build dir] (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
korzen=$(pwd)
program="$korzen/${1:-build}/app/wolumat"
cel="$korzen/docs"

if ! command -v import xclip openbox >/dev/null || [ ! -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick qt6ct xclip openbox
fi

katalog=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$katalog"' EXIT
exec {numer_fd}<> <(:)
Xvfb -displayfd "$numer_fd" -screen 0 2200x1600x24 -nolisten tcp >/dev/null 2>&1 &
read -r -t 20 -u "$numer_fd" numer
export DISPLAY=":$numer"
unset QT_QPA_PLATFORM

cd "$katalog"
"$program" >/dev/null 2>&1 &
pierwszy=$!

okno() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
aktywuj() { xdotool windowfocus --sync "$(okno "$1")"; sleep 0.4; }
klawisz() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.5; }
pisz() { xdotool type --clearmodifiers --delay 40 -- "$1"; }
zrzut() { import -window "$(okno "$1")" "$cel/$2.png"; echo "docs/$2.png"; }

tytul() { aktywuj wolumat; klawisz alt+d t; aktywuj "Tytuły"; pisz "$1"; klawisz Tab; pisz "$2"; klawisz Tab; pisz "$3"; klawisz Return; }
ksiazka() { aktywuj wolumat; klawisz alt+d k; aktywuj "Książka"; pisz "$1"; klawisz Tab; pisz "$2"; klawisz Return; }

tytul "Pan Tadeusz" "A. Mickiewicz" "83-04-00001-1"
tytul "Lalka" "B. Prus" "83-07-00002-2"
tytul "Chłopi" "W. Reymont" "83-06-00003-3"
ksiazka 12 "Lalka"
ksiazka 3 "Pan Tadeusz"
ksiazka 7 "Chłopi"

aktywuj wolumat
xdotool mousemove --window "$(okno wolumat)" 16 40; sleep 0.3 # the hint, before the tooltip shows
zrzut wolumat okno_glowne

klawisz alt+d t; aktywuj "Tytuły"; pisz "Quo vadis"; sleep 0.3
zrzut "Tytuły" nowy_tytul; klawisz Escape
aktywuj wolumat; klawisz alt+d k; aktywuj "Książka"; pisz "4"; klawisz Tab; pisz "Lalka"; sleep 0.3
zrzut "Książka" nowa_ksiazka; klawisz Escape
aktywuj wolumat; klawisz alt+w t; aktywuj "Wyswietl tytuły"
zrzut "Wyswietl tytuły" lista_tytulow; klawisz Escape
aktywuj wolumat; klawisz alt+w k; aktywuj "Wyświetl książki"
zrzut "Wyświetl książki" lista_ksiazek; klawisz Escape
aktywuj wolumat; klawisz alt+c o; aktywuj "O programie"
zrzut "O programie" o_programie; klawisz Return
aktywuj wolumat; klawisz F2 alt+x
# Ended, so that the next start in this folder does not hand over to it.
wait "$pierwszy" || true

# The titles list as readers with other needs see it, the catalogue opened
# from what was saved: with the focus moved by Tab to OK; with an 18-point
# desktop font; with a high-contrast palette (black, white, yellow). The
# desktop's font and palette come through qt6ct, as a desktop hands them.
lista() {
    "$program" >/dev/null 2>&1 &
    local uruchomiony=$!
    aktywuj wolumat; klawisz F3 alt+w t; aktywuj "Wyswietl tytuły"
    if [ -n "${2:-}" ]; then klawisz "$2"; fi
    zrzut "Wyswietl tytuły" "$1"; klawisz Escape
    aktywuj wolumat; klawisz alt+x
    wait "$uruchomiony" || true
}
lista lista_tytulow_fokus_ok Tab
ustawienia="$katalog/ustawienia/qt6ct"
mkdir -p "$ustawienia/colors"
kolory=(ffffff 000000 ffffff 000000 ffffff 000000 ffffff ffff00 ffffff 000000 000000 000000 ffff00 000000 ffff00
    ffff00 000000 000000 000000 ffffff ffffff) # QPalette's roles in order, WindowText first
wiersz=$(printf '#ff%s, ' "${kolory[@]}")
printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' \
    "${wiersz%, }" "${wiersz%, }" "${wiersz%, }" >"$ustawienia/colors/kontrast.conf"
czcionka='"DejaVu Sans,18,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"'
printf '[Appearance]\nstyle=Fusion\n[Fonts]\ngeneral=%s\nfixed=%s\n' "$czcionka" "$czcionka" >"$ustawienia/qt6ct.conf"
XDG_CONFIG_HOME="$katalog/ustawienia" QT_QPA_PLATFORMTHEME=qt6ct lista lista_tytulow_18pt
printf '[Appearance]\nstyle=Fusion\ncustom_palette=true\ncolor_scheme_path=%s\n' "$ustawienia/colors/kontrast.conf" \
    >"$ustawienia/qt6ct.conf"
XDG_CONFIG_HOME="$katalog/ustawienia" QT_QPA_PLATFORMTHEME=qt6ct lista lista_tytulow_kontrast

# HiDPI: the same window at twice the scale, glyphs and icon drawn from SVG.
QT_SCALE_FACTOR=2 "$program" >/dev/null 2>&1 &
uruchomiony=$!
aktywuj wolumat
xdotool mousemove --window "$(okno wolumat)" 60 80; sleep 0.3
zrzut wolumat okno_glowne_2x
klawisz alt+x
wait "$uruchomiony" || true

# On a 1280×1024 screen under a window manager: the main window at a 24-point
# font fits the screen, title bar and status bar on it; a paste of letters
# the catalogue cannot hold is refused, and the note at the box says so.
exec {numer_fd}<> <(:)
Xvfb -displayfd "$numer_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
read -r -t 20 -u "$numer_fd" numer
export DISPLAY=":$numer"
openbox >/dev/null 2>&1 &
sleep 1
czcionka='"DejaVu Sans,24,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"'
printf '[Appearance]\nstyle=Fusion\n[Fonts]\ngeneral=%s\nfixed=%s\n' "$czcionka" "$czcionka" >"$ustawienia/qt6ct.conf"
XDG_CONFIG_HOME="$katalog/ustawienia" QT_QPA_PLATFORMTHEME=qt6ct "$program" >/dev/null 2>&1 &
uruchomiony=$!
aktywuj wolumat
import -window root "$cel/okno_glowne_24pt.png"; echo docs/okno_glowne_24pt.png
klawisz alt+x
wait "$uruchomiony" || true
"$program" >/dev/null 2>&1 &
aktywuj wolumat; klawisz alt+d t; aktywuj "Tytuły"; pisz "Lalka"; klawisz Tab
printf 'Жук и жаба' | xclip -selection clipboard
klawisz ctrl+v
import -window root -crop 760x420+300+250 "$cel/odmowa_wklejenia.png"; echo docs/odmowa_wklejenia.png
klawisz Escape
aktywuj wolumat; klawisz alt+x
