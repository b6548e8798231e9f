#!/bin/bash
# Builds everything: the host tools and tests, the generated assets, the 64-bit program with its
# tests and the 32-bit program. Leaves dist/win32 and dist/win64 ready to run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${TW_JOBS:-$(nproc)}
type=${TW_BUILD_TYPE:-Release}

cmake -G Ninja -S . -B build/host -DCMAKE_BUILD_TYPE=$type >/dev/null
cmake --build build/host -j"$jobs"

# Every bitmap, sound, page and the song, written from source.
mkdir -p build/assets
for tool in artgen soundgen; do
    exe=$(find build/host -type f -name "$tool" -perm -u+x 2>/dev/null | head -1)
    if [ -n "$exe" ]; then
        "$exe" build/assets >/dev/null
    else
        echo "[build] $tool not built; its resources will be missing" >&2
    fi
done

for target in x86_64:win64 i686:win32; do
    arch=${target%%:*}
    name=${target##*:}
    cmake -G Ninja -S . -B build/$name -DCMAKE_BUILD_TYPE=$type \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DTW_ASSETS_DIR="$root/build/assets" >/dev/null
    cmake --build build/$name -j"$jobs"
done

# What a Windows user downloads: the 32-bit folder, zipped.
if command -v zip >/dev/null; then
    (cd dist && rm -f tintwell3-win32.zip && zip -qr tintwell3-win32.zip win32)
fi
