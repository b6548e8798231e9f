#!/bin/bash
# The window, the dialogs and the print dialog once more, as a user with a desktop sees them: the
# end-to-end tests of these, in a display of their own with openbox managing Wine's windows, and
# the X side checked too (the book's window full screen with no frame, nothing minimised).
# Usage: wm_test.sh <e2e_tests.exe> <state dir>
set -uo pipefail
e2e=$1 state=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/testenv.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v openbox >/dev/null || fail "openbox is not installed (tools/setup.sh test installs it)"

wm=
trap '[ -n "$wm" ] && kill "$wm" 2>/dev/null; tw_session_stop' EXIT
tw_session_start "$state" || fail "no session"
# The session's prefix leaves windows unmanaged for speed without a window manager; a desktop
# user's Wine lets the window manager manage them.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d Y /f </dev/null >/dev/null 2>&1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
kill -0 "$wm" 2>/dev/null || fail "openbox did not start"

# While the book shows the print dialog, X must show its window on top, full screen and unframed.
(
    for i in $(seq 1 600); do
        id=$(xwininfo -root -tree 2>/dev/null | awk '/"Tintwell 3": \("tintwell3.exe"/ {print $1; exit}')
        if [ -n "$id" ] && xwininfo -root -tree | grep -q '"Print"'; then
            xwininfo -id "$id" >"$state/wm-book.txt"
            xprop -id "$id" _NET_WM_STATE WM_STATE >>"$state/wm-book.txt"
            import -window root "$state/wm-print-dialog.png" 2>/dev/null
            exit 0
        fi
        sleep 0.5
    done
) &
watcher=$!

wine "$e2e" --gtest_filter='Startup.*:IntroScreen.*:InfoScreen.*:Printing.Cancelling*' </dev/null
rc=$?
wait "$watcher"
[ "$rc" -eq 0 ] || fail "the end-to-end tests failed under a window manager"
[ -f "$state/wm-book.txt" ] || fail "the print dialog was never seen on the X side"
cat "$state/wm-book.txt"
grep -q 'Absolute upper-left X:  0$' "$state/wm-book.txt" || fail "the book's window is not at the left edge"
grep -q 'Absolute upper-left Y:  0$' "$state/wm-book.txt" || fail "the book's window is not at the top"
grep -q 'Width: 800$' "$state/wm-book.txt" || fail "the book's window is not 800 wide"
grep -q 'Height: 600$' "$state/wm-book.txt" || fail "the book's window is not 600 high"
grep -q 'Map State: IsViewable' "$state/wm-book.txt" || fail "the book's window is not shown"
grep -q '_NET_WM_STATE_HIDDEN' "$state/wm-book.txt" && fail "the book was minimised by the print dialog"
echo "ok"
