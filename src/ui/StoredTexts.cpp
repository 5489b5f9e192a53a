#include "ui/StoredTexts.h"

namespace shopcode {

namespace {
// The compiler scrambles the code page 936 bytes, so the program holds only the scrambled
// forms. The escapes are the 936 bytes of the Chinese text in the comment beside them (a
// test checks them against the converted text); the version comes from the build.
constexpr auto Caption = scrambledLiteral(
    "\xCC\xD4\xB1\xA6\xB5\xEA\xC6\xCC\xD7\xB0\xD0\xDE\xB4\xFA\xC2\xEB\xD6\xFA\xCA\xD6"  // 淘宝店铺装修代码助手
    " ShopCode " SHOPCODE_VERSION);
constexpr auto LinkCaption =
    scrambledLiteral("\xBD\xF8\xC8\xEB\xC2\xF4\xBC\xD2\xD6\xD0\xD0\xC4");  // 进入卖家中心
constexpr auto TargetOnce = scrambledLiteral("https://myseller.taobao.com/");
constexpr auto TargetTwice = [] {
  std::array<char, scrambledLength(TargetOnce.size())> out{};
  scrambleInto(TargetOnce.data(), TargetOnce.size(), out.data());
  return out;
}();

template <std::size_t N>
std::string text(const std::array<char, N>& bytes) {
  return std::string(bytes.data(), bytes.size());
}
}  // namespace

const StoredTexts& storedTexts() {
  static const StoredTexts texts{text(Caption), text(LinkCaption), text(TargetTwice)};
  return texts;
}

}  // namespace shopcode
