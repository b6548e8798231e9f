# Sourced by the scripts that run the program under Wine. tw_session_start gives this shell a
# private X display (Xvfb), a private Wine prefix with its own persistent wineserver, and a keeper
# process; tw_session_stop ends exactly those, by PID or by prefix.

tw_log() { echo "[tintwell3] $*" >&2; }

# True when this machine runs Wine's 32-bit side: some kernels are built or started without
# 32-bit programs ("Exec format error"), and Wine's own wrapper does not notice.
tw_runs_32bit() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Where the 32-bit side cannot run, the 64-bit side alone runs the 64-bit programs: `wine` and
# `wineboot` go straight to its loader.
if ! tw_runs_32bit && [ -x /usr/lib/wine/wine64 ]; then
    tw_shim=${TMPDIR:-/tmp}/tintwell3-wine64.$(id -u)
    mkdir -p "$tw_shim"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$tw_shim/wine"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 wineboot.exe "$@"\n' >"$tw_shim/wineboot"
    chmod +x "$tw_shim/wine" "$tw_shim/wineboot"
    export WINELOADER=/usr/lib/wine/wine64 PATH=$tw_shim:$PATH
fi

# True when the prefix lacks the 32-bit side that this machine's Wine has: a prefix made before
# the 32-bit Wine was installed starts no program at all afterwards, 64-bit ones included.
tw_prefix_lacks_32bit() {
    tw_runs_32bit && grep -qs '^#arch=win64' "$1/system.reg" &&
        [ ! -f "$1/drive_c/windows/syswow64/kernel32.dll" ]
}

# Creates (once) a prepared prefix: a new one costs ~8 s, a copy ~0.3 s.
tw_prefix_template() {
    local template=$1
    [ -f "$template/.tw-ready" ] && ! tw_prefix_lacks_32bit "$template" && return 0
    rm -rf "$template"
    tw_log "preparing a Wine prefix (once)"
    (
        export WINEPREFIX=$template
        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" wineboot -i </dev/null >/dev/null 2>&1
        # Without a window manager, hiding or activating a managed window stalls ~2 s.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
        # A crashing test must fail, not wait for a dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
        wineserver -w
    )
    touch "$template/.tw-ready"
}

tw_session_start() {
    local state=$1
    mkdir -p "$state"
    state=$(cd "$state" && pwd)
    # A display number nobody uses.
    local n
    # $BASHPID, not $$: sessions started side by side from subshells of one script must differ.
    for n in $(seq $((100 + BASHPID % 400)) 599); do
        if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then break; fi
    done
    Xvfb :$n -screen 0 800x600x24 -nolisten tcp -ac >/dev/null 2>&1 &
    TW_XVFB_PID=$!
    export DISPLAY=:$n
    local i
    for i in $(seq 1 100); do
        [ -e /tmp/.X11-unix/X$n ] && break
        sleep 0.1
    done
    [ -e /tmp/.X11-unix/X$n ] || { tw_log "Xvfb did not start"; return 1; }

    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
    # Sessions side by side share one template (TW_PREFIX_TEMPLATE), prepared before they start.
    local template=${TW_PREFIX_TEMPLATE:-$state/wineprefix-template}
    tw_prefix_template "$template"
    export WINEPREFIX=$state/wineprefix.$BASHPID
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
    wineserver -p
    # Wine's service processes inherit the first process's stdio: give them nothing to hold open.
    wine cmd /c exit </dev/null >/dev/null 2>&1
    if [ -n "${TW_KEEPER_EXE:-}" ] && [ -f "$TW_KEEPER_EXE" ]; then
        local ready=$state/keeper-ready.$BASHPID
        rm -f "$ready"
        wine "$TW_KEEPER_EXE" "Z:$(echo "$ready" | sed 's|/|\\|g')" </dev/null >/dev/null 2>&1 &
        TW_KEEPER_PID=$!
        for i in $(seq 1 300); do
            [ -e "$ready" ] && break
            sleep 0.1
        done
        [ -e "$ready" ] || tw_log "the keeper did not report ready; going on"
        rm -f "$ready"
    fi
    tw_log "session: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

tw_session_stop() {
    [ -n "${TW_KEEPER_PID:-}" ] && kill "$TW_KEEPER_PID" 2>/dev/null
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null
        wineserver -w 2>/dev/null
        rm -rf "$WINEPREFIX"
    fi
    [ -n "${TW_XVFB_PID:-}" ] && kill "$TW_XVFB_PID" 2>/dev/null
    TW_KEEPER_PID= TW_XVFB_PID=
    return 0
}
