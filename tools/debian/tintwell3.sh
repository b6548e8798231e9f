#!/bin/bash
# Starts the colouring book, or with --pages the Page Maker (`tintwell3 --pages [PICTURE...]`, or
# its command line: `tintwell3 --pages /add PICTURE /title TITLE`). The shipped pages stay
# read-only; each user colours a copy of them, and keeps the pages of their own, in
# ~/.local/share/tintwell3 with a Wine prefix of its own.
set -e
shipped=${TINTWELL3_SHIPPED:-/usr/lib/tintwell3}
home=${XDG_DATA_HOME:-$HOME/.local/share}/tintwell3
winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }
# The Page Maker's arguments: pictures (as a file manager gives them) become Windows paths,
# everything else stays as it stands.
pages=no args=()
if [ "${1:-}" = --pages ]; then
    pages=yes
    shift
    for arg in "$@"; do
        [ -e "$arg" ] && arg=$(winpath "$(realpath "$arg")")
        args+=("$arg")
    done
fi
mkdir -p "$home"
cd "$home"
# Seeded once: a page already here holds the child's colouring.
for f in BAT.TW3 BUSHBABY.TW3 KIWI.TW3 SNAIL.TW3 WALRUS.TW3 twell3.mid; do
    [ -e "$f" ] || cp "$shipped/$f" "$f"
done

# The book's language: TINTWELL3_LANGUAGE=<tag> (de, pt-BR, ...) when set, else the session's
# language, which Wine takes from LANG. Wine follows LANG only where that locale is installed
# (elsewhere it speaks English), so the choice goes where the book looks first and which needs
# no locale: LANGUAGE.TXT beside the pages. Wine's own dialogs follow where the locale is there.
if [ -n "${TINTWELL3_LANGUAGE:-}" ]; then
    printf '%s\r\n' "$TINTWELL3_LANGUAGE" >LANGUAGE.TXT.new && mv -f LANGUAGE.TXT.new LANGUAGE.TXT
    case $TINTWELL3_LANGUAGE in
    en) locale=en_US ;; sv) locale=sv_SE ;; *-*) locale=${TINTWELL3_LANGUAGE/-/_} ;;
    *) locale=${TINTWELL3_LANGUAGE}_${TINTWELL3_LANGUAGE^^} ;;
    esac
    if locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
        export LC_ALL=$locale.UTF-8
    fi
else
    rm -f LANGUAGE.TXT
fi

export WINEPREFIX="$home/wine"
# Wine's 32-bit side needs a kernel that runs 32-bit programs; where it cannot, the book (a
# 64-bit program) runs on the 64-bit side alone.
wine=wine
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine
fi
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko prompts, and nothing added to the user's menus or file associations.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/.tintwell3-ready" ]; then
    echo "tintwell3: preparing Wine for the first start (this takes a few seconds)" >&2
    $wine wineboot -i >/dev/null 2>&1 </dev/null
    $wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1 </dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.tintwell3-ready"
fi

exe=$(winpath "$shipped/tintwell3.exe")

# The Page Maker: a window of its own (not the book's screen), working in the book's folder.
if [ $pages = yes ]; then
    exec $wine "$(winpath "$shipped/pagemaker.exe")" "${args[@]}"
fi

# The book wants an 800 x 600 screen and switches to it. Where the screen cannot switch (a fixed
# mode, Xvfb, Wayland), it would sit in the top-left corner: give it an 800 x 600 desktop of its
# own instead, a tidy window the window manager places.
size=$(xdpyinfo 2>/dev/null | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) .*/\1/p' | head -1)
switchable=no
if [ "$size" = 800x600 ]; then
    switchable=yes
elif [ -z "${WAYLAND_DISPLAY:-}" ] && xrandr 2>/dev/null | grep -q '^ *800x600 '; then
    switchable=yes
fi
case ${TINTWELL3_DESKTOP:-auto} in
yes) switchable=no ;;
no) switchable=yes ;;
esac
if [ "$switchable" = yes ]; then
    exec $wine "$exe"
fi
exec $wine explorer /desktop=Tintwell3,800x600 "$exe"
