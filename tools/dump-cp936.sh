#!/usr/bin/env bash
# Regenerates tests/data/cp936-invalid-wine.txt from the Windows code-page services (under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/tools
mkdir -p "$out"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static -Wall -Wextra \
  tools/CodePageTableDump.cpp -o "$out/CodePageTableDump.exe"
bash scripts/wine-run.sh "$out/CodePageTableDump.exe" "Z:$(pwd -P | tr / '\\')\\tests\\data"
wc -l tests/data/cp936-invalid-wine.txt
