#!/bin/sh
# Regenerates the chat smileys in assets/smilies/ (smiley00.png .. smiley17.png).
set -e
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -O1 "$here/make_smilies.cpp" -o "$tmp/make_smilies" \
  $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tmp/make_smilies" "$here"
# Small files free of timestamps, so regenerating is reproducible.
if command -v convert >/dev/null 2>&1; then
  for f in "$here"/smiley*.png; do
    convert "$f" -strip -define png:exclude-chunks=date,time "$f"
  done
fi
echo "smileys written to $here"
