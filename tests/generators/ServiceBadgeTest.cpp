#include "generators/ServiceBadgeGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/MemoryForm.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

// The badge as it must come out, for an already encoded account.
std::string expectedBadge(std::string_view encodedAccount, std::string_view prompt) {
  return std::string(R"(<a target="_blank" href="http://www.taobao.com/webww/ww.php?ver=3&touid=)")
      .append(encodedAccount)
      .append(
          R"(&siteid=cntaobao&status=1&charset=utf-8"><img border="0" src="http://amos.alicdn.com/online.aw?v=2&uid=)")
      .append(encodedAccount)
      .append(R"(&site=cntaobao&s=1&charset=utf-8" alt=")")
      .append(prompt)
      .append(R"(" /></a>)");
}

TEST(ServiceBadge, WorkedExampleIsWrittenWholeEveryClick) {
  MemoryForm form;
  form.type(Field::编辑框1, "abc");
  const std::string prompt = gbkFromUtf8("点这里给我发消息");
  ASSERT_EQ(form.text(Field::编辑框2), prompt);
  form.type(Field::编辑框3, "old code");

  generateServiceBadge(form, {});
  const std::string expected =
      R"(<a target="_blank" href="http://www.taobao.com/webww/ww.php?ver=3&touid=%61%62%63&siteid=cntaobao&status=1)"
      R"(&charset=utf-8"><img border="0" src="http://amos.alicdn.com/online.aw?v=2&uid=%61%62%63&site=cntaobao&s=1)"
      R"(&charset=utf-8" alt=")" +
      prompt + R"(" /></a>)";
  EXPECT_EQ(form.text(Field::编辑框3), expected);
  const std::vector<FormCall> steps{readCall(Field::编辑框1, "abc"),  readCall(Field::编辑框2, prompt),
                                    writeCall(Field::编辑框3, ""),    readCall(Field::编辑框1, "abc"),
                                    readCall(Field::编辑框2, prompt), writeCall(Field::编辑框3, expected)};
  EXPECT_EQ(form.calls(), steps);

  generateServiceBadge(form, {});
  EXPECT_EQ(form.text(Field::编辑框3), expected);  // replaced, not appended to
}

TEST(ServiceBadge, EmptyAccountOrPromptChangesNothing) {
  struct Case {
    std::string account, prompt;
    std::vector<FormCall> calls;
  } const cases[] = {
      {"", "prompt", {readCall(Field::编辑框1, "")}},
      {"abc", "", {readCall(Field::编辑框1, "abc"), readCall(Field::编辑框2, "")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("account '" + c.account + "', prompt '" + c.prompt + "'");
    MemoryForm form;
    form.type(Field::编辑框1, c.account);
    form.type(Field::编辑框2, c.prompt);
    form.type(Field::编辑框3, "old code");
    generateServiceBadge(form, [] { FAIL() << "nothing to encode"; });
    EXPECT_EQ(form.text(Field::编辑框3), "old code");
    EXPECT_EQ(form.calls(), c.calls);
  }
}

TEST(ServiceBadge, AccountIsPercentEncodedUtf8WhilePromptStaysAsTyped) {
  struct Case {
    std::string account, prompt, encoded;
  } const cases[] = {
      {gbkFromUtf8("旺"), "hi", "%E6%97%BA"},
      {gbkFromUtf8("小店a1"), gbkFromUtf8("欢迎光临"), "%E5%B0%8F%E5%BA%97%61%31"},
      {"a b\t", "   ", "%61%20%62%09"},     // blanks are filled
      {"Z9", R"(say "hi")", "%5A%39"},      // the quote is not escaped
      {"x", gbkFromUtf8("　全角"), "%78"},  // nor is anything trimmed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoded);
    MemoryForm form;
    form.type(Field::编辑框1, c.account);
    form.type(Field::编辑框2, c.prompt);
    generateServiceBadge(form, {});
    EXPECT_EQ(form.text(Field::编辑框3), expectedBadge(c.encoded, c.prompt));
  }
}

TEST(ServiceBadge, PromptIsReadAfterTheEncodingThatPumpsOncePerUtf8Byte) {
  MemoryForm form;
  form.type(Field::编辑框1, gbkFromUtf8("旺旺"));  // six UTF-8 bytes
  form.type(Field::编辑框2, "before");
  int pumped = 0;
  generateServiceBadge(form, [&] {
    ++pumped;
    EXPECT_EQ(form.text(Field::编辑框3), "") << "emptied before the encoding";
    if (pumped == 2) form.type(Field::编辑框2, "typed meanwhile");
  });
  EXPECT_EQ(pumped, 6);
  EXPECT_EQ(form.text(Field::编辑框3), expectedBadge("%E6%97%BA%E6%97%BA", "typed meanwhile"));
  EXPECT_EQ(form.calls().at(4), readCall(Field::编辑框2, "typed meanwhile"));
}

TEST(ServiceBadge, ActionRunInsideTheEncodingIsOverwrittenAfterwards) {
  MemoryForm form;
  form.type(Field::编辑框1, "ab");
  bool nested = false;
  generateServiceBadge(form, [&] {
    if (!nested) form.writeText(Field::编辑框3, "written by another action");
    nested = true;
  });
  EXPECT_EQ(form.text(Field::编辑框3), expectedBadge("%61%62", form.text(Field::编辑框2)));
}

TEST(ServiceBadge, WindowClosedDuringTheEncodingEndsTheActionUntouched) {
  MemoryForm form;
  form.type(Field::编辑框1, "abc");
  const std::string prompt = form.text(Field::编辑框2);
  generateServiceBadge(form, [&] { form.close(); });
  const std::vector<FormCall> steps{readCall(Field::编辑框1, "abc"), readCall(Field::编辑框2, prompt),
                                    writeCall(Field::编辑框3, ""), readCall(Field::编辑框1, "abc")};
  EXPECT_EQ(form.calls(), steps);  // nothing read or written once the window is gone
}

TEST(ServiceBadge, InitialFieldsGiveABadgeForTheSampleAccount) {
  MemoryForm form;
  generateServiceBadge(form, {});
  EXPECT_EQ(form.text(Field::编辑框3),
            expectedBadge("%6D%79%73%68%6F%70%31%32%33%34", gbkFromUtf8("点这里给我发消息")));
}

}  // namespace
}  // namespace shopcode
