#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: bash scripts/fuzz.sh <fuzz-build-dir> <seconds>.
# The seconds are shared out evenly between the targets. Fails on any crash, sanitizer
# report or difference from a target's model; the failing input is then in
# <fuzz-build-dir>/fuzz/artifacts/<target>/. Once the fault is mended, copy that input into
# fuzz/corpus/<target>/: the ctest test fuzz_corpus_<target> replays it from then on.
set -euo pipefail
build=${1:?usage: fuzz.sh <fuzz-build-dir> <seconds>}
seconds=${2:-60}
cd "$(dirname "$0")/.."
targets=(text_primitives address_list descrambler code_page)
share=$((seconds / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
for target in "${targets[@]}"; do
  program=$build/fuzz/fuzz_$target
  [ -x "$program" ] || { echo "fuzz.sh: $program not built (configure with -DSHOPCODE_FUZZ=ON and clang++)" >&2; exit 1; }
  corpus=$build/fuzz/corpus/$target
  artifacts=$build/fuzz/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  echo "fuzz.sh: $target for ${share} s"
  # The committed inputs are read; new ones go to the build's own corpus.
  "$program" -max_total_time="$share" -max_len=1024 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$target"
done
