#!/bin/bash
# Installs what is missing, builds both targets and runs every test: the host tests of the
# portable code, plain and with sanitizers, then the unit and end-to-end tests of both Windows
# programs under Wine, the 32-bit one under Wine's 32-bit side and the 64-bit one under its
# 64-bit side.
# TW_SKIP_BUILD=1 runs the tests of the last build as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ -z "${TW_SKIP_BUILD:-}" ]; then
    bash tools/setup.sh test
    bash tools/build.sh
fi

if [ -f build/host/CTestTestfile.cmake ]; then
    ctest --test-dir build/host --output-on-failure -j2
fi
# The same host tests under AddressSanitizer and UBSan, which stop at the first fault they see.
if [ -f build/host-asan/CTestTestfile.cmake ]; then
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build/host-asan --output-on-failure -j2
fi

# The parsers of untrusted files, fuzzed with sanitizers for a bounded time (longer by hand:
# `bash tools/run-fuzzers.sh 600`).
bash tools/run-fuzzers.sh "${TW_FUZZ_SECONDS:-10}"

# Each image's tests run in a session of their own, side by side: a private X display, Wine
# prefix, printer (a CUPS server with a PDF queue) and sound card (a PulseAudio server with a
# null sink). The printer and the sound card must be up before Wine starts, or it does not see
# them. Both sessions copy one prepared prefix, made here once before they start.
source tools/testenv.sh
source tools/cups.sh
source tools/pulse.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
export TW_PREFIX_TEMPLATE=$root/build/state/wineprefix-template
mkdir -p build/state
tw_prefix_template "$TW_PREFIX_TEMPLATE"

# Tests in a Wine session of their own, side by side: each image's, named and labelled by image
# ("win32.", "win64."), and in a third what a parent installs and the monkey's short session
# (build/win64/install, build/win64/monkey), which take about as long as an image's other tests.
# Each argument is a build folder and its ctest arguments. A test that fails is run once more:
# Wine very rarely fails to start a process at all. TW_CTEST_ARGS adds ctest arguments, e.g.
# "-R Book" while working on those tests.
run_tests() {
    local name=$1 state=$root/build/state-$1 dir
    shift
    (
        trap 'tw_session_stop; tw_pulse_stop "$state"; tw_cups_stop' EXIT
        tw_cups_start "$state/cups" && tw_pulse_start "$state" && tw_session_start "$state" || exit 1
        failed=0
        for dir in "$@"; do
            ctest --test-dir "build/${dir%% *}" --output-on-failure -j2 --repeat until-pass:2 \
                ${dir#* } ${TW_CTEST_ARGS:-} || failed=1
        done
        exit $failed
    ) >"build/ctest-$name.log" 2>&1
}
started=$(date +%s)
# The 32-bit image and the installer (a 32-bit program) need Wine's 32-bit side.
sessions="win64 more" pids="" no32=""
if tw_runs_32bit; then
    sessions="win32 $sessions"
    run_tests win32 "win32 " &
    pids=$!
else
    no32="-E ^Installer$"
fi
run_tests win64 "win64 -LE install|monkey" &
pids="$pids $!"
run_tests more "win64/install $no32" "win64/monkey " &
pids="$pids $!"
status=0
for pid in $pids; do
    wait "$pid" || status=1
done
for name in $sessions; do
    echo "==== the $name tests"
    cat "build/ctest-$name.log"
done
echo "Windows tests, both images, the installs and the monkey: $(($(date +%s) - started)) s"
if [ -n "$no32" ]; then
    echo "==== NOT RUN: the 32-bit image's tests and the shipped installer's: this machine cannot run"
    echo "     32-bit programs (/usr/lib/wine/wine: Exec format error), so Wine has no 32-bit side"
    echo "     here. Installer64 ran the installer's script built for 64-bit Windows instead."
fi
if [ -f ../shared/tools/test-ratio ]; then
    bash ../shared/tools/test-ratio .
fi
exit $status
