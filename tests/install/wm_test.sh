#!/bin/bash
# The end-to-end tests where a window manager could change the outcome (the book's window full
# screen and unframed, a second start, the Info screen and the print dialog), as a user with a
# desktop sees them: openbox managing Wine's windows, in the test session already running or,
# when there is none, in one of its own.
# Usage: wm_test.sh <e2e_tests.exe> <state dir>
set -uo pipefail
e2e=$1 state=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/testenv.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v openbox >/dev/null || fail "openbox is not installed (tools/setup.sh test installs it)"

own= wm=
key='HKCU\Software\Wine\X11 Driver'
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    wine reg add "$key" /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    [ -n "$own" ] && tw_session_stop
}
trap cleanup EXIT
if [ -z "${WINEPREFIX:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    own=1
    tw_session_start "$state" || fail "no session"
fi
# The session's prefix leaves windows unmanaged for speed without a window manager; a desktop
# user's Wine lets the window manager manage them.
wine reg add "$key" /v Managed /t REG_SZ /d Y /f </dev/null >/dev/null 2>&1
openbox >/dev/null 2>&1 &
wm=$!
for i in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
kill -0 "$wm" 2>/dev/null || fail "openbox did not start"
wine "$e2e" --gtest_filter='Window.*:Parent.Works*' </dev/null ||
    fail "the end-to-end tests failed under a window manager"
