#!/bin/bash
# Screenshots of every screen of the book in each language, side by side in one sheet per
# language: the intro, the colouring screen with its page title, Info, About, Printing Options
# and a message box (a page file is left out so that turning to it says so).
# Runs in a Wine session with a display (tools/testenv.sh's tw_session_start gives one) on the
# program's folder dist/win64:  bash tools/lang_shots.sh out/sheets de ru
# With no tags, every language of the book. The language is chosen as a family chooses it, with
# LANGUAGE.TXT beside the pages; TW_SHOTS_LANG=1 sets LANG to the language's locale instead.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?usage: lang_shots.sh <sheet folder> [tag...]}
shift
tags=${*:-en de fr es it pt-BR nl pl sv ru}
mkdir -p "$out"
out=$(cd "$out" && pwd)

declare -A locales=([en]=en_US [de]=de_DE [fr]=fr_FR [es]=es_ES [it]=it_IT [pt-BR]=pt_BR
    [nl]=nl_NL [pl]=pl_PL [sv]=sv_SE [ru]=ru_RU)

# The screen now, as the nth picture of the sheet.
shot() { import -window root "$work/shot-$1.png"; }
keys() { xdotool key "$@"; sleep 1.5; }
clickat() { xdotool mousemove "$1" "$2" click 1; sleep 2; }

for tag in $tags; do
    work=$(mktemp -d)
    cp -r "$root/dist/win64/." "$work/"
    rm -f "$work/BUSHBABY.TW3"
    if [ "${TW_SHOTS_LANG:-0}" = 1 ]; then
        export LANG=${locales[$tag]}.UTF-8
    else
        printf '%s\r\n' "$tag" >"$work/LANGUAGE.TXT"
    fi
    (cd "$work" && WINEDEBUG=-all exec wine ./tintwell3.exe) &
    pid=$!
    sleep 8
    shot 1                   # the intro
    keys Return
    sleep 2
    shot 2                   # the colouring screen with the first page's title
    clickat 740 34           # Info
    shot 3
    clickat 402 213          # About
    shot 4
    keys Escape
    clickat 402 279          # Printing Options
    shot 5
    keys Escape
    keys Escape
    keys Next                # to the page whose file is missing
    shot 6
    keys Return
    keys q
    sleep 2
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    montage "$work"/shot-{1,2,3,4,5,6}.png -tile 3x2 -geometry 800x600+6+6 -background '#333' \
        "$out/$tag.png"
    echo "[shots] $out/$tag.png" >&2
    rm -rf "$work"
done
