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

step "format"
bash scripts/check-format.sh

step "native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native -j "$jobs"

step "clang-tidy on the portable code"
git ls-files 'src/*.cpp' ':!src/ui/win32/*' ':!src/text/CodePageBackendWin32.cpp' \
  | xargs -P "$jobs" -n 4 clang-tidy -p build/native --quiet

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
# One virtual X server and one Wine server with its services for all Wine tests, started
# here with their output detached: a service started by a test would hold ctest's output
# pipe open and make every test wait for the last one.
exec 5>build/xvfb-display
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'scripts/wine-run.sh --stop >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s build/xvfb-display ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 build/xvfb-display)
scripts/wine-run.sh --start </dev/null >/dev/null 2>&1
# Once with a Western system code page (1252) and once with the Chinese one (936): the
# program must behave the same on both.
LC_ALL=C.UTF-8 ctest --test-dir build/win64 -j "$jobs"
LC_ALL=zh_CN.UTF-8 ctest --test-dir build/win64 -j "$jobs" -R '^test_'
scripts/wine-run.sh --stop
kill $xvfb && unset DISPLAY  # the end-to-end test brings its own X server

step "release package, built twice in separate trees: same bytes"
bash scripts/package.sh
bash scripts/package.sh build/win64-again
zip=$(cd build/win64 && ls ShopCode-*-win64.zip)
cmp "build/win64/$zip" "build/win64-again/$zip"
echo "$zip is reproducible: $(stat -c %s "build/win64/$zip") bytes, sha256 $(sha256sum "build/win64/$zip" | cut -c1-16)"

step "end-to-end: the packaged ShopCode.exe under Wine"
rm -rf build/package && mkdir -p build/package
(cd build/package && unzip -q "../win64/$zip")
bash tests/e2e/run.sh build/package/ShopCode.exe

step "done"
echo "all tests passed"
