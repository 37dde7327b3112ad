#!/usr/bin/env bash
# Renders the emblem to the icon sizes a desktop asks for. Needs rsvg-convert
# (Debian: librsvg2-bin); the PNGs are committed, so building does not.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kelvoa.svg -o "kelvoa-$size.png"
done
