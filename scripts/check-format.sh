#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted by .clang-format; `--fix` formats them.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i $files
else
  clang-format --dry-run --Werror $files
fi

# The README carries the user guide too.
python3 scripts/sync-guide.py --check
