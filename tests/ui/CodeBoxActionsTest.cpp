#include "ui/CodeBoxActions.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FakePlatform.h"
#include "support/MemoryForm.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

// "\测试代码.html" in code page 936, spelled out to check the converted literal.
const std::string PreviewSuffix = "\\\xB2\xE2\xCA\xD4\xB4\xFA\xC2\xEB.html";

class CodeBoxActionsTest : public ::testing::Test {
 protected:
  std::string previewPath() const { return platform.desktop + PreviewSuffix; }

  MemoryForm form;
  FakePlatform platform;
};

TEST_F(CodeBoxActionsTest, PreviewPathJoinsTheDesktopFolderAndTheFileNameWithTheirTwoSeparators) {
  EXPECT_EQ(previewFilePath(platform), "C:\\Users\\owner\\Desktop\\\\\xB2\xE2\xCA\xD4\xB4\xFA\xC2\xEB.html");
  platform.desktop = "";  // folder unknown: the bare suffix
  EXPECT_EQ(previewFilePath(platform), PreviewSuffix);
}

TEST_F(CodeBoxActionsTest, CopyPutsTheCodeBoxBytesUnchangedOnTheClipboard) {
  const std::string code = gbkFromUtf8("<p>中文 \t代码</p>\r\n€");
  form.type(Field::编辑框3, code);
  copyCode(form, platform);
  EXPECT_EQ(platform.clipboard, code);
  EXPECT_EQ(platform.clipboardUnicode, u"<p>中文 \t代码</p>\r\n€");
  EXPECT_EQ(platform.argumentsOf("putOnClipboard"), std::vector<std::string>{code});
}

// An emoji pasted straight into the code box: Unicode readers get the box's own characters,
// code page 936 readers the same HTML with references, which a browser shows alike.
TEST_F(CodeBoxActionsTest, CopyGivesTheBoxsOwnCharactersAndTheirCodePage936FormWithReferences) {
  const std::u16string shown = u"<p alt=\"😊\">中 © À é</p>\r\n";
  form.typeCharacters(Field::编辑框3, shown);
  copyCode(form, platform);
  EXPECT_EQ(platform.clipboardUnicode, shown);
  EXPECT_EQ(platform.clipboard, "<p alt=\"&#128522;\">\xD6\xD0 &#169; &#192; \xA8\xA6</p>\r\n");
  EXPECT_EQ(form.calls().size(), 1u);  // one read of the box: both forms are of the same text
}

TEST_F(CodeBoxActionsTest, PreviewFileHoldsTheCodePage936FormWithReferences) {
  form.typeCharacters(Field::编辑框3, u"<b>😊©</b>");
  previewCode(form, platform);
  EXPECT_EQ(platform.files[previewPath()], "<b>&#128522;&#169;</b>");
}

TEST_F(CodeBoxActionsTest, CopyOfAnEmptyBoxLeavesAnEmptyTextOnTheClipboard) {
  copyCode(form, platform);
  EXPECT_EQ(platform.clipboard, "");
  EXPECT_EQ(platform.clipboardUnicode, u"");
  EXPECT_EQ(platform.argumentsOf("putOnClipboard").size(), 1u);
}

TEST_F(CodeBoxActionsTest, FailuresOfThePlatformAreSilent) {
  form.type(Field::编辑框3, "code");
  platform.clipboardAvailable = false;
  platform.locked.insert(previewPath());
  platform.files[previewPath()] = "older preview";
  copyCode(form, platform);
  previewCode(form, platform);
  EXPECT_TRUE(form.messages().empty());
  EXPECT_EQ(platform.clipboard, "earlier content");
  EXPECT_EQ(platform.files[previewPath()], "older preview");
  // The shell still opens the same path: the older preview is what the user sees.
  EXPECT_EQ(platform.argumentsOf("openWithShell"), std::vector<std::string>{previewPath()});
}

TEST_F(CodeBoxActionsTest, PreviewOfAnEmptyBoxDoesNothing) {
  previewCode(form, platform);
  EXPECT_TRUE(platform.argumentsOf("writeFile").empty());
  EXPECT_TRUE(platform.argumentsOf("openWithShell").empty());
  EXPECT_TRUE(platform.files.empty());
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(CodeBoxActionsTest, PreviewWritesExactlyTheBoxBytesThenOpensTheFile) {
  const std::vector<std::string> codes = {"   ", gbkFromUtf8("<b>粗体</b>\r\n\r\n"), "\x80\xFF"};
  for (const std::string& code : codes) {
    SCOPED_TRACE(code);
    platform.calls.clear();
    form.type(Field::编辑框3, code);
    previewCode(form, platform);
    EXPECT_EQ(platform.files[previewPath()], code);  // no mark, no added line break, no zero byte
    ASSERT_EQ(platform.argumentsOf("writeFile"), std::vector<std::string>{previewPath()});
    ASSERT_EQ(platform.argumentsOf("openWithShell"), std::vector<std::string>{previewPath()});
    EXPECT_EQ(platform.calls.back().operation, "openWithShell");  // after the write
  }
}

TEST_F(CodeBoxActionsTest, ASecondPreviewReplacesTheFirstWhole) {
  form.type(Field::编辑框3, "a much longer first snippet");
  previewCode(form, platform);
  form.type(Field::编辑框3, "short");
  previewCode(form, platform);
  EXPECT_EQ(platform.files[previewPath()], "short");
  EXPECT_EQ(platform.files.size(), 1u);
}

TEST_F(CodeBoxActionsTest, MarqueeSampleReplacesTheBoxAndIsPreviewedAsIs) {
  const std::string sample = gbkFromUtf8(
      "<marquee scrollamount=\"3\" "
      "behavior=\"alternate\">这里是滚动代码哦，测试一下吧！滚动内容中您可以放文字、"
      "单张或者多张图片代码、表格代码、模板代码等等一切您希望滚的代码。\r\n</marquee>");
  ASSERT_EQ(sample.size(), 177u);
  form.type(Field::编辑框3, "whatever was there");
  form.type(Field::编辑框7, "untouched");
  putMarqueeSample(form);
  EXPECT_EQ(form.text(Field::编辑框3), sample);
  EXPECT_EQ(form.text(Field::编辑框7), "untouched");
  EXPECT_TRUE(platform.calls.empty());
  previewCode(form, platform);
  EXPECT_EQ(platform.files[previewPath()], sample);
}

}  // namespace
}  // namespace shopcode
