#!/bin/bash
# Runs the Windows timing benchmarks under a private Wine session (after tools/build.sh), for
# both images, on an idle machine and then on one kept busy by two spinning shells.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source tools/testenv.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
spinners=""
stop() {
    [ -n "$spinners" ] && kill $spinners 2>/dev/null
    tw_session_stop
}
trap stop EXIT
tw_session_start build/state-bench
page='Z:'"$(echo "$root/build/assets/BAT.TW3" | sed 's|/|\\|g')"
for load in idle busy; do
    if [ $load = busy ]; then
        for i in 1 2; do
            bash -c 'while :; do :; done' &
            spinners="$spinners $!"
        done
    fi
    for name in win64 win32; do
        if [ $name = win32 ] && ! tw_runs_32bit; then
            echo "== win32: not run, this machine cannot run Wine's 32-bit side"
            continue
        fi
        cmake --build build/$name --target screen_bench >/dev/null
        echo "== $name, machine $load"
        wine build/$name/screen_bench.exe "$page" </dev/null
    done
done
