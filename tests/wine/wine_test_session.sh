#!/bin/sh
# Run by CTest before the tests of a Windows build under Wine (CTEST_CUSTOM_PRE_TEST), in the
# Wine prefix and on the X display the tests will use.
#   wine_test_session.sh <wine> <registry file>
#
# Wine's X11 driver waits up to two seconds for a window manager to take each window that is
# hidden; on a bare X server (Xvfb) none ever does, so every closed window would cost two seconds.
# The registry file leaves the test programs' windows unmanaged, as Wine is set up where no
# window manager runs; other programs in the prefix keep their setting.
#
# Wine starts its system processes for each program and stops them after it, two seconds or more
# per test; one idle cmd.exe, fed by a pipe that closes once CTest has ended, keeps them up.
wine=$1
settings=$2
ctest=$PPID

(while kill -0 "$ctest" 2>/dev/null; do sleep 1; done) </dev/null 2>/dev/null |
    "$wine" cmd >/dev/null 2>&1 &

# The file's name as Wine's programs see it (drive Z: is the root of the Unix file system).
if ! "$wine" reg import "Z:$(printf '%s' "$settings" | tr / '\\')" </dev/null >/dev/null 2>&1; then
    echo "wine_test_session.sh: could not import $settings; closed windows will be slow" >&2
fi
exit 0
