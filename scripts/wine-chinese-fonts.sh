#!/usr/bin/env bash
# Gives the current Wine prefix the fonts of a Chinese Windows: a sans-serif face for the
# dialog font (SimSun's role) and a Kai face for 楷体, from Debian's font packages.
set -euo pipefail
key='HKCU\Software\Wine\Fonts\Replacements'
for face in "MS Shell Dlg" "MS Shell Dlg 2" Tahoma SimSun; do
  wine reg add "$key" /v "$face" /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
wine reg add "$key" /v 楷体 /d 'AR PL UKai CN' /f >/dev/null 2>&1
