#!/bin/sh
# Starts the colouring book. The shipped pages stay read-only; each user colours a copy of them,
# kept with a Wine prefix of its own in ~/.local/share/tintwell3.
set -e
shipped=${TINTWELL3_SHIPPED:-/usr/lib/tintwell3}
home=${XDG_DATA_HOME:-$HOME/.local/share}/tintwell3
mkdir -p "$home"
cd "$home"
# Seeded once: a page already here holds the child's colouring.
for f in BAT.TW3 BUSHBABY.TW3 KIWI.TW3 SNAIL.TW3 WALRUS.TW3 twell3.mid; do
    [ -e "$f" ] || cp "$shipped/$f" "$f"
done

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

exe="Z:$(echo "$shipped/tintwell3.exe" | sed 's|/|\\|g')"

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
