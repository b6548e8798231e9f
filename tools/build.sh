#!/bin/bash
# Builds everything: the host tools and tests (those also with sanitizers), the generated assets,
# the 64-bit program with its tests and the 32-bit program. Leaves dist/win32 and dist/win64 ready
# to run.
# `build.sh play` builds only what playing needs: the asset tools, the assets and the 64-bit
# program with the demo driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${TW_JOBS:-$(nproc)}
type=${TW_BUILD_TYPE:-Release}
what=${1:-all}
say() { echo "[build] $*" >&2; }

host_targets=() win_targets=() arches="x86_64:win64 i686:win32"
if [ "$what" = play ]; then
    host_targets=(--target artgen soundgen words)
    win_targets=(--target dist twdemo twkeeper)
    arches="x86_64:win64"
fi

say "building the picture and sound generators"
cmake -G Ninja -S . -B build/host -DCMAKE_BUILD_TYPE=$type >/dev/null
cmake --build build/host -j"$jobs" "${host_targets[@]}"

# The host tests once more, built with AddressSanitizer and UBSan (the test command runs both):
# a read or write outside a buffer, or undefined arithmetic, that a plain run passes fails here.
if [ "$what" != play ]; then
    say "building the host tests with AddressSanitizer and UBSan"
    cmake -G Ninja -S . -B build/host-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_SANITIZE=ON \
        >/dev/null
    cmake --build build/host-asan -j"$jobs" --target core_tests
fi

# Every bitmap, sound, page and the song, written from source.
say "drawing the pictures and pages, making the sounds and the song"
mkdir -p build/assets
for tool in artgen soundgen; do
    exe=$(find build/host -type f -name "$tool" -perm -u+x 2>/dev/null | head -1)
    if [ -n "$exe" ]; then
        "$exe" build/assets >/dev/null
    else
        echo "[build] $tool not built; its resources will be missing" >&2
    fi
done

for target in $arches; do
    arch=${target%%:*}
    name=${target##*:}
    say "building the program for Windows ($name)"
    cmake -G Ninja -S . -B build/$name -DCMAKE_BUILD_TYPE=$type \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DTW_ASSETS_DIR="$root/build/assets" >/dev/null
    cmake --build build/$name -j"$jobs" "${win_targets[@]}"
done

# What a Windows user downloads: the 32-bit folder, zipped.
if [ "$what" != play ] && command -v zip >/dev/null; then
    (cd dist && rm -f tintwell3-win32.zip && zip -qr tintwell3-win32.zip win32)
fi
