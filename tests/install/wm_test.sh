#!/bin/bash
# The window, the dialogs and the print dialog once more, as a user with a desktop sees them: the
# end-to-end tests of these, in a display of their own with openbox managing Wine's windows, and
# the X side checked too (the book's window full screen with no frame, nothing minimised).
# Usage: wm_test.sh <e2e_tests.exe> <twcolour.exe> <program folder> <state dir>
set -uo pipefail
e2e=$1 colour=$2 dist=$3 state=$4
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

wine "$e2e" --gtest_filter='Startup.*:IntroScreen.*:InfoScreen.*:Printing.Cancelling*' </dev/null ||
    fail "the end-to-end tests failed under a window manager"

# The X side: the book started as a user starts it, its print dialog opened by twcolour.
book=$(mktemp -d)
trap '[ -n "$wm" ] && kill "$wm" 2>/dev/null; tw_session_stop; rm -rf "$book"' EXIT
cp "$dist"/* "$book/"
winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }
(cd "$book" && exec wine "$dist/tintwell3.exe") </dev/null >/dev/null 2>&1 &
wine "$colour" "$(winpath "$book")" "$(winpath "$book/BAT.TW3")" "$(winpath "$book/result")" print \
    </dev/null >/dev/null 2>&1 &
for i in $(seq 1 600); do [ -e "$book/result.print" ] || [ -s "$book/result" ] && break; sleep 0.1; done
[ -e "$book/result.print" ] || fail "twcolour: $(tr -d '\r' <"$book/result" 2>/dev/null)"
xwininfo -root -tree >"$state/wm-windows.txt"
id=$(awk '/"Tintwell 3": \("tintwell3.exe"/ {print $1}' "$state/wm-windows.txt" | tail -1)
[ -n "$id" ] || fail "no X window of the book"
xwininfo -id "$id" >"$state/wm-book.txt"
xprop -id "$id" _NET_WM_STATE WM_STATE >>"$state/wm-book.txt"
import -window root "$state/wm-print-dialog.png" 2>/dev/null
touch "$book/result.print.go"
for i in $(seq 1 600); do [ -e "$book/result.shown" ] || [ -s "$book/result" ] && break; sleep 0.1; done
import -window root "$state/wm-coloured.png" 2>/dev/null
touch "$book/result.shown.go"
for i in $(seq 1 600); do [ -s "$book/result" ] && break; sleep 0.1; done
result=$(tr -d '\r' <"$book/result" 2>/dev/null)
[ "$result" = ok ] || fail "twcolour: $result"

cat "$state/wm-book.txt"
grep -q 'Absolute upper-left X:  0$' "$state/wm-book.txt" || fail "the book's window is not at the left edge"
grep -q 'Absolute upper-left Y:  0$' "$state/wm-book.txt" || fail "the book's window is not at the top"
grep -q 'Width: 800$' "$state/wm-book.txt" || fail "the book's window is not 800 wide"
grep -q 'Height: 600$' "$state/wm-book.txt" || fail "the book's window is not 600 high"
grep -q 'Map State: IsViewable' "$state/wm-book.txt" || fail "the book's window is not shown"
grep -q '_NET_WM_STATE_HIDDEN' "$state/wm-book.txt" && fail "the book was minimised by the print dialog"
echo "ok"
