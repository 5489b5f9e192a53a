#!/usr/bin/env bash
# Runs a Windows executable under Wine in a throw-away prefix whose desktop is a
# temporary folder, under a virtual X server when there is no display.
# SHOPCODE_WINE_ROOT picks the prefix to share across calls (created on first use).
# usage: wine-run.sh PROGRAM [ARGS...] | --start | --stop
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
root=${SHOPCODE_WINE_ROOT:-${TMPDIR:-/tmp}/shopcode-wine-$(id -u)}
mkdir -p "$root/home/Desktop"
export HOME="$root/home" WINEPREFIX="$root/prefix" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # flock: parallel tests must not initialise the same prefix twice.
  exec 9>"$root/.lock"; flock 9
  [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
  flock -u 9
fi
case "${1:-}" in
  # A Wine server kept up with its services (wineboot), for a run of many tests.
  --start) wineserver -p && exec wine wineboot ;;
  --stop) exec wineserver -k ;;
esac
exec wine "$@"
