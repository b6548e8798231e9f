#!/bin/bash
# Installs what is missing, builds both targets and runs every test: the host tests of the
# portable code, then the unit and end-to-end tests of the Windows program under Wine.
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

source tools/testenv.sh
export TW_KEEPER_EXE=$root/build/win64/twkeeper.exe
trap tw_session_stop EXIT
tw_session_start build/state
ctest --test-dir build/win64 --output-on-failure -j2
