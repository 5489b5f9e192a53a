#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, the same under ASan/UBSan,
# a bounded fuzz run, the 64-bit and 32-bit Windows builds' tests under Wine, the release
# packages (built twice), the end-to-end test of each packaged ShopCode.exe, the format
# and lint checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
. scripts/xvfb.sh
jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1
# Every condition of every test holds here: a test that would skip fails instead.
export SHOPCODE_NO_SKIP=1
step() { printf '\n=== %s (%s)\n' "$*" "$(date +%T)"; }
# ctest that fails when its selection holds no test.
run_ctest() { ctest --no-tests=error -j "$jobs" "$@"; }
# The kernel may run no 32-bit programs (then setup installs no 32-bit Wine).
wine32=""
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" && wine32=yes
not_run=()

step "format"
bash scripts/check-format.sh

step "native build and tests"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build/native -j "$jobs"
run_ctest --test-dir build/native

step "clang-tidy on the portable code"
git ls-files 'src/*.cpp' ':!src/ui/win32/*' ':!src/text/CodePageBackendWin32.cpp' \
  | xargs -P "$jobs" -n 4 clang-tidy -p build/native --quiet

step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DSHOPCODE_SANITIZE=ON -DSHOPCODE_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
run_ctest --test-dir build/sanitize

step "fuzzing the text primitives (bounded)"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSHOPCODE_FUZZ=ON -DBUILD_TESTING=OFF -DSHOPCODE_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
bash scripts/fuzz.sh build/fuzz "${SHOPCODE_FUZZ_SECONDS:-60}"

step "Windows cross-builds, 64-bit and 32-bit"
# The 32-bit build's tests that run under 32-bit Wine. The window tests run on the 64-bit
# build only: they take the most time, and the end-to-end test drives the 32-bit window.
win32_tests=(test_text test_form test_generators test_ui test_environment)
for target in win64:x86_64 win32:i686; do
  cmake -S . -B "build/${target%%:*}" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-${target#*:}.cmake" >/dev/null
done
cmake --build build/win64 -j "$jobs"
if [ -n "$wine32" ]; then
  cmake --build build/win32 -j "$jobs" --target ShopCode "${win32_tests[@]}"
else
  cmake --build build/win32 -j "$jobs" --target ShopCode
fi
# The checks of the executables themselves (hardening, imports) need no Wine.
run_ctest --test-dir build/win64 -R '^exe_'
run_ctest --test-dir build/win32 -R '^exe_'

# wine_run BUILD BITS CODE-PAGE LOCALE CTEST-ARGS...: the build's Wine tests with the given
# system code page, in a prefix, Wine server and virtual X server of their own (so no test's
# keys and clicks reach another run's window). The Wine server and its services are started
# up front with their output detached: a service started by a test would hold ctest's output
# pipe open and make every test wait for the last one. The run first proves that Wine has the
# code page, the bitness and the Chinese file names it claims, or it fails.
wine_run() (
  build=$1 bits=$2 codepage=$3
  export WINEARCH=win$bits SHOPCODE_WINE_ROOT=$PWD/build/wine-$build-$codepage LC_ALL=$4 \
    SHOPCODE_EXPECT_BITS=$bits SHOPCODE_EXPECT_ACP=$codepage
  shift 4
  mkdir -p "$SHOPCODE_WINE_ROOT"
  trap 'scripts/wine-run.sh --stop >/dev/null 2>&1 || true; kill "${xvfb:-}" 2>/dev/null || true' EXIT
  start_xvfb "$SHOPCODE_WINE_ROOT" 1024x768x24
  timeout 300 scripts/wine-run.sh --start </dev/null >/dev/null 2>&1 ||
    { echo "FAIL: the Wine prefix and server did not start within 300 s"; exit 1; }
  scripts/wine-run.sh "build/$build/tests/test_environment.exe" --gtest_brief=1 ||
    { echo "FAIL: this Wine is not the $bits-bit Windows with code page $codepage that the run needs"; exit 1; }
  run_ctest --test-dir "build/$build" "$@"
)
# wine_tests BUILD BITS CTEST-ARGS...: once with a Western system code page (1252) and once
# with the Chinese one (936), side by side: the program must behave the same on both.
wine_tests() {
  local build=$1 bits=$2 run pids=() rc=0
  shift 2
  for run in 1252:C.UTF-8 936:zh_CN.UTF-8; do
    wine_run "$build" "$bits" "${run%%:*}" "${run#*:}" "$@" >"build/wine-tests-$build-${run%%:*}.log" 2>&1 &
    pids+=($!)
  done
  # Each run ends within its tests' time limits (ctest's TIMEOUT, the start's 300 s).
  for pid in "${pids[@]}"; do wait "$pid" || rc=1; done
  for run in 1252:C.UTF-8 936:zh_CN.UTF-8; do
    echo "--- $build, code page ${run%%:*} (LC_ALL=${run#*:})"
    cat "build/wine-tests-$build-${run%%:*}.log"
  done
  return $rc
}

step "64-bit Windows build: its tests under Wine"
wine_tests win64 64 -E '^exe_'

step "32-bit Windows build: text, form, generator and action tests under 32-bit Wine"
if [ -n "$wine32" ]; then
  # A 32-bit Windows (a WINEARCH=win32 prefix), not a 64-bit one running the program under WOW64.
  wine_tests win32 32 -R "^($(IFS='|'; echo "${win32_tests[*]}"))\$"
else
  echo "NOT RUN: this kernel runs no 32-bit programs, so there is no 32-bit Wine (see setup)"
  not_run+=("the 32-bit build's tests under Wine")
fi

step "release packages, each built twice in separate trees: same bytes"
bash scripts/package.sh
bash scripts/package.sh build/again
for arch in win64 win32; do
  zip=$(cd "build/$arch" && ls ShopCode-*-"$arch".zip)
  cmp "build/$arch/$zip" "build/again/$arch/$zip"
  echo "$zip is reproducible: $(stat -c %s "build/$arch/$zip") bytes, sha256 $(sha256sum "build/$arch/$zip" | cut -c1-16)"
  rm -rf "build/package/$arch" && mkdir -p "build/package/$arch"
  (cd "build/package/$arch" && unzip -q "../../$arch/$zip")
done

step "end-to-end: the packaged 64-bit ShopCode.exe under Wine"
bash tests/e2e/run.sh build/package/win64/ShopCode.exe

step "end-to-end: the packaged 32-bit ShopCode.exe under 32-bit Wine"
if [ -n "$wine32" ]; then
  WINEARCH=win32 bash tests/e2e/run.sh build/package/win32/ShopCode.exe
else
  echo "NOT RUN: this kernel runs no 32-bit programs, so there is no 32-bit Wine (see setup)"
  not_run+=("the packaged 32-bit ShopCode.exe end to end")
fi

step "done"
echo "all tests passed"
for what in "${not_run[@]}"; do echo "not run on this machine: $what"; done
