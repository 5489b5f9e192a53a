#!/usr/bin/env bash
# Builds the release package <build-dir>/ShopCode-<version>-win64.zip (ShopCode.exe and
# 使用说明.txt) in build/win64 or the build folder given. The same sources give the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build/win64}
bash scripts/setup.sh
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$dir" --target package_zip -j "$(nproc)"
ls -l "$dir"/ShopCode-*-win64.zip
