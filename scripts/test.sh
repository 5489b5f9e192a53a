#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the same under ASan/UBSan,
# a bounded fuzz run, the Windows cross-build's tests under Wine, the end-to-end test of
# ShopCode.exe, the format and lint checks, and the release package.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1
step() { printf '\n=== %s\n' "$*"; }

step "native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native -j "$jobs"

step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DSHOPCODE_SANITIZE=ON -DSHOPCODE_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize -j "$jobs"

step "fuzzing the text primitives (bounded)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSHOPCODE_FUZZ=ON -DBUILD_TESTING=OFF -DSHOPCODE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
bash scripts/fuzz.sh build/fuzz "${SHOPCODE_FUZZ_SECONDS:-60}"

step "Windows cross-build and its tests under Wine"
export SHOPCODE_WINE_ROOT=$PWD/build/wine
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win64 -j "$jobs"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/win64 -j "$jobs"

step "end-to-end: ShopCode.exe under Wine"
bash tests/e2e/run.sh build/win64/ShopCode.exe

step "done"
echo "all tests passed"
