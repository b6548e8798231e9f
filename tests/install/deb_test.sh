#!/bin/bash
# The Debian package end to end, as a parent would use it: installed with dpkg, its menu entries
# read in other languages, started with `tintwell3` under a window manager on a 1024 x 768
# display that cannot switch modes, a page coloured, kept over a restart in another language,
# a page made with `tintwell3 --pages` in the book's folder, and the colouring still there after
# the package is removed.
# Usage: deb_test.sh <package.deb> <twcolour.exe>.  Needs root: it installs the package.
set -uo pipefail
deb=$1 colour=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"
[ -f "$deb" ] || fail "no package at $deb"
out=$PWD/deb-test
rm -rf "$out" && mkdir -p "$out"

work=$(mktemp -d)
xvfb= wm= launcher=
cleanup() {
    [ -n "$launcher" ] && kill "$launcher" 2>/dev/null
    [ -d "$work/home/.local/share/tintwell3/wine" ] &&
        WINEPREFIX=$work/home/.local/share/tintwell3/wine wineserver -k 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    dpkg-query -W tintwell3 >/dev/null 2>&1 && dpkg -r tintwell3 >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

echo "== what it names"
# Nothing made up: no homepage, and as maintainer whoever built it, in the changelog too.
maintainer=$(dpkg-deb -f "$deb" Maintainer)
[ -z "$(dpkg-deb -f "$deb" Homepage)" ] || fail "the package names a homepage"
[[ $maintainer == *@* && $maintainer != *example.* ]] || fail "the maintainer is \"$maintainer\""
signed=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tintwell3/changelog.gz | zcat |
    sed -n 's/^ -- \(.*>\)  .*/\1/p')
[ "$signed" = "$maintainer" ] || fail "the changelog is signed \"$signed\", not \"$maintainer\""

echo "== install"
dpkg -i "$deb" || apt-get -f install -y -q || fail "the package does not install"
apps=/usr/share/applications
for f in /usr/bin/tintwell3 /usr/lib/tintwell3/tintwell3.exe /usr/lib/tintwell3/pagemaker.exe \
    /usr/lib/tintwell3/BAT.TW3 $apps/tintwell3.desktop $apps/tintwell3-pages.desktop \
    /usr/share/icons/hicolor/256x256/apps/tintwell3.png; do
    [ -e "$f" ] || fail "$f is not installed"
done

echo "== the menu entries in other languages"
desktop-file-validate --no-hints $apps/tintwell3.desktop $apps/tintwell3-pages.desktop ||
    fail "a menu entry is not valid"
# Read as the menus read them: GLib's desktop-entry reader, in the session's language.
gcc -o "$work/entry" -x c - $(pkg-config --cflags --libs glib-2.0) <<'C' || fail "no entry reader"
#include <glib.h>
#include <stdio.h>
int main(int argc, char** argv) {
    GKeyFile* lpFile = g_key_file_new();
    char* lpszText = NULL;
    if (argc == 3 && g_key_file_load_from_file(lpFile, argv[1], G_KEY_FILE_NONE, NULL))
        lpszText = g_key_file_get_locale_string(lpFile, "Desktop Entry", argv[2], NULL, NULL);
    return lpszText ? puts(lpszText), 0 : 1;
}
C
for session in C:en de_DE:de pt_BR:pt-BR ru_RU:ru; do
    tag=${session#*:} lang=${session%:*}.UTF-8
    for check in tintwell3-pages:Name:desktop.maker.name tintwell3:GenericName:desktop.book.genericname; do
        IFS=: read -r entry key words <<<"$check"
        want=$(sed -n "s/^$words = //p" "$root/resources/lang/$tag/install.txt")
        got=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=$lang "$work/entry" $apps/$entry.desktop $key)
        [ -n "$want" ] && [ "$got" = "$want" ] ||
            fail "$entry's $key with LANG=$lang is \"$got\", not \"$want\""
    done
done

# A user with an empty home, a display of 1024 x 768 and a window manager.
export HOME=$work/home
unset XDG_DATA_HOME WINEPREFIX WINEDLLOVERRIDES
mkdir -p "$HOME"
for n in $(seq $((200 + $$ % 300)) 599); do
    [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ] && break
done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp -ac >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$n
for i in $(seq 1 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!

data=$HOME/.local/share/tintwell3
winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }

# One run: starts the book, lets twcolour check the page against $1 and its title in the language
# $2 (a LANGID), and colour one more area.
run_book() {
    (cd / && exec tintwell3) >"$out/launcher.log" 2>&1 &
    launcher=$!
    for i in $(seq 1 1200); do [ -f "$data/wine/.tintwell3-ready" ] && break; sleep 0.1; done
    [ -f "$data/wine/.tintwell3-ready" ] || fail "the launcher did not prepare its Wine prefix"
    rm -f "$work/result"
    WINEPREFIX=$data/wine WINEDEBUG=-all wine explorer /desktop=Tintwell3,800x600 "$(winpath "$colour")" \
        "$(winpath "$data")" "$(winpath "$1")" "$(winpath "$work/result")" \
        "$(winpath /usr/lib/tintwell3/tintwell3.exe)" "$2" </dev/null >/dev/null 2>&1 &
    for i in $(seq 1 1200); do [ -s "$work/result" ] && break; sleep 0.1; done
    result=$(tr -d '\r' <"$work/result" 2>/dev/null)
    [ "$result" = ok ] || fail "twcolour: $result"
    for i in $(seq 1 200); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$launcher" 2>/dev/null && fail "the launcher did not end with the book"
    launcher=
}

echo "== first start"
run_book /usr/lib/tintwell3/BAT.TW3 0409
cmp -s "$data/BAT.TW3" /usr/lib/tintwell3/BAT.TW3 && fail "the colouring did not reach $data/BAT.TW3"
cmp -s /usr/lib/tintwell3/KIWI.TW3 "$data/KIWI.TW3" || fail "the other pages were not seeded"
cp "$data/BAT.TW3" "$work/first.TW3"
[ -e "$HOME/.local/share/applications/wine" ] && fail "Wine added menu entries to the user's desktop"

echo "== restart, in Russian"
# As where the Russian locale is not installed (Wine would speak English): the book hears of the
# language from LANGUAGE.TXT alone.
mkdir -p "$work/bin" && printf '#!/bin/sh\necho C\n' >"$work/bin/locale" && chmod +x "$work/bin/locale"
TINTWELL3_LANGUAGE=ru PATH=$work/bin:$PATH run_book "$work/first.TW3" 0419
cmp -s "$data/BAT.TW3" "$work/first.TW3" && fail "the second colouring was not kept"
cp "$data/BAT.TW3" "$work/second.TW3"
[ "$(tr -d '\r' <"$data/LANGUAGE.TXT")" = ru ] || fail "the book was not told the language"

echo "== a page added with tintwell3 --pages"
# A drawing of our own, named relative to where the parent is; the page goes into the book's
# folder, added in the book's Wine prefix, and the book follows LANG again.
convert -size 600x400 xc:white -fill none -stroke black -strokewidth 5 \
    -draw "circle 300,200 300,60" -draw "rectangle 60,60 220,180" "$work/drawing.png" ||
    fail "no drawing"
(cd "$work" && tintwell3 --pages /add drawing.png /title CIRCLE) >"$out/pages.log" 2>&1 ||
    fail "tintwell3 --pages: $(cat "$out/pages.log")"
page=$(sed -n 's/^\(P[0-9]*\.TW3\) CIRCLE\r$/\1/p' "$data/MyPages/PAGES.TXT" 2>/dev/null)
[ -n "$page" ] && [ -s "$data/MyPages/$page" ] || fail "the page did not reach the book in $data"
[ -e "$HOME/.wine" ] && fail "the Page Maker made a Wine prefix of its own"
[ -e "$data/LANGUAGE.TXT" ] && fail "without TINTWELL3_LANGUAGE the language is still chosen"

echo "== remove"
dpkg -r tintwell3 || fail "the package does not remove"
[ -e /usr/bin/tintwell3 ] && fail "/usr/bin/tintwell3 is still there"
[ -e /usr/lib/tintwell3 ] && fail "/usr/lib/tintwell3 is still there"
cmp -s "$data/BAT.TW3" "$work/second.TW3" || fail "removing the package touched the colouring"
echo "== ok"
