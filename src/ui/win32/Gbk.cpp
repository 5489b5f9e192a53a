#include "ui/win32/Gbk.h"

#include <windows.h>

#include <climits>

namespace shopcode::win32 {
namespace {
constexpr UINT Gbk = 936;

int clampedLength(size_t n) {
  return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}
}  // namespace

std::wstring widenGbk(std::string_view text) {
  if (text.empty()) return {};
  const int length = clampedLength(text.size());
  const int units = ::MultiByteToWideChar(Gbk, 0, text.data(), length, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<size_t>(units), L'\0');
  const int written = ::MultiByteToWideChar(Gbk, 0, text.data(), length, wide.data(), units);
  wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return wide;
}

std::string narrowGbk(std::wstring_view text) {
  if (text.empty()) return {};
  const int length = clampedLength(text.size());
  const int bytes = ::WideCharToMultiByte(Gbk, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string narrow(static_cast<size_t>(bytes), '\0');
  const int written =
      ::WideCharToMultiByte(Gbk, 0, text.data(), length, narrow.data(), bytes, nullptr, nullptr);
  narrow.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return narrow;
}

}  // namespace shopcode::win32
