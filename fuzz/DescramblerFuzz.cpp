// Drives the descrambler with random scrambled texts and keys, and with scrambled forms of
// texts that hold the marker and a key, and compares each result and each message with a
// model written from the rules: cut into bytes, keep the odd positions, interleave the two
// halves, then the key step at the first marker. Texts without a marker also come back
// whole from the compile-time scrambler of the stored texts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TextModel.h"
#include "text/CodePageConverter.h"
#include "text/TextDescrambler.h"
#include "ui/StoredTexts.h"

namespace {

struct Outcome {
  std::string text;
  bool message = false;
};

Outcome modelDescramble(const std::string& s, const std::string& key) {
  const std::int64_t n = model::len(s);
  std::vector<char> pieces;  // pieces[i - 1] is b_i
  for (std::int64_t i = 1; i <= n; ++i) pieces.push_back(model::mid(s, i, 1).at(0));
  if (n <= 3) return {std::string(pieces.rbegin(), pieces.rend())};
  std::vector<char> kept;  // k_1 = b_1, k_2 = b_3, ...
  for (std::int64_t i = 1; i <= n; i += 2) kept.push_back(pieces[i - 1]);
  const std::int64_t m = (n + 1) / 2;
  const std::int64_t h = m / 2;
  std::string joined;
  for (std::int64_t j = 1; j <= h; ++j) {
    joined += kept[j - 1];
    joined += kept[j + h - 1];
  }
  if (m % 2 == 1) joined += kept[m - 1];
  const int p = model::find(joined, "*");
  if (p == -1) return {joined};
  if (model::trim(model::right(joined, model::len(joined) - p)) == key) return {model::mid(joined, 1, p - 1)};
  return {"", true};
}

std::string pickText(FuzzedDataProvider& in, std::size_t maxLength) {
  // The marker, blanks and the halves of a full-width space, lead bytes before a marker,
  // a tab, letters of a key.
  static constexpr unsigned char interesting[] = {'*',  ' ', 0xA1, 0x80, 0xB0, 0xFF,
                                                  '\t', 'k', 'K',  'e',  'y',  'x'};
  std::string t;
  const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, maxLength);
  for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
    const std::uint8_t b = in.ConsumeIntegral<std::uint8_t>();
    t += b < 0xC0 ? static_cast<char>(interesting[b % sizeof interesting])
                  : static_cast<char>(in.ConsumeIntegral<std::uint8_t>() | 1);
  }
  return t;
}

// The scrambled form that descramble turns back into `plain`, with the filler bytes the
// stored texts use.
std::string scrambled(const std::string& plain) {
  std::string out(shopcode::scrambledLength(plain.size()), '\0');
  shopcode::scrambleInto(plain.data(), plain.size(), out.data());
  return out;
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
  const std::string key = in.ConsumeBool() ? std::string() : pickText(in, 4);
  std::string s;
  std::string plain;  // when `s` is the scrambled form of a chosen joined text
  if (in.ConsumeBool()) {
    s = pickText(in, 200);
  } else {
    // A joined text built to reach the key step: text, marker, maybe the key, maybe blanks.
    // One input after the other: the order of the operands of + is unspecified.
    plain = pickText(in, 40);
    if (in.ConsumeBool()) plain += '*';
    if (in.ConsumeBool()) plain += key;
    plain += pickText(in, 4);
    s = scrambled(plain);
  }

  std::vector<std::string> shown;
  const shopcode::ShowMessage showMessage = [&shown](std::string_view text, unsigned style) {
    check(style == 0, "message style");
    shown.emplace_back(text);
  };
  const std::string got = shopcode::descramble(s, key, showMessage);
  const Outcome expected = modelDescramble(s, key);
  check(got == expected.text, "descramble");
  check(shown.size() == (expected.message ? 1u : 0u), "message shown");
  if (expected.message) check(shown[0] == shopcode::gbkFromUtf8("密码错误，请核对！"), "message text");
  if (!plain.empty() && plain.find('*') == std::string::npos) {
    check(got == plain, "a scrambled text without a marker comes back whole");
  }
  return 0;
}
