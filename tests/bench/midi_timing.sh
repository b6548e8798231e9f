#!/bin/bash
# Measures the music's timing and CPU cost in the real program under Wine (not a test):
#   bash tests/bench/midi_timing.sh [seconds] [build dir, default build/win64] [offsets file]
# midi_timing.exe plays the song and reports each message's send time against the file; this
# script samples the CPU time of the program and of the Wine server (which every wait of the
# timer thread goes through) between the phase marks that the program prints. bare_timer.exe
# then runs a 1 ms periodic timer that does nothing, measured the same way: the floor that
# Wine puts under any program playing music at that period.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-30}
build=$(cd "${2:-$root/build/win64}" && pwd)
cd "$root"
source tools/testenv.sh
source tools/pulse.sh
state=$root/build/state-bench
trap 'tw_session_stop; tw_pulse_stop "$state"' EXIT
tw_pulse_start "$state"
TW_KEEPER_EXE=$build/twkeeper.exe tw_session_start "$state"

# The Unix process of this session whose command line holds $1: one that has the session's
# prefix in its environment or its working folder inside that prefix.
session_pid() {
    local pid
    for pid in $(pgrep -f "$1" || true); do
        local env
        env=$( (tr '\0' '\n' <"/proc/$pid/environ") 2>/dev/null || true)
        if grep -qx "WINEPREFIX=$WINEPREFIX" <<<"$env" ||
            [[ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" == "$WINEPREFIX"/* ]]; then
            echo "$pid"
            return
        fi
    done
}
# utime + stime of a process, in clock ticks.
ticks() { [ -n "$1" ] && awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

hz=$(getconf CLK_TCK)
server=$(session_pid wineserver)
# Passes the output through, turning each pair of phase marks into the CPU used meanwhile by
# the process whose command line holds $1 and by the Wine server.
measure() {
    local line phase program t0 p0 s0 t1 p1 s1
    while IFS= read -r line; do
        line=${line%$'\r'}
        case $line in
        "#mark end")
            t1=$(date +%s.%N)
            p1=$(ticks "$program")
            s1=$(ticks "$server")
            echo "CPU while $phase   program $(echo "scale=2; 100 * ($p1 - $p0) / $hz / ($t1 - $t0)" | bc) %," \
                "wineserver $(echo "scale=2; 100 * ($s1 - $s0) / $hz / ($t1 - $t0)" | bc) % of a core"
            ;;
        "#mark "*)
            phase=${line#\#mark }
            program=$(session_pid "$1")
            t0=$(date +%s.%N)
            p0=$(ticks "$program")
            s0=$(ticks "$server")
            ;;
        *) echo "$line" ;;
        esac
    done
}
cmake --build "$build" --target midi_timing bare_timer >/dev/null
wine "$build/midi_timing.exe" "$seconds" ${3:+"$(winepath -w "$3")"} | measure tintwell3.exe
wine "$build/bare_timer.exe" "$seconds" | measure bare_timer.exe
