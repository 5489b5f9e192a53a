// Drives the text primitives with random texts, positions and counts and compares each
// result with a model written straight from the rules, one byte or unit at a time, with no
// shortcuts: any difference, crash or undefined behaviour is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "TextModel.h"
#include "text/PairReplacer.h"
#include "text/TextPrimitives.h"

namespace {

// Mostly bytes that matter to the rules: letters of both cases, blanks, CR LF, the marker,
// lead bytes including 0x80 and 0xFF, and the halves of a full-width space.
char pickByte(FuzzedDataProvider& in) {
  static constexpr unsigned char interesting[] = {'a',  'A',  'b',  'B',  ' ',  '\r', '\n', '*',
                                                  0x80, 0xA1, 0xB0, 0xD6, 0xFF, 'z',  '\t', 0x41};
  const std::uint8_t b = in.ConsumeIntegral<std::uint8_t>();
  if (b < 0xC0) return static_cast<char>(interesting[b % sizeof interesting]);
  return static_cast<char>(in.ConsumeIntegral<std::uint8_t>() | 1);  // any byte but zero
}

std::string pickText(FuzzedDataProvider& in, std::size_t maxLength) {
  std::string t;
  const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) t += pickByte(in);
  return t;
}

int pickInt(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return in.ConsumeIntegralInRange<int>(-3, 40);
    case 1:
      return in.PickValueInArray({INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX});
    default:
      return in.ConsumeIntegral<int>();
  }
}

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "mismatch with the model: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string text = pickText(in, 300);
  const std::string needle = pickText(in, 4);
  const std::string replacement = pickText(in, 6);
  const int a = pickInt(in);
  const int b = pickInt(in);
  const bool caseSensitive = in.ConsumeBool();
  const std::optional<int> count = in.ConsumeBool() ? std::optional<int>(pickInt(in)) : std::nullopt;

  using namespace shopcode;
  check(byteLength(text) == static_cast<int>(text.size()), "byteLength");
  check(textEquals(text, needle) == (text == needle), "textEquals");
  check(concatTexts(text, needle, replacement) == text + needle + replacement, "concatTexts");
  check(leftPart(text, a) == model::left(text, a), "leftPart");
  check(rightPart(text, a) == model::right(text, a), "rightPart");
  check(midPart(text, a, b) == model::mid(text, a, b), "midPart");
  check(findText(text, needle) == model::find(text, needle), "findText");
  check(trimEnd(text) == model::trim(text), "trimEnd");
  check(replaceText(text, needle, replacement, a, count, caseSensitive) ==
            model::replace(text, needle, replacement, a, count, caseSensitive),
        "replaceText");
  if (!needle.empty()) check(splitText(text, needle) == model::split(text, needle), "splitText");
  check(splitText(text, "\r\n") == model::split(text, "\r\n"), "splitText CR LF");
  const std::string withZero = text + std::string(1, '\0') + needle;
  check(textFromBytes(withZero) == text, "textFromBytes");

  // The pair replacer is a chain of replaceText steps with start 0 meaning 1.
  PairReplacerOptions options;
  options.count = count;
  options.start = b;
  options.caseSensitive = caseSensitive;
  const std::string second = pickText(in, 3);
  std::string chained = model::replace(text, needle, replacement, b == 0 ? 1 : b, count, caseSensitive);
  chained = model::replace(chained, second, needle, b == 0 ? 1 : b, count, caseSensitive);
  check(PairReplacer(text, options, {needle, replacement}, {second, needle}) == chained, "PairReplacer");
  return 0;
}
