#!/usr/bin/env bash
# The layers include downward only: text <- form <- generators <- ui <- ui/win32. Every
# include of a project header is written from the top of src/ ("form/Literals.h"), so the
# build's per-layer include paths decide what it may see; this check catches the ways around
# them (a relative include such as "../ui/Platform.h" or "win32/Gbk.h") and any upward include.
# Usage: scripts/check-layers.sh; prints each offending line and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {  # layer of a path below src/, or of an include written from the top of src/
  case "$1" in
    ui/win32/*) echo 4 ;; ui/*) echo 3 ;; generators/*) echo 2 ;; form/*) echo 1 ;; text/*) echo 0 ;;
    *) echo -1 ;;
  esac
}
bad=0
while IFS=: read -r file line text; do
  header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
  own=$(rank "${file#src/}")
  used=$(rank "$header")
  if [ "$used" -lt 0 ] || [ "$used" -gt "$own" ]; then
    echo "$file:$line: $header"
    bad=1
  fi
done < <(grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' --include='*.inc' src)
[ "$bad" -eq 0 ] && echo "layers: every include in src/ runs downward"
exit "$bad"
