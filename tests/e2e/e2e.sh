#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program under Xvfb with real key presses.
# Usage: e2e.sh WOLUMAT SCENARIO EXPECTED_DIR
#   skroty     F2, F3 and Alt+X on an empty library
#   przyklad   one title and one copy typed through the menus, saved with F2
#   polskie    a title with Polish letters typed through the menus
#   jedna_instancja  second starts: in the same folder (directly and through a
#              symbolic link) they hand over to the running window and end; in
#              another folder they run beside it; after a SIGKILL a start works
#   schowek    a file with Polish letters opened and one title added; in each
#              list, with no Tab, the start of a name or number typed and the
#              row found copied with Ctrl+C, read back from the clipboard by xclip
#   nawyk      Space, Tab Space and Tab Tab Space on the main window as a hand
#              presses them by habit, right after start-up and after a title
#              is typed: nothing runs; F2 then saves the title
set -euo pipefail

program=$(realpath "$1")
scenariusz=$2
oczekiwane=$(realpath "$3")

katalog=$(mktemp -d)
xvfb_pid=""
program_pid=""
sprzatanie() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$katalog"
}
trap sprzatanie EXIT

# A display of our own: Xvfb picks a free number and writes it to a pipe.
exec {numer_fd}<> <(:)
Xvfb -displayfd "$numer_fd" -screen 0 1024x768x24 -nolisten tcp >"$katalog/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$numer_fd" numer
export DISPLAY=":$numer"
unset QT_QPA_PLATFORM

cd "$katalog"
"$program" >"$katalog/program.log" 2>&1 &
program_pid=$!

okno() { # waits for a visible window with this exact title and focuses it
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    xdotool windowfocus --sync "$id"
    sleep 0.3
}
klawisz() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.3; }
pisz() { xdotool type --clearmodifiers --delay 60 -- "$1"; sleep 0.2; }
czekaj_na_plik() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; echo "no $1"; return 1; }
zakoncz() {
    okno wolumat
    klawisz alt+x
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    if [ "$status" -ne 0 ]; then
        echo "the program ended with status $status"
        cat "$katalog/program.log"
        exit 1
    fi
}
porownaj() {
    if ! cmp "$1" "$2"; then
        echo "$1 differs from $2:"
        diff <(od -c "$1") <(od -c "$2") | head -n 20
        exit 1
    fi
}
nowy_tytul() {
    okno wolumat
    klawisz alt+d t
    okno "Tytuły"
    pisz "$1"; klawisz Tab; pisz "$2"; klawisz Tab; pisz "$3"; klawisz Return
}
nowa_ksiazka() {
    okno wolumat
    klawisz alt+d k
    okno "Książka"
    pisz "$1"; klawisz Tab; pisz "$2"; klawisz Return
}

case "$scenariusz" in
skroty)
    okno wolumat
    klawisz F2
    czekaj_na_plik proba1.txt
    klawisz F3
    czekaj_na_plik proba2.txt
    zakoncz
    porownaj proba1.txt "$oczekiwane/pusta_biblioteka.txt"
    porownaj proba2.txt "$oczekiwane/pusta_biblioteka.txt"
    ;;
przyklad)
    nowy_tytul "Stary dom" "Anonim" "83-01-00001-5"
    nowa_ksiazka 1 "Stary dom"
    okno wolumat
    klawisz F2
    czekaj_na_plik proba1.txt
    zakoncz
    porownaj proba1.txt "$oczekiwane/przyklad_roboczy.txt"
    ;;
polskie)
    nowy_tytul "Łódź nocą" "Żółkiewski" "ĄĘ-1"
    nowa_ksiazka 5 "Łódź nocą"
    okno wolumat
    klawisz F2
    czekaj_na_plik proba1.txt
    zakoncz
    porownaj proba1.txt "$oczekiwane/polskie_litery.txt"
    ;;
jedna_instancja)
    okno wolumat
    ile_okien() { xdotool search --onlyvisible --name '^wolumat$' 2>/dev/null | wc -l; }
    mkdir "$katalog/inny"
    ln -s "$katalog" "$katalog/dowiazanie"
    # folder of the second start | how it ends | windows while it runs or after it ended
    while read -r folder konczy okna; do
        status=0
        (cd "$katalog/$folder" && exec timeout 5 "$program" >/dev/null 2>&1) && status=0 || status=$?
        if [ "$konczy" = sam ] && [ "$status" -ne 0 ]; then
            echo "a second start in $folder ended with $status, expected 0 within 5 s"; exit 1
        fi
        if [ "$konczy" = pracuje ] && [ "$status" -ne 124 ]; then
            echo "a start in $folder ended with $status; it should run beside the first"; exit 1
        fi
        if [ "$konczy" = pracuje ]; then
            # Counted while it runs: started again, it shows its own window.
            (cd "$katalog/$folder" && exec "$program" >/dev/null 2>&1) &
            drugi=$!
            for _ in $(seq 50); do [ "$(ile_okien)" -eq "$okna" ] && break; sleep 0.1; done
            teraz=$(ile_okien)
            kill "$drugi"; wait "$drugi" 2>/dev/null || true
        else
            sleep 0.5
            teraz=$(ile_okien)
        fi
        if [ "$teraz" -ne "$okna" ]; then
            echo "after a start in $folder: $teraz windows titled wolumat, expected $okna"; exit 1
        fi
    done <<'TABELA'
. sam 1
dowiazanie sam 1
inny pracuje 2
TABELA
    # A dialog open in the first window stays open, and on top, when a
    # second start asks that window to come forward.
    okno wolumat
    klawisz alt+d t
    okno "Tytuły"
    pisz "Lalka"
    (exec timeout 5 "$program" >/dev/null 2>&1) || { echo "a second start over an open dialog did not end with 0"; exit 1; }
    okno "Tytuły"
    pisz " Prusa"; klawisz Tab; pisz "Prus"; klawisz Tab; pisz "83-1"; klawisz Return
    # The first window still takes F2, and saves what the dialog took.
    okno wolumat
    klawisz F2
    czekaj_na_plik proba1.txt
    if ! iconv -f cp1250 proba1.txt | grep -q '^<Lalka Prusa'; then
        echo "the title typed around the second start was not saved"; exit 1
    fi
    # Killed, it leaves nothing that stops the next start.
    kill -9 "$program_pid"; wait "$program_pid" 2>/dev/null || true
    "$program" >"$katalog/program.log" 2>&1 &
    program_pid=$!
    okno wolumat
    zakoncz
    ;;
schowek)
    cp "$oczekiwane/polskie_litery.txt" proba1.txt
    okno wolumat
    klawisz F3
    czekaj_na_plik proba2.txt
    nowy_tytul "Ala ma kota" "Autor" "83-2"
    nowa_ksiazka 12 "Ala ma kota"
    skopiuj_wiersz() { # list menu key, list caption, text typed, expected row
        okno wolumat
        klawisz alt+w "$1"
        okno "$2"
        # No Tab: the list opens with the keyboard on its grid.
        pisz "$3"
        klawisz ctrl+c
        local schowek
        schowek=$(xclip -o -selection clipboard)
        if [ "$schowek" != "$4" ]; then
            echo "clipboard from $2: $(printf '%q' "$schowek"), expected $(printf '%q' "$4")"
            exit 1
        fi
        klawisz Escape
    }
    skopiuj_wiersz t "Wyswietl tytuły" "Łó" "$(printf '2\tŁódź nocą\tŻółkiewski\tĄĘ-1')"
    skopiuj_wiersz k "Wyświetl książki" "12" "$(printf '2\t12\tAla ma kota\tAutor\t83-2')"
    zakoncz
    ;;
nawyk)
    nawykowe_klawisze() { # Space, Tab Space, Tab Tab Space on the main window
        for klawisze in space "Tab space" "Tab Tab space"; do
            okno wolumat
            # shellcheck disable=SC2086
            klawisz $klawisze
            if ! kill -0 "$program_pid" 2>/dev/null; then
                echo "$1, $klawisze ended the program"; exit 1
            fi
            [ ! -e proba2.txt ] || { echo "$1, $klawisze ran Open"; exit 1; }
            [ ! -e proba1.txt ] || { echo "$1, $klawisze ran Save"; exit 1; }
        done
    }
    nawykowe_klawisze "right after start-up"
    nowy_tytul "Stary dom" "Anonim" "83-01-00001-5"
    nawykowe_klawisze "after New title"
    okno wolumat
    klawisz F2
    czekaj_na_plik proba1.txt
    if ! iconv -f cp1250 proba1.txt | grep -q '^<Stary dom'; then
        echo "the title typed before the stray keys was not saved"; exit 1
    fi
    zakoncz
    ;;
*)
    echo "unknown scenario $scenariusz"
    exit 2
    ;;
esac
echo "e2e $scenariusz: passed"
