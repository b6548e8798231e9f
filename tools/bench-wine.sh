#!/bin/bash
# Runs the Windows timing benchmarks under a private Wine session (after tools/build.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --build build/win64 --target screen_bench >/dev/null
source tools/testenv.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
trap tw_session_stop EXIT
tw_session_start build/state-bench
wine build/win64/screen_bench.exe 'Z:'"$(echo "$root/build/assets/BAT.TW3" | sed 's|/|\\|g')" </dev/null
