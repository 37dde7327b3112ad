#!/usr/bin/env bash
# Start-up against the toolkit's floor: alternates launches of a bare main
# window with a menu bar and of the game in solo mode under one X server, and
# prints each one's median time from exec to its first drawn frame (and to
# its first mapped window), and the ratio of the medians.
#   bench/startup/run_startup.sh [BUILD_DIR] [RUNS]     (defaults: build, 9)
# Starts its own Xvfb when no display is set. The game hosts on port 7772, so
# run it where that port is free (a network namespace of its own).
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$build" "$runs"
fi
watch=$build/kelvoa-bench-first-frame
bare=$build/kelvoa-bench-bare-window
game=$build/kelvoa
for f in "$watch" "$bare" "$game"; do
  [ -x "$f" ] || { echo "missing $f (build the targets kelvoa kelvoa-bench-bare-window kelvoa-bench-first-frame)" >&2; exit 2; }
done

# The game's own files in a folder of this run's; one launch of each first,
# not counted, so every counted one finds warm caches and written settings.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home KELVOA_CONFIG_DIR=$scratch/config KELVOA_DATA_DIR=$scratch/data
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME"
"$watch" "$bare" >/dev/null
"$watch" "$game" >/dev/null

: >"$scratch/bare" ; : >"$scratch/game"
for ((i = 1; i <= runs; i++)); do
  b=$("$watch" "$bare"); g=$("$watch" "$game")
  echo "run $i  bare: $b  kelvoa: $g"
  echo "$b" >>"$scratch/bare"; echo "$g" >>"$scratch/game"
done

median() { # field (map|frame), file
  sed -n "s/.*$1=\([0-9.]*\).*/\1/p" "$2" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}
bf=$(median frame "$scratch/bare"); gf=$(median frame "$scratch/game")
bm=$(median map "$scratch/bare"); gm=$(median map "$scratch/game")
echo "median first map:   bare $bm ms  kelvoa $gm ms"
echo "median first frame: bare $bf ms  kelvoa $gf ms  ratio $(awk -v g="$gf" -v b="$bf" 'BEGIN {printf "%.2f", g / b}')"
