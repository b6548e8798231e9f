#!/bin/sh
# Runs a Windows program under the test session's Wine (see tools/testenv.sh), for ctest.
if [ -z "$WINEPREFIX" ] || [ -z "$DISPLAY" ]; then
    echo "wine-exec.sh: no test session; run the tests through tools/test.sh" >&2
    exit 2
fi
exec wine "$@"
