#!/usr/bin/env bash
# Draws the application icon (an orange tile with a white code bracket "</>") at the sizes
# Windows asks for and packs them into ShopCode.ico. Run by hand; the result is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
for s in 16 24 32 48 64 256; do
  r=$((s / 6)); w=$((s > 24 ? s / 12 : 2)); m=$((s / 16))
  convert -size ${s}x${s} xc:none \
    -fill '#ff5000' -draw "roundrectangle $m,$m $((s - 1 - m)),$((s - 1 - m)) $r,$r" \
    -stroke white -strokewidth $w -fill none -draw "stroke-linejoin round stroke-linecap round
      polyline $((s * 34 / 100)),$((s * 30 / 100)) $((s * 16 / 100)),$((s * 50 / 100)) $((s * 34 / 100)),$((s * 70 / 100))
      polyline $((s * 66 / 100)),$((s * 30 / 100)) $((s * 84 / 100)),$((s * 50 / 100)) $((s * 66 / 100)),$((s * 70 / 100))
      line $((s * 56 / 100)),$((s * 24 / 100)) $((s * 44 / 100)),$((s * 76 / 100))" \
    -depth 8 -define png:color-type=6 "$tmp/icon-$s.png"
done
convert "$tmp"/icon-16.png "$tmp"/icon-24.png "$tmp"/icon-32.png "$tmp"/icon-48.png \
  "$tmp"/icon-64.png "$tmp"/icon-256.png ShopCode.ico
