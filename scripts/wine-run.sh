#!/usr/bin/env bash
# Runs a Windows executable under Wine in a throw-away prefix whose desktop is a
# temporary folder, under a virtual X server of its own when there is no display.
# SHOPCODE_WINE_ROOT picks the prefix to share across calls (created on first use);
# WINEARCH=win32 makes a new prefix a 32-bit Windows (for the 32-bit build).
# usage: wine-run.sh PROGRAM [ARGS...] | --start | --stop
set -euo pipefail
root=${SHOPCODE_WINE_ROOT:-${TMPDIR:-/tmp}/shopcode-wine-$(id -u)}
mkdir -p "$root/home/Desktop"
if [ -z "${DISPLAY:-}" ] && [ "${1:-}" != --stop ]; then
  [ "${1:-}" != --start ] || { echo "wine-run.sh --start: needs the X server in DISPLAY" >&2; exit 1; }
  . "$(dirname "$0")/xvfb.sh"
  x=$(mktemp -d)
  start_xvfb "$x" 1024x768x24 || exit 1
  rc=0; "$0" "$@" || rc=$?
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$x"
  exit $rc
fi
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
