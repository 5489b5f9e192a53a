#include <windows.h>

#include <climits>

#include "text/CodePageConverter.h"

namespace shopcode {

namespace {

// The Windows services count in int: longer input goes in pieces that end on a character
// boundary (after a byte below 0x80, which ends a character in code page 936 and in UTF-8;
// before a unit that is no low surrogate).
constexpr std::size_t PieceLimit = INT_MAX / 4;

std::size_t bytePieceEnd(std::string_view bytes) {
  if (bytes.size() <= PieceLimit) return bytes.size();
  std::size_t end = PieceLimit;
  while (end > PieceLimit - 4096 && static_cast<unsigned char>(bytes[end - 1]) >= 0x80) --end;
  return end > PieceLimit - 4096 ? end : PieceLimit;
}

std::size_t unitPieceEnd(std::u16string_view units) {
  if (units.size() <= PieceLimit) return units.size();
  const char16_t next = units[PieceLimit];
  return next >= 0xDC00 && next <= 0xDFFF ? PieceLimit - 1 : PieceLimit;
}

}  // namespace

std::u16string decodeCodePage(unsigned codePage, std::string_view bytes) {
  std::u16string units;
  while (!bytes.empty()) {
    const std::size_t end = bytePieceEnd(bytes);
    const int length = static_cast<int>(end);
    const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (needed > 0) {
      const std::size_t offset = units.size();
      units.resize(offset + static_cast<std::size_t>(needed));
      const int written = MultiByteToWideChar(codePage, 0, bytes.data(), length,
                                              reinterpret_cast<wchar_t*>(units.data() + offset), needed);
      units.resize(offset + static_cast<std::size_t>(written > 0 ? written : 0));
    }
    bytes.remove_prefix(end);
  }
  return units;
}

std::string encodeCodePage(unsigned codePage, std::u16string_view units) {
  std::string bytes;
  while (!units.empty()) {
    const std::size_t end = unitPieceEnd(units);
    const auto* source = reinterpret_cast<const wchar_t*>(units.data());
    const int length = static_cast<int>(end);
    const int needed = WideCharToMultiByte(codePage, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (needed > 0) {
      const std::size_t offset = bytes.size();
      bytes.resize(offset + static_cast<std::size_t>(needed));
      const int written =
          WideCharToMultiByte(codePage, 0, source, length, bytes.data() + offset, needed, nullptr, nullptr);
      bytes.resize(offset + static_cast<std::size_t>(written > 0 ? written : 0));
    }
    units.remove_prefix(end);
  }
  return bytes;
}

}  // namespace shopcode
