#include "ui/StoredTexts.h"

#include "text/CodePageConverter.h"

namespace shopcode {

namespace {
// The target is plain ASCII, so both scrambling passes are made by the compiler and the
// program holds only the result.
constexpr auto TargetOnce = scrambledLiteral("https://myseller.taobao.com/");
constexpr auto TargetTwice = [] {
  std::array<char, scrambledLength(TargetOnce.size())> out{};
  scrambleInto(TargetOnce.data(), TargetOnce.size(), out.data());
  return out;
}();
}  // namespace

std::string scramble(std::string_view plain) {
  std::string out(scrambledLength(plain.size()), '\0');
  scrambleInto(plain.data(), plain.size(), out.data());
  return out;
}

const StoredTexts& storedTexts() {
  // The Chinese captions are code page 936 only once converted, so they are scrambled then.
  static const StoredTexts texts{
      scramble(gbkFromUtf8("淘宝店铺装修代码助手 ShopCode " SHOPCODE_VERSION)),
      scramble(gbkFromUtf8("进入卖家中心")),
      std::string(TargetTwice.data(), TargetTwice.size()),
  };
  return texts;
}

}  // namespace shopcode
