// What a user types beyond code page 936 (an emoji, ©, ß) reaches every snippet: as a
// character reference in the HTML, as its real UTF-8 in the badge's percent-encoded account.
#include <gtest/gtest.h>

#include <string>

#include "generators/CarouselGenerator.h"
#include "generators/FavouriteLinkGenerator.h"
#include "generators/ServiceBadgeGenerator.h"
#include "support/MemoryForm.h"

namespace shopcode {
namespace {

TEST(CharactersBeyondCodePage936, BadgeEncodesTheAccountsUtf8AndKeepsThePromptAsReferences) {
  MemoryForm form;
  form.typeCharacters(Field::编辑框1, u"shop😊");
  form.typeCharacters(Field::编辑框2, u"咨询 😊 ₩ é à ß");
  int pumps = 0;
  generateServiceBadge(form, [&pumps] { ++pumps; });
  const std::string account = "%73%68%6F%70%F0%9F%98%8A";
  EXPECT_EQ(
      form.text(Field::编辑框3),
      "<a target=\"_blank\" href=\"http://www.taobao.com/webww/ww.php?ver=3&touid=" + account +
          "&siteid=cntaobao&status=1&charset=utf-8\"><img border=\"0\" "
          "src=\"http://amos.alicdn.com/online.aw?v=2&uid=" +
          account +
          "&site=cntaobao&s=1&charset=utf-8\" alt=\"\xD7\xC9\xD1\xAF &#128522; &#8361; \xA8\xA6 \xA8\xA4 "
          "&#223;\" /></a>");
  EXPECT_EQ(pumps, 8);  // one per UTF-8 byte: four ASCII, four for the emoji

  // A reference the user typed is no character the window made: it stays as typed.
  form.typeCharacters(Field::编辑框1, u"&#65;");
  generateServiceBadge(form, {});
  EXPECT_NE(form.text(Field::编辑框3).find("touid=%26%23%36%35%3B&"), std::string::npos);
}

TEST(CharactersBeyondCodePage936, FavouritesImageAddressKeepsEveryCharacter) {
  MemoryForm form;
  form.typeCharacters(Field::编辑框5, u"http://img.cn/😊©.gif");
  generateFavouriteLink(form);
  EXPECT_EQ(
      form.text(Field::编辑框3),
      "<a href=\"http://favorite.taobao.com/popup/add_collection.htm?id=35871246&amp;itemid=35871246&amp;"
      "itemtype=0\" target=\"_self\" title=\"\"><img src=\"http://img.cn/&#128522;&#169;.gif\" /></a>");
}

TEST(CharactersBeyondCodePage936, CarouselAddressesKeepEveryCharacter) {
  MemoryForm form;
  form.type(Field::编辑框宽度, "750");
  form.type(Field::编辑框高度, "250");
  form.typeCharacters(Field::编辑框6, u"http://shop.cn/®新品");
  form.typeCharacters(Field::编辑框15, u"http://img.cn/•À.jpg");
  generateCarousel(form);
  const std::string& code = form.text(Field::编辑框3);
  EXPECT_NE(code.find("href=\"http://shop.cn/&#174;\xD0\xC2\xC6\xB7\""), std::string::npos) << code;
  EXPECT_NE(code.find("src=\"http://img.cn/&#8226;&#192;.jpg\""), std::string::npos) << code;
  EXPECT_EQ(code.find('?'), std::string::npos) << "no character became a question mark";
}

}  // namespace
}  // namespace shopcode
