// Throughput of the searching text operations, the percent-encoder and the window's
// conversion to code page 936 on texts of 1, 8 and 64 MiB, mixed ASCII and Chinese, next to
// memcpy of the same size in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <string>

#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"
#include "text/PercentEncoder.h"
#include "text/TextPrimitives.h"

namespace {

using namespace shopcode;

// Lines like the carousel's address lists: markup, a Chinese file name, CR LF.
std::string mixedText(std::size_t size) {
  const std::string line =
      "<li><a href=\"http://item.example.com/\xD6\xD0\xCE\xC4\xC9\xCC\xC6\xB7.htm\"><img "
      "src=\"http://img.example.com/"
      "\xCD\xBC\xC6\xAC\xB2\xE2\xCA\xD4.JPG\" /></a></li>\xC3\xBF\xC8\xD5\xCC\xD8\xBC\xDB\r\n";
  std::string text;
  text.reserve(size + line.size());
  while (text.size() < size) text += line;
  text.resize(size);
  return text;
}

std::size_t mebibytes(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0)) << 20;
}

void finish(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

void BM_memcpy(benchmark::State& state) {
  const std::string text = mixedText(mebibytes(state));
  std::string copy(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  finish(state, text.size());
}

void BM_findText(benchmark::State& state) {
  const std::string text = mixedText(mebibytes(state));
  for (auto _ : state) {
    // '<' begins every line, so the search checks many candidates before it gives up.
    benchmark::DoNotOptimize(findText(text, "<END>"));
  }
  finish(state, text.size());
}

void BM_replaceText(benchmark::State& state) {
  const std::string text = mixedText(mebibytes(state));
  benchmark::DoNotOptimize(replaceText(text, "jpg", "png", 1, {}, false));  // warm-up
  for (auto _ : state) {
    // As the pair replacer calls it: every occurrence, letters in either case.
    benchmark::DoNotOptimize(replaceText(text, "jpg", "png", 1, {}, false));
  }
  finish(state, text.size());
}

void BM_splitText(benchmark::State& state) {
  const std::string text = mixedText(mebibytes(state));
  benchmark::DoNotOptimize(splitText(text, "\r\n"));  // warm-up, see below
  for (auto _ : state) benchmark::DoNotOptimize(splitText(text, "\r\n"));
  finish(state, text.size());
}

void BM_encode(benchmark::State& state) {
  const std::string text = mixedText(mebibytes(state));
  // One untimed run first: at 64 MiB a single timed run is all there is, and it would
  // otherwise measure the first touch of the heap's new pages, not the encoding.
  benchmark::DoNotOptimize(encode(text));
  for (auto _ : state) benchmark::DoNotOptimize(encode(text));
  finish(state, text.size());
}

// The code box as the window holds it: the same lines in UTF-16, every tenth with an emoji
// and a (c) sign, which code page 936 lacks. Sized by its code page 936 form.
std::u16string boxUnits(std::size_t size) {
  const std::u16string plain = decodeCodePage(CodePageGbk, mixedText(4096));
  const std::u16string line = plain.substr(0, plain.find(u'\n') + 1);
  std::u16string withEmoji = line;
  withEmoji.insert(withEmoji.find(u"</a>"), u"\U0001F60A \u00A9");
  std::u16string units;
  for (int i = 0; units.size() < size / 2 * 3 / 2; ++i) units += i % 10 == 9 ? withEmoji : line;
  return units;
}

// The conversion as it stood: best-fit substitutes and '?' for what code page 936 lacks.
void BM_plainConversion(benchmark::State& state) {
  const std::u16string units = boxUnits(mebibytes(state));
  benchmark::DoNotOptimize(encodeCodePage(CodePageGbk, units));
  for (auto _ : state) benchmark::DoNotOptimize(encodeCodePage(CodePageGbk, units));
  finish(state, units.size() * 2);
}

// The window's readText now: the same conversion with a reference for each such character.
void BM_gbkWithReferences(benchmark::State& state) {
  const std::u16string units = boxUnits(mebibytes(state));
  benchmark::DoNotOptimize(gbkWithReferences(units));
  for (auto _ : state) benchmark::DoNotOptimize(gbkWithReferences(units));
  finish(state, units.size() * 2);
}

#define SIZES Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime()
BENCHMARK(BM_memcpy)->SIZES;
BENCHMARK(BM_findText)->SIZES;
BENCHMARK(BM_replaceText)->SIZES;
BENCHMARK(BM_splitText)->SIZES;
BENCHMARK(BM_encode)->SIZES;
BENCHMARK(BM_plainConversion)->SIZES;
BENCHMARK(BM_gbkWithReferences)->SIZES;

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // Keep freed blocks in the heap: otherwise every result of 32 MiB and more is a fresh
  // mapping, and the page faults of touching it (slow on virtual machines) hide the work.
  // SHOPCODE_BENCH_FRESH_MEMORY=1 measures with the default behaviour.
  if (!std::getenv("SHOPCODE_BENCH_FRESH_MEMORY")) {
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
  }
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
