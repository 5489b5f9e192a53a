#!/usr/bin/env bash
# The window's frame tests (MainWindowFrameTest in test_win32.exe) on metrics other than
# Wine's defaults: once with a 30-pixel caption and once at 144 DPI. Each runs in a Wine
# prefix and an X server of this script's own, so the prefix the other Wine tests share
# keeps its defaults.
# usage: tests/win32/frames.sh path/to/test_win32.exe
set -euo pipefail
exe=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
export SHOPCODE_WINE_ROOT=$work/wine WINEPREFIX=$work/wine/prefix
run=$root/scripts/wine-run.sh

# Room for the window at 144 DPI.
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")

# A Wine server kept up with its services, started with their output detached so that nothing
# left running holds ours. The first call makes the prefix.
"$run" --start </dev/null >/dev/null 2>&1
setting() { "$run" reg "$@" /f </dev/null >/dev/null 2>&1; }
frame_tests() { env "$@" "$run" "$exe" --gtest_filter='MainWindowFrameTest.*' --gtest_color=no; }

# Captioned windows unmanaged: without a window manager, Wine waits two seconds for one at
# every hide of a managed window (each test's end).
setting add 'HKCU\Software\Wine\AppDefaults\test_win32.exe\X11 Driver' /v Managed /d N
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
setting add "$metrics" /v CaptionHeight /d -450  # negative twips: 30 pixels
frame_tests SHOPCODE_EXPECT_CAPTION=30 SHOPCODE_EXPECT_DPI=96
setting delete "$metrics" /v CaptionHeight
setting add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144
frame_tests SHOPCODE_EXPECT_DPI=144
