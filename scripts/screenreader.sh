#!/bin/sh
# The desktop program as a screen reader meets it: under Xvfb, on a session
# bus of its own with the accessibility bus, the program opens the sample
# with the demo licence and scripts/screenreader.py reads its list and its
# licence window through AT-SPI (python3-pyatspi, for Debian's own python3).
#   scripts/screenreader.sh [--no-build] [BUILD-DIR]
# Exits 77 (a skipped test) when the client or the buses are not installed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build_first=yes
if [ "${1:-}" = --no-build ]; then
    build_first=no
    shift
fi
build=$(cd "${1:-$root/build}" && pwd)
if ! command -v dbus-run-session >/dev/null || ! command -v xvfb-run >/dev/null ||
    ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "needs at-spi2-core, dbus-x11, xvfb and python3-pyatspi" >&2
    exit 77
fi
[ $build_first = no ] || cmake --build "$build" --target quintarel cfront >/dev/null

export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The program's settings in a folder of its own, not the user's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

dbus-run-session -- xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
    "$1/bin/quintarel" --license "$2/samples/demo.flf" "$2/samples/demo.fob" & program=$!
    sleep 3
    /usr/bin/python3 "$2/scripts/screenreader.py"
    status=$?
    kill $program
    exit $status' sh "$build" "$root"
