#include "support/MemoryForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/Literals.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

bool allOf(std::string_view text, char low, char high) {
  for (const char c : text) {
    if (c < low || c > high) return false;
  }
  return true;
}

TEST(MemoryForm, StartsWithTheInitialValues) {
  MemoryForm form;
  for (int i = 0; i < FieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    const bool sample = field == Field::编辑框1 || field == Field::编辑框2 || field == Field::编辑框4 ||
                        field == Field::编辑框5;
    EXPECT_EQ(form.text(field).empty(), !sample) << fieldName(field);
  }
  EXPECT_EQ(form.text(Field::编辑框2), gbkFromUtf8("点这里给我发消息"));

  // The account: ten characters, lower-case letters then digits.
  const std::string& account = form.text(Field::编辑框1);
  ASSERT_EQ(account.size(), 10u);
  const std::size_t digits = account.find_first_of("0123456789");
  ASSERT_NE(digits, std::string::npos);
  EXPECT_GT(digits, 0u);
  EXPECT_TRUE(allOf(account.substr(0, digits), 'a', 'z')) << account;
  EXPECT_TRUE(allOf(account.substr(digits), '0', '9')) << account;

  // The initial shop address: "shop", eight digits and the marketplace domain, nothing after.
  const std::string& shop = form.text(Field::编辑框4);
  ASSERT_EQ(shop.size(), std::string("http://shop12345678.taobao.com").size()) << shop;
  EXPECT_TRUE(shop.starts_with("http://shop") && shop.ends_with(".taobao.com")) << shop;
  EXPECT_TRUE(allOf(shop.substr(11, 8), '0', '9')) << shop;

  const std::string& image = form.text(Field::编辑框5);
  EXPECT_TRUE(image.starts_with("http://") && image.ends_with(".gif")) << image;
  EXPECT_NE(image.find('/', 7), std::string::npos) << "a host and a path";

  EXPECT_TRUE(form.checked(Radio::单选框1));
  EXPECT_FALSE(form.checked(Radio::单选框2));
  EXPECT_EQ(form.windowCaption(), "");
  EXPECT_EQ(form.linkCaption(), "");
  EXPECT_EQ(form.linkTarget(), "");
  EXPECT_FALSE(form.isGone());
  EXPECT_TRUE(form.calls().empty());
}

TEST(MemoryForm, BoxesHoldExactlyTheBytesLastWritten) {
  MemoryForm form;
  const std::string code = gbkFromUtf8("第一行 \r\n\t第二行　") + " ";
  form.writeText(Field::编辑框3, code);
  std::string copy = form.readText(Field::编辑框3);
  EXPECT_EQ(copy, code);
  form.writeText(Field::编辑框3, "other");
  EXPECT_EQ(copy, code) << "a read hands out a copy";
  form.type(Field::编辑框3, "typed by the user");
  form.writeText(Field::编辑框3, "");
  EXPECT_EQ(form.readText(Field::编辑框3), "");
  EXPECT_EQ(form.readText(Field::编辑框2), gbkFromUtf8("点这里给我发消息")) << "other boxes untouched";
}

// As in the window: a box shows characters; readText hands them over in code page 936 with a
// reference for each one that code page 936 lacks, readCharacters exactly as shown.
TEST(MemoryForm, BoxesShowCharactersAndHandThemOverWithReferences) {
  MemoryForm form;
  form.typeCharacters(Field::编辑框2, u"咨询 😊©");
  EXPECT_EQ(form.readText(Field::编辑框2), "\xD7\xC9\xD1\xAF &#128522;&#169;");
  EXPECT_EQ(form.readCharacters(Field::编辑框2), u"咨询 😊©");
  form.writeText(Field::编辑框2, "\xD6\xD0 &#169;");  // written text shows as it stands
  EXPECT_EQ(form.readCharacters(Field::编辑框2), u"中 &#169;");
  EXPECT_EQ(form.readCharacters(Field::编辑框4), u"http://shop35871246.taobao.com");
  EXPECT_EQ(
      form.calls().at(3),
      (FormCall{.kind = FormCall::Kind::ReadCharacters, .field = Field::编辑框2, .text = "\xD6\xD0 &#169;"}));
}

TEST(MemoryForm, RadioBoxesActAsOneAutomaticGroup) {
  MemoryForm form;
  form.click(Radio::单选框2);
  EXPECT_FALSE(form.isChecked(Radio::单选框1));
  EXPECT_TRUE(form.isChecked(Radio::单选框2));
  form.click(Radio::单选框2);
  EXPECT_TRUE(form.isChecked(Radio::单选框2));
  form.click(Radio::单选框1);
  EXPECT_TRUE(form.isChecked(Radio::单选框1));
  EXPECT_FALSE(form.isChecked(Radio::单选框2));
  form.setChecked(Radio::单选框1, false);
  EXPECT_FALSE(form.isChecked(Radio::单选框1));
  EXPECT_FALSE(form.isChecked(Radio::单选框2));
}

TEST(MemoryForm, RecordsTheActionsCallsInOrderButNotTheUsersEdits) {
  MemoryForm form;
  form.type(Field::编辑框6, "typed");
  const std::string title = gbkFromUtf8("标题");
  form.setWindowCaption(title);
  form.setLinkCaption("caption");
  form.setLinkTarget("http://example.com/");
  (void)form.readText(Field::编辑框6);
  form.showMessage(literals().favouritesRefusal, MessageIconError);
  form.writeText(Field::编辑框宽度, "750");
  (void)form.isChecked(Radio::单选框2);
  form.showMessage("second", MessageNoIcon);

  EXPECT_EQ(form.windowCaption(), title);
  EXPECT_EQ(form.linkCaption(), "caption");
  EXPECT_EQ(form.linkTarget(), "http://example.com/");
  const std::vector<FormCall> expected{
      {.kind = FormCall::Kind::SetWindowCaption, .text = title},
      {.kind = FormCall::Kind::SetLinkCaption, .text = "caption"},
      {.kind = FormCall::Kind::SetLinkTarget, .text = "http://example.com/"},
      readCall(Field::编辑框6, "typed"),
      messageCall(literals().favouritesRefusal, MessageIconError),
      writeCall(Field::编辑框宽度, "750"),
      isCheckedCall(Radio::单选框2, false),
      messageCall("second", MessageNoIcon),
  };
  EXPECT_EQ(form.calls(), expected);
  EXPECT_EQ(form.messages(), (std::vector{messageCall(literals().favouritesRefusal, MessageIconError),
                                          messageCall("second", 0)}));

  form.close();
  EXPECT_TRUE(form.isGone());
}

TEST(MemoryForm, FieldNamesAreTheControlNames) {
  EXPECT_STREQ(fieldName(Field::编辑框1), "编辑框1");
  EXPECT_STREQ(fieldName(Field::编辑框3), "编辑框3");
  EXPECT_STREQ(fieldName(Field::编辑框15), "编辑框15");
  EXPECT_STREQ(fieldName(Field::编辑框宽度), "编辑框宽度");
  EXPECT_STREQ(fieldName(Field::编辑框高度), "编辑框高度");
}

}  // namespace
}  // namespace shopcode
