#!/bin/sh
# Pictures of the desktop program as a user sees it, taken under Xvfb:
#   scripts/screenshot.sh [BUILD-DIR] [OUTPUT-DIR]
# BUILD-DIR defaults to build/, OUTPUT-DIR to BUILD-DIR/screenshots. Saves
# the main window on samples/demo.fob (sorted by name, a row selected), the
# same with the View menu open, the licence window, the About box, the
# Export List dialog, the comparison with samples/demo-update.fob (also in a
# dark palette), the main window with its filter bar in each translation
# (mainwindow-LANG.png), and the real program's screen after it opened the sample.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/screenshots}
sample=$root/samples/demo.fob
update=$root/samples/demo-update.fob

cmake --build "$build" --target quintarel quintarel-screenshots >/dev/null
mkdir -p "$out"

# A fixed locale and font size, so the pictures look the same on every machine.
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=xcb QT_FONT_DPI=96
screen="-screen 0 1280x900x24"

xvfb-run -a -s "$screen" "$build/bin/quintarel-screenshots" "$out" "$sample" "$update"
xvfb-run -a -s "$screen" "$build/bin/quintarel-screenshots" --filter "$out" "$sample"
# Each translation; the dates of the sample are still read the American way.
for language in da de fr nb nl; do
    LANGUAGE=$language xvfb-run -a -s "$screen" "$build/bin/quintarel-screenshots" --filter "$out" "$sample"
done

# The real program keeps its settings (recent files, size) in a folder of
# its own here, not in the user's.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# The program itself, started on the sample; its screen is taken from beside it.
xvfb-run -a -s "$screen" sh -c '
    "$1/bin/quintarel" --license "$(dirname "$2")/demo.flf" "$2" & program=$!
    sleep 3
    "$1/bin/quintarel-screenshots" --screen "$3/program.png"
    status=$?
    kill $program
    exit $status' sh "$build" "$sample" "$out"
