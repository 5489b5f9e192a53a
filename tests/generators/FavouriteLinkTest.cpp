#include "generators/FavouriteLinkGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/Literals.h"
#include "support/MemoryForm.h"

namespace shopcode {
namespace {

std::string expectedLink(std::string_view shopId, std::string_view image) {
  return std::string(R"(<a href="http://favorite.taobao.com/popup/add_collection.htm?id=)")
      .append(shopId)
      .append("&amp;itemid=")
      .append(shopId)
      .append(R"(&amp;itemtype=0" target="_self" title=""><img src=")")
      .append(image)
      .append(R"(" /></a>)");
}

TEST(ExtractShopId, TakesTheBytesBetweenTheFirstShopAndTheNextDot) {
  struct Case {
    std::string address, id;
  } const cases[] = {
      {"http://shop12345.taobao.com", "12345"},
      {"shop12345.", "12345"},
      {" http://shop7.taobao.com", "7"},  // a leading blank does not disturb the search
      {"http://shop1.shop2.com", "1"},    // the first shop counts
      {"http://www.myshop.com", ""},      // terminator right after the marker
      {"http://shop12345", ""},           // no terminator after it
      {"shoptp1.", "tp1"},
      // No "shop": the cut starts at position 3, in the scheme.
      {"http://mystore.com", "tp://mystore"},
      {"https://mystore.com", "tps://mystore"},
      {"http://SHOP123.taobao.com", "tp://SHOP123"},  // case matters
      {" http://mystore.com", "ttp://mystore"},
      {"abcd.ef", "cd"},
      {"abc", ""},
      {"", ""},
      // A "shop" starting at the second byte of a double-byte character is no match.
      {"\xB0shop1.x", "hop1"},
      {"\xB0shop1.shop2.x", "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(extractShopId(c.address, "shop", "."), c.id) << c.address;
  }
}

class FavouriteLink : public ::testing::Test {
 protected:
  void run(std::string_view address, std::string_view image) {
    form.type(Field::编辑框4, address);
    form.type(Field::编辑框5, image);
    form.type(Field::编辑框3, "old code");
    generateFavouriteLink(form);
  }
  MemoryForm form;
};

TEST_F(FavouriteLink, WorkedExampleReadsAndWritesInOrder) {
  run("http://shop12345.taobao.com", "x.gif");
  const std::string expected =
      R"(<a href="http://favorite.taobao.com/popup/add_collection.htm?id=12345&amp;itemid=12345&amp;itemtype=0")"
      R"( target="_self" title=""><img src="x.gif" /></a>)";
  EXPECT_EQ(form.text(Field::编辑框3), expected);
  const std::vector<FormCall> steps{readCall(Field::编辑框4, "http://shop12345.taobao.com"),
                                    readCall(Field::编辑框5, "x.gif"),
                                    writeCall(Field::编辑框3, ""),
                                    readCall(Field::编辑框4, "http://shop12345.taobao.com"),
                                    readCall(Field::编辑框5, "x.gif"),
                                    writeCall(Field::编辑框3, expected)};
  EXPECT_EQ(form.calls(), steps);

  generateFavouriteLink(form);
  EXPECT_EQ(form.text(Field::编辑框3), expected);  // replaced, not appended to
}

TEST_F(FavouriteLink, EmptyAddressOrImageChangesNothing) {
  for (const auto& [address, image] : {std::pair{"", "x.gif"}, std::pair{"http://shop1.taobao.com", ""}}) {
    SCOPED_TRACE(address);
    form.clearCalls();
    run(address, image);
    EXPECT_EQ(form.text(Field::编辑框3), "old code");
    for (const FormCall& call : form.calls()) EXPECT_EQ(call.kind, FormCall::Kind::ReadText) << call;
  }
}

TEST_F(FavouriteLink, AddressWithoutAShopIdIsRefusedWithTheErrorIconAndAnEmptyCodeBox) {
  const char* const addresses[] = {
      "http://mystore.com",
      "https://www.mystore.cn",     // a later domain: the id starts with tp
      "http://shoptp1.taobao.com",  // an id starting with tp after "shop"
      " http://mystore.com",
      "HTTP://MYSTORE.COM",
      "http://SHOP5.taobao.com",
      "www.mystore.com",
      "abcd.ef",
      "abc",  // no "shop" at all
      "http://shop.taobao.com",
      "http://www.myshop.com",
      "http://shop12345",  // nothing after "shop"
  };
  for (const char* address : addresses) {
    SCOPED_TRACE(address);
    form.clearCalls();
    run(address, "x.gif");
    EXPECT_EQ(form.text(Field::编辑框3), "");
    const std::vector<FormCall> steps{readCall(Field::编辑框4, address), readCall(Field::编辑框5, "x.gif"),
                                      writeCall(Field::编辑框3, ""), readCall(Field::编辑框4, address),
                                      messageCall(literals().favouritesRefusal, MessageIconError)};
    EXPECT_EQ(form.calls(), steps);
  }
}

TEST_F(FavouriteLink, AnyIdAfterShopGivesASnippetWithTheTextsAsTyped) {
  struct Case {
    std::string address, image, id;
  } const cases[] = {
      {"shopt.", "x.gif", "t"},
      {" http://shop7.taobao.com", "x.gif", "7"},
      {"http://shop1.shop2.com", "x.gif", "1"},
      {"\xB0shop1.shop2.x", "x.gif", "2"},
      {"http://shop12345.taobao.com", " a b.gif ", "12345"},
      {"http://shop1.com", R"(a"b.gif)", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    form.clearCalls();
    run(c.address, c.image);
    EXPECT_EQ(form.text(Field::编辑框3), expectedLink(c.id, c.image));
    EXPECT_TRUE(form.messages().empty());
  }
}

TEST_F(FavouriteLink, InitialFieldsGiveTheSampleShopNumber) {
  const std::string& address = form.text(Field::编辑框4);
  const std::string image = form.text(Field::编辑框5);
  generateFavouriteLink(form);
  EXPECT_EQ(form.text(Field::编辑框3), expectedLink(address.substr(11, 8), image));
}

}  // namespace
}  // namespace shopcode
