// Drives the code page 936 conversions with long random texts and UTF-16 strings and
// compares them with the reference of tests/data (Microsoft's table; Wine's results where
// the table defines nothing), character by character: the backend's buffers, its runs of
// ASCII and its handling of refused input must change nothing. Every text made of the
// table's characters comes back as the same bytes, and its UTF-8 form is that of its units.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/Cp936Reference.h"
#include "text/CodePageConverter.h"

namespace {

using shopcode::reference::Cp936;

const Cp936& table() {
  static const Cp936 loaded = shopcode::reference::readCp936(SHOPCODE_TEST_DATA);
  return loaded;
}

// Every character of the table but the zero byte, as bytes.
const std::vector<std::string>& characters() {
  static const std::vector<std::string> all = [] {
    std::vector<std::string> out;
    for (int b = 1; b < 256; ++b)
      if (table().singleByte[b]) out.emplace_back(1, static_cast<char>(b));
    for (int code = 0; code < 0x10000; ++code)
      if (table().doubleByte[code])
        out.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    return out;
  }();
  return all;
}

std::string utf8(std::u16string_view units) {
  std::string out;
  for (const char16_t u : units) {  // code page 936 reads no surrogates
    if (u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x800) {
      out += static_cast<char>(0xC0 | u >> 6);
      out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | u >> 12);
      out += static_cast<char>(0x80 | (u >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// A run of one piece, mostly short, sometimes thousands long (past the backend's buffers).
int times(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? 1 : in.ConsumeIntegralInRange<int>(1, 3000);
}

// Characters of the table, first bytes alone or before bytes that are no second byte,
// zero bytes, ASCII.
std::string makeBytes(FuzzedDataProvider& in, bool validOnly) {
  std::string out;
  const std::size_t pieces = in.ConsumeIntegralInRange<std::size_t>(0, 40);
  for (std::size_t p = 0; p < pieces && in.remaining_bytes() > 0; ++p) {
    std::string piece;
    switch (validOnly ? 0 : in.ConsumeIntegralInRange<int>(0, 3)) {
      case 0:
        piece = characters()[in.ConsumeIntegralInRange<std::size_t>(0, characters().size() - 1)];
        break;
      case 1:
        piece = std::string(1, static_cast<char>(in.ConsumeIntegralInRange<int>(0x81, 0xFE)));
        break;
      case 2:
        piece = std::string(1, static_cast<char>(in.PickValueInArray<int>(
                                   {0x00, 0x0A, 0x0D, 0x20, 0x3F, 0x40, 0x7F, 0x80, 0xA1, 0xFE, 0xFF})));
        break;
      default:
        piece = std::string(1, static_cast<char>(in.ConsumeIntegral<std::uint8_t>()));
        break;
    }
    for (int i = times(in); i > 0; --i) out += piece;
  }
  return out;
}

// Units of the table (round trips and best fits), surrogates alone and in pairs, any unit.
std::u16string makeUnits(FuzzedDataProvider& in) {
  std::u16string out;
  const std::size_t pieces = in.ConsumeIntegralInRange<std::size_t>(0, 40);
  for (std::size_t p = 0; p < pieces && in.remaining_bytes() > 0; ++p) {
    std::u16string piece;
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
      case 0:
        piece = u"\xD83D\xDE0A";  // 😊
        break;
      case 1:
        piece = std::u16string(
            1, in.PickValueInArray<char16_t>({0x0000, 0x00A2, 0x00C0, 0x20AC, 0x3000, 0x4E2D, 0xD800, 0xDC00,
                                              0xE000, 0xE766, 0xF8F5, 0xFFFD}));
        break;
      default:
        piece = std::u16string(1, in.ConsumeIntegral<char16_t>());
        break;
    }
    for (int i = times(in); i > 0; --i) out += piece;
  }
  return out;
}

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "mismatch with the code page 936 reference: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace shopcode;
  FuzzedDataProvider in(data, size);
  const Cp936& reference = table();

  const std::string bytes = makeBytes(in, false);
  check(decodeCodePage(CodePageGbk, bytes) == reference.decode(bytes), "decode");
  const std::string text = bytes.substr(0, bytes.find('\0'));  // a text ends at its first zero byte
  check(ansiToUtf8(text) == utf8(reference.decode(text)), "ansiToUtf8");

  const std::u16string units = makeUnits(in);
  check(encodeCodePage(CodePageGbk, units) == reference.encode(units), "encode");

  const std::string valid = makeBytes(in, true);
  const std::u16string read = decodeCodePage(CodePageGbk, valid);
  check(read == reference.decode(valid), "decode of characters");
  check(encodeCodePage(CodePageGbk, read) == valid, "round trip");
  return 0;
}
