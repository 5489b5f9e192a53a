#!/usr/bin/env bash
# Builds the release package build/win64/ShopCode-<version>-win64.zip (ShopCode.exe and
# 使用说明.txt). The same sources give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win64 --target package_zip -j "$(nproc)"
ls -l build/win64/ShopCode-*-win64.zip
