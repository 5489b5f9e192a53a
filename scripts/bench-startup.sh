#!/usr/bin/env bash
# Start-up benchmark: time from launching a program under Wine to its window being shown,
# for ShopCode.exe and, in the same run, for a program that only shows an empty window;
# the peak memory of both, and the size of ShopCode.exe. A measurement, not a test.
# Usage: scripts/bench-startup.sh [path/to/ShopCode.exe] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/win64/ShopCode.exe}")
runs=${2:-10}
work=$(mktemp -d)
export HOME=$work/home WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME/Desktop"

# The yardstick, built like the program (static, GUI subsystem, optimised).
x86_64-w64-mingw32-g++-posix -O2 -municode -mwindows -static -s \
  "$root/bench/startup/EmptyWindow.cpp" -o "$work/EmptyWindow.exe"

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p  # keep the server up between runs, as a desktop session does

now() { date +%s%N; }
# One start: milliseconds until the window is visible, and the peak resident memory (KiB)
# of the program's process once it is up.
measure() {  # exe title
  local start window="" pid
  start=$(now)
  wine "$1" >/dev/null 2>&1 &
  local launcher=$!
  until window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n1) && [ -n "$window" ]; do
    sleep 0.005
  done
  local shown=$(( ($(now) - start) / 1000000 ))
  sleep 0.5  # idle
  pid=$(xdotool getwindowpid "$window")
  local peak
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$launcher" 2>/dev/null || true
  echo "$shown $peak"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }

measure "$work/EmptyWindow.exe" EmptyWindow >/dev/null  # warm-up: caches, fonts
measure "$exe" ShopCode >/dev/null
: >"$work/empty"; : >"$work/shop"
for _ in $(seq "$runs"); do
  measure "$work/EmptyWindow.exe" EmptyWindow >>"$work/empty"
  measure "$exe" ShopCode >>"$work/shop"
done
empty_ms=$(cut -d' ' -f1 "$work/empty" | median); shop_ms=$(cut -d' ' -f1 "$work/shop" | median)
empty_kb=$(cut -d' ' -f2 "$work/empty" | median); shop_kb=$(cut -d' ' -f2 "$work/shop" | median)
size=$(stat -c %s "$exe")
echo "start-up to window shown, median of $runs (Wine):"
echo "  empty window  ${empty_ms} ms, peak memory ${empty_kb} KiB"
echo "  ShopCode      ${shop_ms} ms, peak memory ${shop_kb} KiB"
awk -v a="$shop_ms" -v b="$empty_ms" 'BEGIN {printf "  ratio         %.2f (target 1.5 or less)\n", a / b}'
awk -v s="$size" 'BEGIN {printf "ShopCode.exe  %d bytes = %.0f KiB (target under 1024 KiB)\n", s, s / 1024}'
