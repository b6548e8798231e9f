#!/bin/bash
# Installs the Debian packages the project needs and are missing: `setup.sh play` for building and
# running the program, `setup.sh test` for that and every test, `setup.sh bench` for the tests and
# the benchmarks. Safe to run again.
set -u
what=${1:-test}

# The 32-bit program runs under Wine's 32-bit side, with the libraries that it only recommends
# and the 64-bit side has: printing (CUPS) and the X11 driver's extensions.
wine32_packages="wine32:i386 libcups2:i386 libxrender1:i386 libxrandr2:i386 libxcursor1:i386
  libxi6:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libxxf86vm1:i386"
# The fonts the program meets under Wine, as a plain install of Wine brings them: Wine's own
# (System, Tahoma: dialog base units of 7 x 16, message boxes) and Liberation Sans, which stands
# in for the "arial" faces of the About dialog with Arial's widths.
wine_fonts="fonts-wine fonts-liberation"
play_packages="cmake ninja-build make g++ pkg-config
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest libcairo2-dev fonts-dejavu-core fonts-sil-andika fonts-comfortaa
  wine wine64 $wine32_packages $wine_fonts xvfb x11-utils imagemagick zip"
# locales-all: the tests start the book in other languages (LANG=de_DE.UTF-8), which Wine takes
# from the system's locales.
test_packages="$play_packages clang libclang-rt-14-dev libbenchmark-dev
  fluidsynth fluid-soundfont-gm sox pulseaudio pulseaudio-utils
  cups cups-client cups-bsd printer-driver-cups-pdf ghostscript poppler-utils
  nsis lintian desktop-file-utils openbox x11-xserver-utils xdotool locales-all"

case $what in
play) wanted=$play_packages ;;
test) wanted=$test_packages ;;
bench) wanted="$test_packages libopencv-dev" ;; # the fill core is measured against OpenCV's
*) echo "usage: setup.sh play|test|bench" >&2; exit 2 ;;
esac

missing() {
    local p
    for p in $wanted; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

todo=$(missing)
if [ -n "$todo" ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "[setup] installing:" $todo >&2
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    # An unrelated index may fail to update; what matters is whether the install works.
    $sudo apt-get update -qq >&2 || echo "[setup] apt-get update reported an error; going on" >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $todo >&2 ||
        echo "[setup] apt-get install reported an error; checking what is there" >&2
fi

still=$(missing)
if [ -n "$still" ]; then
    echo "[setup] these packages could not be installed:" $still >&2
    exit 1
fi
for tool in x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix wine Xvfb cmake ninja; do
    command -v "$tool" >/dev/null || { echo "[setup] $tool is missing after the install" >&2; exit 1; }
done
# Both Wine loaders: a prefix serves the 32-bit and the 64-bit program only when both are there.
for loader in /usr/lib/wine/wine /usr/lib/wine/wine64; do
    [ -x "$loader" ] || { echo "[setup] $loader is missing after the install" >&2; exit 1; }
done
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "[setup] GoogleTest sources missing" >&2; exit 1; }
echo "[setup] all packages present" >&2
