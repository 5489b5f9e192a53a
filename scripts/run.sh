#!/usr/bin/env bash
# Builds the Windows program (build/win64) and starts it under Wine. Without a display it
# runs in a virtual X server instead, saves a screenshot (build/screenshot.png) and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win64 --target ShopCode -j "$(nproc)"
exe=$PWD/build/win64/ShopCode.exe
root=${SHOPCODE_WINE_ROOT:-$PWD/build/wine-run}
mkdir -p "$root/home/Desktop"
export WINEPREFIX="$root/prefix" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

# A new prefix gets the fonts of a Chinese Windows.
prepare_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; bash scripts/wine-chinese-fonts.sh; wineserver -w; }
}

if [ -n "${DISPLAY:-}" ]; then
  # The user's own session: their home and desktop.
  prepare_prefix
  exec wine "$exe"
fi

export HOME="$root/home"
. scripts/xvfb.sh
trap 'wineserver -k >/dev/null 2>&1 || true; kill "${xvfb:-}" 2>/dev/null || true' EXIT
start_xvfb "$root" 1024x768x24
prepare_prefix
wine "$exe" >/dev/null 2>&1 &
window=""
for _ in $(seq 300); do
  window=$(xdotool search --name 'ShopCode' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 1
import -window root build/screenshot.png
echo "ShopCode started under Wine; screenshot: build/screenshot.png"
