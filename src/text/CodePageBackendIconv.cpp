#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>
#include <optional>
#include <string>

#include "text/CodePageConverter.h"

// The conversions where the Windows services are missing. UTF-8 is written out here; code
// page 936 goes through iconv, with the mappings that glibc's CP936 lacks but Windows has
// (the user-defined areas in the Private Use Area, the single byte 0xFF) added by hand.

namespace shopcode {

namespace {

constexpr char16_t Replacement = 0xFFFD;
constexpr char DefaultByte = '?';

class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  // (iconv_t)-1 is how iconv_open reports a failure.
  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// --- code page 936 beyond glibc -----------------------------------------------------------

struct GbkRange {
  unsigned char lead, firstTrail, lastTrail;
};
struct BestFitEntry {
  char16_t unit;
  unsigned short bytes;  // one byte, or first byte << 8 | second byte
};
#include "text/Cp936WindowsExtras.inc"

constexpr char16_t ExtraPrivateUseBase = 0xE766;

bool isGbkLead(unsigned char b) {
  return b >= 0x81 && b <= 0xFE;
}

// Windows maps the user-defined areas of GBK into the Private Use Area in three blocks,
// and the few other codes that GBK leaves open after them.
std::optional<char16_t> userDefinedToUnicode(unsigned char lead, unsigned char trail) {
  if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1 && trail <= 0xFE) {
    return static_cast<char16_t>(0xE000 + (lead - 0xAA) * 94 + (trail - 0xA1));
  }
  if (lead >= 0xF8 && lead <= 0xFE && trail >= 0xA1 && trail <= 0xFE) {
    return static_cast<char16_t>(0xE234 + (lead - 0xF8) * 94 + (trail - 0xA1));
  }
  if (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0 && trail != 0x7F) {
    return static_cast<char16_t>(0xE4C6 + (lead - 0xA1) * 96 + (trail - 0x40) - (trail > 0x7F ? 1 : 0));
  }
  char16_t unit = ExtraPrivateUseBase;
  for (const GbkRange& range : ExtraPrivateUse) {
    if (range.lead == lead && trail >= range.firstTrail && trail <= range.lastTrail) {
      return static_cast<char16_t>(unit + (trail - range.firstTrail));
    }
    unit += range.lastTrail - range.firstTrail + 1;
  }
  return std::nullopt;
}

std::optional<std::string> userDefinedFromUnicode(char16_t unit) {
  auto pair = [](int lead, int trail) {
    return std::string{static_cast<char>(lead), static_cast<char>(trail)};
  };
  if (unit >= 0xE000 && unit < 0xE234) return pair(0xAA + (unit - 0xE000) / 94, 0xA1 + (unit - 0xE000) % 94);
  if (unit >= 0xE234 && unit < 0xE4C6) return pair(0xF8 + (unit - 0xE234) / 94, 0xA1 + (unit - 0xE234) % 94);
  if (unit >= 0xE4C6 && unit < 0xE766) {
    const int index = (unit - 0xE4C6) % 96;
    return pair(0xA1 + (unit - 0xE4C6) / 96, 0x40 + index + (index >= 0x3F ? 1 : 0));
  }
  int offset = unit - ExtraPrivateUseBase;
  for (const GbkRange& range : ExtraPrivateUse) {
    const int size = range.lastTrail - range.firstTrail + 1;
    if (offset >= 0 && offset < size) return pair(range.lead, range.firstTrail + offset);
    offset -= size;
  }
  return std::nullopt;
}

// What Windows writes for a unit that code page 936 does not hold: a best-fit character, else '?'.
std::string bestFitFromUnicode(char16_t unit) {
  const auto* end = std::end(BestFit);
  const auto* entry = std::lower_bound(std::begin(BestFit), end, unit,
                                       [](const BestFitEntry& e, char16_t u) { return e.unit < u; });
  if (entry == end || entry->unit != unit) return std::string(1, DefaultByte);
  if (entry->bytes < 0x100) return std::string(1, static_cast<char>(entry->bytes));
  return std::string{static_cast<char>(entry->bytes >> 8), static_cast<char>(entry->bytes & 0xFF)};
}

// One unit that iconv refused, at the start of `bytes`; returns the bytes it took. Like
// Windows, a first byte with an invalid second byte becomes one '?' for both bytes (unless
// the second one is a zero), and a first byte at the very end one '?'.
std::size_t decodeGbkFallback(std::string_view bytes, std::u16string& out) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  if (lead == 0x80) return out.push_back(0x20AC), 1;
  if (lead == 0xFF) return out.push_back(0xF8F5), 1;
  if (isGbkLead(lead) && bytes.size() >= 2) {
    const auto trail = static_cast<unsigned char>(bytes[1]);
    if (const auto unit = userDefinedToUnicode(lead, trail)) return out.push_back(*unit), 2;
    out.push_back(u'?');
    return trail == 0 ? 1 : 2;
  }
  out.push_back(u'?');
  return 1;
}

using ConvertBuffer = std::array<char, 1 << 14>;

// One iconv call: converts what it can of the front of `rest` into `buffer`, drops that from
// `rest` and returns how many bytes it wrote. `refused` tells whether iconv stopped at input
// it does not take, which then stands at the front of `rest`.
std::size_t convertSome(const Iconv& converter, std::string_view& rest, ConvertBuffer& buffer,
                        bool& refused) {
  char* in = const_cast<char*>(rest.data());
  std::size_t inLeft = rest.size();
  char* outPos = buffer.data();
  std::size_t outLeft = buffer.size();
  const std::size_t rc =
      converter.ok() ? iconv(converter.get(), &in, &inLeft, &outPos, &outLeft) : static_cast<std::size_t>(-1);
  const int error = converter.ok() ? errno : EILSEQ;
  rest.remove_prefix(rest.size() - inLeft);
  refused = rc == static_cast<std::size_t>(-1) && error != E2BIG;
  return static_cast<std::size_t>(outPos - buffer.data());
}

void appendUtf16Le(const char* data, std::size_t size, std::u16string& out) {
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                        static_cast<unsigned char>(data[i + 1]) << 8));
  }
}

// iconv over the runs of bytes >= 0x80 only: ASCII is the same in both and much faster here.
std::u16string decodeGbk(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  Iconv converter("UTF-16LE", "CP936");
  ConvertBuffer buffer;
  while (!bytes.empty()) {
    std::size_t ascii = 0;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
    out.append(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(ascii));
    bytes.remove_prefix(ascii);
    // A run of units that begin with a byte >= 0x80; 0x80 and 0xFF stand alone in Windows.
    std::size_t run = 0;
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) >= 0x80) {
      run += isGbkLead(static_cast<unsigned char>(bytes[run])) ? 2 : 1;
    }
    run = std::min(run, bytes.size());
    std::string_view rest = bytes.substr(0, run);
    bytes.remove_prefix(run);
    while (!rest.empty()) {
      bool refused = false;
      const std::size_t written = convertSome(converter, rest, buffer, refused);
      appendUtf16Le(buffer.data(), written, out);
      if (refused && !rest.empty()) rest.remove_prefix(decodeGbkFallback(rest, out));
    }
  }
  return out;
}

std::string encodeGbk(std::u16string_view units) {
  std::string out;
  out.reserve(units.size() * 2);
  std::string source;
  source.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    source.push_back(static_cast<char>(unit & 0xFF));
    source.push_back(static_cast<char>(unit >> 8));
  }
  Iconv converter("CP936", "UTF-16LE");
  ConvertBuffer buffer;
  std::string_view rest(source);
  while (!rest.empty()) {
    bool refused = false;
    const std::size_t written = convertSome(converter, rest, buffer, refused);
    out.append(buffer.data(), written);
    if (refused && rest.size() >= 2) {
      const auto unit = static_cast<char16_t>(static_cast<unsigned char>(rest[0]) |
                                              static_cast<unsigned char>(rest[1]) << 8);
      if (const auto pair = userDefinedFromUnicode(unit)) {
        out.append(*pair);
      } else if (unit == 0xF8F5) {
        out.push_back(static_cast<char>(0xFF));
      } else {
        out.append(bestFitFromUnicode(unit));
      }
      rest.remove_prefix(2);
    }
  }
  return out;
}

// --- UTF-8 ----------------------------------------------------------------------------------

// Invalid input becomes U+FFFD, one for each maximal valid prefix of a sequence (Unicode's
// practice); the system only converts its own well-formed literals this way.
std::u16string decodeUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    const std::size_t length = b0 >= 0xC2 && b0 <= 0xDF   ? 2
                               : b0 >= 0xE0 && b0 <= 0xEF ? 3
                               : b0 >= 0xF0 && b0 <= 0xF4 ? 4
                                                          : 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char low = b0 == 0xE0 ? 0xA0 : b0 == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = b0 == 0xED ? 0x9F : b0 == 0xF4 ? 0x8F : 0xBF;
    char32_t code = b0 & (0x7F >> length);
    std::size_t k = 1;
    for (; k < length && i + k < bytes.size(); ++k) {
      const auto b = static_cast<unsigned char>(bytes[i + k]);
      if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF)) break;
      code = code << 6 | (b & 0x3F);
    }
    if (length == 0 || k < length) {
      out.push_back(Replacement);
      i += k;
    } else if (code >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
      i += length;
    } else {
      out.push_back(static_cast<char16_t>(code));
      i += length;
    }
  }
  return out;
}

std::string encodeUtf8(std::u16string_view units) {
  std::string out(units.size() * 3, '\0');  // no unit takes more than three bytes
  char* o = out.data();
  const auto put = [&o](char32_t byte) { *o++ = static_cast<char>(byte); };
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t code = units[i];
    if (code < 0x80) {
      put(code);
      continue;
    }
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = Replacement;  // a lone surrogate
    }
    if (code < 0x800) {
      put(0xC0 | code >> 6);
      put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      put(0xE0 | code >> 12);
      put(0x80 | (code >> 6 & 0x3F));
      put(0x80 | (code & 0x3F));
    } else {
      put(0xF0 | code >> 18);
      put(0x80 | (code >> 12 & 0x3F));
      put(0x80 | (code >> 6 & 0x3F));
      put(0x80 | (code & 0x3F));
    }
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

}  // namespace

// Only the two code pages that the system converts: 65001, and 936 for every other number.
std::u16string decodeCodePage(unsigned codePage, std::string_view bytes) {
  if (codePage == CodePageUtf8) return decodeUtf8(bytes);
  return decodeGbk(bytes);
}

std::string encodeCodePage(unsigned codePage, std::u16string_view units) {
  if (codePage == CodePageUtf8) return encodeUtf8(units);
  return encodeGbk(units);
}

}  // namespace shopcode
