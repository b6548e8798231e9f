#!/bin/bash
# Installs what is missing, builds both targets and runs every test: the host tests of the
# portable code, then the unit and end-to-end tests of both Windows programs under Wine, the
# 32-bit one under Wine's 32-bit side and the 64-bit one under its 64-bit side.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh test
bash tools/build.sh

if [ -f build/host/CTestTestfile.cmake ]; then
    ctest --test-dir build/host --output-on-failure -j2
fi

# The parsers of untrusted files, fuzzed with sanitizers for a bounded time.
bash tools/run-fuzzers.sh "${TW_FUZZ_SECONDS:-30}"

# The Wine session's printer (a private CUPS server with a PDF queue) and sound card (a private
# PulseAudio server with a null sink) must be up before Wine starts, or it does not see them.
source tools/testenv.sh
source tools/cups.sh
source tools/pulse.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
trap 'tw_session_stop; tw_pulse_stop build/state; tw_cups_stop' EXIT
tw_cups_start build/state/cups
tw_pulse_start build/state
tw_session_start build/state
# Both images in one run, so that the end-to-end tests of one never overlap the other's; each
# test's name and label say which image it ran ("win32.", "win64."), and the label summary
# counts them per image. A test that fails is run once more: Wine very rarely fails to start a
# process at all.
mkdir -p build/windows
echo "subdirs(\"$root/build/win64\" \"$root/build/win32\")" >build/windows/CTestTestfile.cmake
ctest --test-dir build/windows --output-on-failure -j2 --repeat until-pass:2
