#!/bin/bash
# Plays a long random session against the program (after tools/build.sh), in a private Wine
# session with its own printer and sound card:
#   bash tools/monkey.sh [inputs] [seed]      defaults: 10000 inputs, seed from the clock
# The seed is printed first; the same seed plays the same session again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
inputs=${1:-10000}
seed=${2:-$(date +%s)}
source tools/testenv.sh
source tools/cups.sh
source tools/pulse.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
trap 'tw_session_stop; tw_pulse_stop build/state-monkey; tw_cups_stop' EXIT
tw_cups_start build/state-monkey/cups
tw_pulse_start build/state-monkey
tw_session_start build/state-monkey
wine build/win64/twmonkey.exe --seed "$seed" --inputs "$inputs" </dev/null
