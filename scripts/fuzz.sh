#!/usr/bin/env bash
# Runs the text primitives' fuzz target for a bounded time: bash scripts/fuzz.sh <fuzz-build-dir> <seconds>.
# Fails on any crash, sanitizer report or difference from the model.
set -euo pipefail
build=${1:?usage: fuzz.sh <fuzz-build-dir> <seconds>}
seconds=${2:-60}
cd "$(dirname "$0")/.."
target=$build/fuzz/fuzz_text_primitives
[ -x "$target" ] || { echo "fuzz.sh: $target not built (configure with -DSHOPCODE_FUZZ=ON and clang++)" >&2; exit 1; }
corpus=$build/fuzz/corpus
mkdir -p "$corpus" "$build/fuzz/artifacts"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# The committed seeds are read; new inputs go to the build's own corpus.
"$target" -max_total_time="$seconds" -max_len=1024 -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$build/fuzz/artifacts/" "$corpus" fuzz/corpus
