#!/usr/bin/env bash
# Builds the release packages, one per Windows bitness, each holding ShopCode.exe and
# 使用说明.txt: <root>/win64/ShopCode-<version>-win64.zip and <root>/win32/ShopCode-<version>-win32.zip,
# in build/ or the build root given. The same sources give the same bytes.
# Usage: scripts/package.sh [build-root]
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-build}
bash scripts/setup.sh
for target in win64:x86_64 win32:i686; do
  arch=${target%%:*} dir=$root/${target%%:*}
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-${target#*:}.cmake >/dev/null
  cmake --build "$dir" --target package_zip -j "$(nproc)"
  ls -l "$dir"/ShopCode-*-"$arch".zip
done
