#!/bin/sh
# Builds every libFuzzer target (tests/fuzz/<name>_fuzz.cpp) with clang in build/fuzz and runs
# each one for a while.
#
#   tools/run-fuzzers.sh [seconds] [name_fuzz ...]     default: 60 seconds, every target
#
# Per target <name>_fuzz, when present in tests/fuzz/:
#   <name>_fuzz.dict     a libFuzzer dictionary
#   <name>_fuzz_seeds/   seed inputs (read only)
# The growing corpus is kept in build/fuzz/corpus/<name>_fuzz, crash inputs in
# build/fuzz/artifacts/<name>_fuzz/. Replay one with: build/fuzz/<name>_fuzz <input>.
# Exit status: 0 when every target ran its time without a finding.
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$ROOT/build/fuzz"
SECS=${1:-60}
[ $# -gt 0 ] && shift

if [ $# -gt 0 ]; then
    TARGETS="$*"
else
    TARGETS=$(cd "$ROOT/tests/fuzz" && ls *_fuzz.cpp 2>/dev/null | sed 's/\.cpp$//')
fi
if [ -z "$TARGETS" ]; then
    echo "run-fuzzers: no tests/fuzz/*_fuzz.cpp" >&2
    exit 1
fi

cmake -S "$ROOT" -B "$BUILD" -DTW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null || exit 1
# shellcheck disable=SC2086
cmake --build "$BUILD" -j2 --target $TARGETS || exit 1

# One fuzzer runs on each core at once; each one's stats or fault are reported once all are done.
fuzz() {
    local T=$1 CORPUS="$BUILD/corpus/$1" ARTIFACTS="$BUILD/artifacts/$1"
    mkdir -p "$CORPUS" "$ARTIFACTS"
    set -- "$CORPUS"
    [ -d "$ROOT/tests/fuzz/${T}_seeds" ] && set -- "$@" "$ROOT/tests/fuzz/${T}_seeds"
    [ -f "$ROOT/tests/fuzz/$T.dict" ] && set -- -dict="$ROOT/tests/fuzz/$T.dict" "$@"
    "$BUILD/$T" -max_total_time="$SECS" -print_final_stats=1 -artifact_prefix="$ARTIFACTS/" \
        "$@" >"$BUILD/$T.log" 2>&1
}
PIDS=()
for T in $TARGETS; do
    fuzz "$T" &
    PIDS+=($!)
done
STATUS=0
i=0
for T in $TARGETS; do
    echo "== $T for ${SECS}s"
    if wait "${PIDS[$i]}"; then
        grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|cov:' "$BUILD/$T.log" | tail -3
    else
        echo "!! $T found a fault; see $BUILD/$T.log and $BUILD/artifacts/$T/"
        grep -E 'ERROR|SUMMARY|Test unit written' "$BUILD/$T.log" | head -5
        STATUS=1
    fi
    i=$((i + 1))
done
exit $STATUS
