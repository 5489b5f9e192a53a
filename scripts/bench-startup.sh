#!/usr/bin/env bash
# Start-up benchmark: time from launching a program under Wine to its window being shown,
# for ShopCode.exe and, in the same run, for a program that only shows an empty window;
# the peak memory of both, and the size of ShopCode.exe. A measurement, not a test.
# A 32-bit ShopCode.exe is measured in a 32-bit Windows (a WINEARCH=win32 prefix) against a
# 32-bit yardstick, which needs 32-bit Wine (see setup.sh).
# Usage: scripts/bench-startup.sh [path/to/ShopCode.exe] [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/xvfb.sh"
exe=$(realpath "${1:-$root/build/win64/ShopCode.exe}")
runs=${2:-10}
case $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/^Magic/ {print $2}') in
  020b) bits=64 compiler=x86_64-w64-mingw32-g++-posix ;;
  010b) bits=32 compiler=i686-w64-mingw32-g++-posix ;;
  *) echo "$exe is no Windows program" >&2; exit 1 ;;
esac
work=$(mktemp -d)
export HOME=$work/home WINEPREFIX=$work/prefix WINEARCH=win$bits WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME/Desktop"

# The yardstick, built like the program (static, GUI subsystem, optimised, same bitness).
"$compiler" -O2 -municode -mwindows -static -s "$root/bench/startup/EmptyWindow.cpp" -o "$work/EmptyWindow.exe"

trap 'wineserver -k >/dev/null 2>&1 || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 1024x768x24
if ! timeout 300 wineboot -i >"$work/wineboot.log" 2>&1; then
  echo "no $bits-bit Wine prefix (32-bit Wine needs wine32, see setup.sh); wineboot said:" >&2
  tail -n 5 "$work/wineboot.log" >&2
  exit 1
fi
timeout 60 wineserver -w
wineserver -p  # keep the server up between runs, as a desktop session does

now() { date +%s%N; }
# One start: milliseconds until the window is visible, and the peak resident memory (KiB)
# of the program's process once it is up.
measure() {  # exe title
  local start window="" pid
  start=$(now)
  wine "$1" >/dev/null 2>&1 &
  local launcher=$!
  local limit=$(( $(now) + 60000000000 ))
  until window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n1) && [ -n "$window" ]; do
    [ "$(now)" -lt "$limit" ] || { echo "$1 showed no window within 60 s" >&2; exit 1; }
    sleep 0.005
  done
  local shown=$(( ($(now) - start) / 1000000 ))
  sleep 0.5  # idle
  pid=$(xdotool getwindowpid "$window")
  local peak
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  for _ in $(seq 100); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$launcher" 2>/dev/null && { echo "$1 did not end within 10 s" >&2; exit 1; }
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
echo "start-up to window shown, median of $runs ($bits-bit Wine):"
echo "  empty window  ${empty_ms} ms, peak memory ${empty_kb} KiB"
echo "  ShopCode      ${shop_ms} ms, peak memory ${shop_kb} KiB"
awk -v a="$shop_ms" -v b="$empty_ms" 'BEGIN {printf "  ratio         %.2f (target 1.5 or less)\n", a / b}'
awk -v s="$size" 'BEGIN {printf "ShopCode.exe  %d bytes = %.0f KiB (target under 1024 KiB)\n", s, s / 1024}'
