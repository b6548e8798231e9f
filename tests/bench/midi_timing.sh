#!/bin/bash
# Measures the music's timing and CPU cost in the real program under Wine (not a test):
#   bash tests/bench/midi_timing.sh [seconds] [build dir, default build/win64]
# Also reports the CPU time that the Wine server spent meanwhile, which the timer's waits cost.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-30}
build=${2:-$root/build/win64}
cd "$root"
source tools/testenv.sh
source tools/pulse.sh
state=$root/build/state-bench
trap 'tw_session_stop; tw_pulse_stop "$state"' EXIT
tw_pulse_start "$state"
TW_KEEPER_EXE=$build/twkeeper.exe tw_session_start "$state"

server_ticks() {
    local pid
    for pid in $(pgrep -x wineserver || true); do
        if [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$(readlink -f "$WINEPREFIX")" ] ||
            tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            awk '{print $14 + $15}' "/proc/$pid/stat"
            return
        fi
    done
    echo 0
}
hz=$(getconf CLK_TCK)
t0=$(server_ticks)
s0=$(date +%s.%N)
wine "$build/midi_timing.exe" "$seconds"
t1=$(server_ticks)
s1=$(date +%s.%N)
echo "wineserver CPU     $(echo "scale=2; 100 * ($t1 - $t0) / $hz / ($s1 - $s0)" | bc) % of a core over the whole run"
