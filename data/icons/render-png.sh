#!/usr/bin/env bash
# Renders the PNG sizes of the hicolor theme from the hand-drawn SVG icon.
# The PNGs are committed; run this after changing the SVG (needs rsvg-convert,
# Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
name=de.haldenau.Schichtkalender
for size in 16 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "scalable/apps/$name.svg" -o "${size}x${size}/apps/$name.png"
done
