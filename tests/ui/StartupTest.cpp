// Start-up texts and shutdown: the stored texts give the plain ones under the empty key
// (the target after exactly two passes), in the order start-up writes them; closing deletes
// the desktop preview file.
#include <gtest/gtest.h>

#include <random>

#include "support/FakePlatform.h"
#include "support/MemoryForm.h"
#include "text/CodePageConverter.h"
#include "text/TextDescrambler.h"
#include "ui/Startup.h"
#include "ui/StoredTexts.h"

namespace shopcode {
namespace {

std::string gbk(const char* utf8) {
  return gbkFromUtf8(utf8);
}

// Descrambles with the empty key, failing the test if a message box would be shown.
std::string plain(std::string_view stored) {
  return descramble(stored, "", [](std::string_view, unsigned) { ADD_FAILURE() << "key check failed"; });
}

std::string scramble(std::string_view text) {
  std::string out(scrambledLength(text.size()), '\0');
  scrambleInto(text.data(), text.size(), out.data());
  return out;
}

TEST(StoredTextsTest, ScrambleIsUndoneByDescrambleForEveryLength) {
  std::mt19937 random(936);
  std::uniform_int_distribution<int> byte(1, 255);
  for (size_t length = 0; length <= 64; ++length) {
    std::string text;
    while (text.size() < length) {
      char c = static_cast<char>(byte(random));
      if (c != '*' && c != ' ') text += c;  // no marker, and no blanks that a marker would trim
    }
    SCOPED_TRACE(length);
    std::string stored = scramble(text);
    EXPECT_EQ(stored.size(), scrambledLength(length));
    EXPECT_EQ(stored.find('\0'), std::string::npos);
    EXPECT_EQ(plain(stored), text);
  }
}

TEST(StoredTextsTest, StoredTextsGiveTheCaptionTheLinkCaptionAndAfterTwoPassesTheTarget) {
  const StoredTexts& stored = storedTexts();
  EXPECT_EQ(plain(stored.caption), gbk("淘宝店铺装修代码助手 ShopCode " SHOPCODE_VERSION));
  EXPECT_EQ(plain(stored.linkCaption), gbk("进入卖家中心"));
  EXPECT_EQ(plain(plain(stored.linkTarget)), "https://myseller.taobao.com/");
  EXPECT_NE(plain(stored.linkTarget), "https://myseller.taobao.com/") << "one pass is not enough";
  // Scrambled means not readable as it stands.
  EXPECT_EQ(stored.linkTarget.find("taobao"), std::string::npos);
  EXPECT_EQ(stored.caption.find("ShopCode"), std::string::npos);
}

TEST(StartupTest, PrepareWindowWritesTheCaptionThenTheLinkCaptionThenTheTarget) {
  MemoryForm form;
  prepareWindow(form);
  EXPECT_EQ(form.windowCaption(), gbk("淘宝店铺装修代码助手 ShopCode " SHOPCODE_VERSION));
  EXPECT_EQ(form.linkCaption(), gbk("进入卖家中心"));
  EXPECT_EQ(form.linkTarget(), "https://myseller.taobao.com/");
  ASSERT_EQ(form.calls().size(), 3u);
  EXPECT_EQ(form.calls()[0].kind, FormCall::Kind::SetWindowCaption);
  EXPECT_EQ(form.calls()[1].kind, FormCall::Kind::SetLinkCaption);
  EXPECT_EQ(form.calls()[2].kind, FormCall::Kind::SetLinkTarget);
  EXPECT_TRUE(form.messages().empty());
}

struct RemoveCase {
  const char* name;
  std::string desktop;
  bool previewExists;
  bool locked;
};

class RemovePreviewFileTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemovePreviewFileTest, DeletesThePreviewPathAndIgnoresTheOutcome) {
  FakePlatform platform;
  platform.desktop = GetParam().desktop;
  const std::string path = GetParam().desktop + gbk("\\测试代码.html");
  const std::string other = GetParam().desktop + "keep.txt";
  platform.files[other] = "x";
  if (GetParam().previewExists) platform.files[path] = "<p>preview</p>";
  if (GetParam().locked) platform.locked.insert(path);
  removePreviewFile(platform);
  EXPECT_EQ(platform.argumentsOf("deleteFile"), std::vector<std::string>{path});
  EXPECT_EQ(platform.files.contains(path), GetParam().previewExists && GetParam().locked);
  EXPECT_TRUE(platform.files.contains(other));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemovePreviewFileTest,
    ::testing::Values(RemoveCase{"AfterAPreview", "C:\\Users\\owner\\Desktop\\", true, false},
                      RemoveCase{"WithoutAPreview", "C:\\Users\\owner\\Desktop\\", false, false},
                      RemoveCase{"HeldOpenByAnotherProgram", "C:\\Users\\owner\\Desktop\\", true, true},
                      RemoveCase{"UnknownDesktopMeansTheDriveRoot", "", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace shopcode
