#!/bin/bash
# Installs what is missing, builds, and starts the colouring book. With a display it simply runs
# there; with none it starts a virtual one, plays a short scripted session and saves screenshots
# to out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

echo "[play] checking the Debian packages that playing needs" >&2
bash tools/setup.sh play
# With no display the demo runs in a Wine prefix of its own; a new one takes a while to prepare,
# so it is prepared while the program builds.
prefix_job=
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    echo "[play] preparing a Wine prefix while the program builds" >&2
    mkdir -p build/state
    (source tools/testenv.sh && tw_prefix_template "$root/build/state/wineprefix-template") &
    prefix_job=$!
fi
# Only the program, its pictures and sounds, and the demo driver: the tests wait for test.sh.
bash tools/build.sh play
[ -z "$prefix_job" ] || wait "$prefix_job"

# The program keeps its colouring in its page files: it runs from a per-user copy of the shipped
# folder, so the shipped pages stay pristine and the colouring survives from one run to the next.
home=${XDG_DATA_HOME:-$HOME/.local/share}/tintwell3
mkdir -p "$home"
cp -f dist/win64/tintwell3.exe "$home/"
for f in dist/win64/*; do
    [ -e "$home/$(basename "$f")" ] || cp "$f" "$home/"
done
winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }

source tools/testenv.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    # A prefix made before the 32-bit Wine was installed starts nothing, not even wineboot -u:
    # ours is made anew, one of the user's own is only reported.
    if [ -z "${WINEPREFIX:-}" ]; then
        export WINEPREFIX=$root/build/state/wineprefix-play
        if [ -d "$WINEPREFIX" ] && tw_prefix_lacks_32bit "$WINEPREFIX"; then
            tw_log "remaking $WINEPREFIX, which was made without Wine's 32-bit side"
            rm -rf "$WINEPREFIX"
        fi
    elif tw_prefix_lacks_32bit "$WINEPREFIX"; then
        tw_log "$WINEPREFIX was made without Wine's 32-bit side; Wine may start nothing in it"
    fi
    export WINEDEBUG=-all
    cd "$home" && exec wine ./tintwell3.exe
fi

export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
trap tw_session_stop EXIT
tw_session_start build/state
mkdir -p out
wine build/win64/twdemo.exe "$(winpath "$home/tintwell3.exe")" "$(winpath "$home")" \
    "$(winpath "$root/out")" </dev/null
for bmp in out/*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
tw_log "screenshots of the session are in $root/out/"
ls out/*.png >&2
