#!/bin/sh
# Regenerates the board pictures in assets/art/board/.
#   assets/art/make_board_art.sh [build folder]
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target kelvoa_board_art
QT_QPA_PLATFORM=offscreen "$build/kelvoa_board_art" "$here/board"
# Keep the files small and free of timestamps so regenerating is reproducible.
if command -v convert >/dev/null 2>&1; then
  for f in "$here"/board/*.png; do
    convert "$f" -strip -define png:exclude-chunks=date,time "$f"
  done
fi
echo "board pictures written to $here/board"
