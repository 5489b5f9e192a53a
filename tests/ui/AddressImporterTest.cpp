#include "ui/AddressImporter.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "support/FakePlatform.h"
#include "support/MemoryForm.h"
#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

using Fields = std::array<Field, 5>;
constexpr Fields ImageFields{Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13,
                             Field::编辑框15};
constexpr Fields LinkFields{Field::编辑框6, Field::编辑框8, Field::编辑框10, Field::编辑框12,
                            Field::编辑框14};

// The file names in code page 936, spelled out to check the converted literals.
const std::string ImageFileName = "\xCD\xBC\xC6\xAC\xB2\xE2\xCA\xD4\xB5\xD8\xD6\xB7.txt";  // 图片测试地址.txt
const std::string LinkFileName = "\xC1\xB4\xBD\xD3\xB2\xE2\xCA\xD4\xB5\xD8\xD6\xB7.txt";  // 链接测试地址.txt

std::string utf16le(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

template <typename Char>
std::basic_string<Char> repeated(std::basic_string_view<Char> piece, int times) {
  std::basic_string<Char> out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}
std::string repeated(const std::string& piece, int times) {
  return repeated<char>(piece, times);
}
std::u16string repeated(const std::u16string& piece, int times) {
  return repeated<char16_t>(piece, times);
}

class AddressImporterTest : public ::testing::Test {
 protected:
  AddressImporterTest() { resetFields(); }

  void resetFields() {
    form = MemoryForm();
    for (int k = 0; k < 5; ++k) {
      form.type(ImageFields[k], "image " + std::to_string(k + 1));
      form.type(LinkFields[k], "link " + std::to_string(k + 1));
    }
  }

  std::string imagePath() const { return platform.desktop + "\\" + ImageFileName; }
  std::string linkPath() const { return platform.desktop + "\\" + LinkFileName; }

  std::vector<std::string> texts(const Fields& fields) const {
    std::vector<std::string> out;
    for (const Field field : fields) out.push_back(form.text(field));
    return out;
  }

  // Imports `file` as the image list; the fields of lines that are not there keep their text.
  void importImages(const std::string& file) {
    platform.files[imagePath()] = file;
    importImageList(form, platform);
  }

  MemoryForm form;
  FakePlatform platform;
};

struct ListCase {
  const char* name;
  std::string file;
  std::vector<std::string> expected;  // the five image fields afterwards
  int linesFound;                     // for the message when fewer than five
};

TEST_F(AddressImporterTest, FillsTheFieldsOfTheLinesPresentInOrder) {
  const std::string addr = gbkFromUtf8("http://图片.example/1.jpg");
  const std::vector<ListCase> cases = {
      {"five lines ending in CR LF", "a\r\nb\r\nc\r\nd\r\ne\r\n", {"a", "b", "c", "d", "e"}, 5},
      {"seven lines", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng", {"a", "b", "c", "d", "e"}, 7},
      {"empty middle line", "a\r\n\r\nc\r\nd\r\ne", {"a", "", "c", "d", "e"}, 5},
      {"leading CR LF", "\r\nb\r\nc\r\nd\r\ne\r\nf", {"", "b", "c", "d", "e"}, 6},
      {"blanks kept", "  a \r\n\tb\r\nc \r\nd\r\n e", {"  a ", "\tb", "c ", "d", " e"}, 5},
      {"zero byte after line 5",
       std::string("a\r\nb\r\nc\r\nd\r\ne\r\nf\0g", 15),
       {"a", "b", "c", "d", "e"},
       6},
      {"Chinese addresses",
       addr + "\r\n" + addr + "\r\n" + addr + "\r\n" + addr + "\r\n" + addr,
       {addr, addr, addr, addr, addr},
       5},
      {"CR LF only", "\r\n", {"", "image 2", "image 3", "image 4", "image 5"}, 1},
      {"LF line ends are one line",
       "a\nb\nc\nd\ne\n",
       {"a\nb\nc\nd\ne\n", "image 2", "image 3", "image 4", "image 5"},
       1},
      {"lone CR stays inside", "a\rb\r\nc", {"a\rb", "c", "image 3", "image 4", "image 5"}, 2},
      {"zero byte on line 3",
       std::string("a\r\nb\r\nc\0d\r\ne\r\nf\r\n", 17),
       {"a", "b", "c", "image 4", "image 5"},
       3},
      // A byte of 0x80 or above takes the CR after it: no line break there.
      {"lead byte before CR LF", "\x80\r\nb\r\nc", {"\x80\r\nb", "c", "image 3", "image 4", "image 5"}, 2},
      {"empty file", "", {"image 1", "image 2", "image 3", "image 4", "image 5"}, 0},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    resetFields();
    importImages(c.file);
    EXPECT_EQ(texts(ImageFields), c.expected);
    EXPECT_EQ(texts(LinkFields),
              (std::vector<std::string>{"link 1", "link 2", "link 3", "link 4", "link 5"}));
    const std::vector<FormCall> messages = form.messages();
    if (c.linesFound >= 5) {
      EXPECT_TRUE(messages.empty());
    } else {
      const std::string expected = gbkFromUtf8("文件“") + ImageFileName + gbkFromUtf8("”只有 ") +
                                   std::to_string(c.linesFound) + gbkFromUtf8(" 行地址，需要 5 行。");
      EXPECT_EQ(messages, std::vector<FormCall>{messageCall(expected, MessageNoIcon)});
    }
  }
}

TEST_F(AddressImporterTest, LinkListFillsOnlyTheLinkColumnFromItsOwnFile) {
  platform.files[imagePath()] = "i1\r\ni2\r\ni3\r\ni4\r\ni5";
  platform.files[linkPath()] = "l1\r\nl2\r\nl3\r\nl4\r\nl5\r\n";
  importLinkList(form, platform);
  EXPECT_EQ(texts(LinkFields), (std::vector<std::string>{"l1", "l2", "l3", "l4", "l5"}));
  EXPECT_EQ(texts(ImageFields),
            (std::vector<std::string>{"image 1", "image 2", "image 3", "image 4", "image 5"}));
  EXPECT_EQ(platform.argumentsOf("readFile"), std::vector<std::string>{linkPath()});
  EXPECT_EQ(form.text(Field::编辑框3), "");
}

TEST_F(AddressImporterTest, TellsTheUserAboutAMissingOrShortFile) {
  importImageList(form, platform);
  platform.files[linkPath()] = "l1\r\nl2\r\nl3";
  importLinkList(form, platform);
  EXPECT_EQ(form.messages(),
            (std::vector<FormCall>{
                messageCall(gbkFromUtf8("桌面上没有找到文件“图片测试地址.txt”。"), MessageNoIcon),
                messageCall(gbkFromUtf8("文件“链接测试地址.txt”只有 3 行地址，需要 5 行。"), MessageNoIcon),
            }));
  EXPECT_EQ(texts(ImageFields),
            (std::vector<std::string>{"image 1", "image 2", "image 3", "image 4", "image 5"}));
  EXPECT_EQ(texts(LinkFields), (std::vector<std::string>{"l1", "l2", "l3", "link 4", "link 5"}));
}

TEST_F(AddressImporterTest, FilesWithAByteOrderMarkAreConvertedToCodePage936) {
  const std::string expectedGbk = gbkFromUtf8("http://例子.cn/图1.jpg");
  const std::u16string wide = u"http://例子.cn/图1.jpg";
  const std::string utf8 =
      "http://\xE4\xBE\x8B\xE5\xAD\x90.cn/\xE5\x9B\xBE"
      "1.jpg";
  const std::vector<std::pair<const char*, std::string>> files = {
      {"UTF-8 with mark", "\xEF\xBB\xBF" + repeated(utf8 + "\r\n", 5)},
      {"UTF-16LE with mark", "\xFF\xFE" + utf16le(repeated(std::u16string(wide) + u"\r\n", 5))},
      {"code page 936", repeated(expectedGbk + "\r\n", 5)},
  };
  for (const auto& [name, file] : files) {
    SCOPED_TRACE(name);
    importImages(file);
    EXPECT_EQ(texts(ImageFields), std::vector<std::string>(5, expectedGbk));
  }
  // Without the whole mark the bytes are code page 936 as they stand.
  importImages(
      "\xEF\xBB"
      "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(form.text(Field::编辑框7),
            "\xEF\xBB"
            "a");
}

// Without a mark, Notepad's own default since Windows 10: UTF-8 is told from code page 936 by
// the bytes of the lines the import uses.
TEST_F(AddressImporterTest, FilesWithoutAMarkAreReadAsUtf8WhenTheirBytesSaySo) {
  const auto five = [](const std::string& line) { return repeated(line + "\r\n", 5); };
  struct Case {
    const char* name;
    std::string file;
    std::string line1;  // the first field afterwards, code page 936 with references
  } const cases[] = {
      {"UTF-8 Chinese", five("http://shop.cn/\xE6\x96\xB0\xE5\x93\x81"), "http://shop.cn/\xD0\xC2\xC6\xB7"},
      {"UTF-8 with an emoji and a (c) sign", five("a\xF0\x9F\x98\x8A\xC2\xA9"), "a&#128522;&#169;"},
      {"UTF-8 Latin letters and signs only",
       five("caf\xC3\xA9_750\xC3\x97"
            "250"),
       "caf\xA8\xA6_750\xA1\xC1"
       "250"},
      {"plain ASCII", five("http://a.example/1.jpg"), "http://a.example/1.jpg"},
      {"code page 936 that is no UTF-8", five("\xB5\xD8\xD6\xB7"), "\xB5\xD8\xD6\xB7"},  // 地址
      // Short Chinese lines in code page 936 are often well-formed UTF-8 too, but their UTF-8
      // reading is a jumble of two-byte letters from different scripts: still code page 936.
      {"code page 936 that reads as Greek and Latin", five("\xCD\xBC\xC6\xAC"), "\xCD\xBC\xC6\xAC"},  // 图片
      {"code page 936 that reads as Cyrillic", five("\xD0\xA1\xD0\xB4"), "\xD0\xA1\xD0\xB4"},  // 小写
      {"code page 936 that reads as Latin and Hebrew", five("\xC5\xAE\xD7\xB0"), "\xC5\xAE\xD7\xB0"},  // 女装
      // The rule's price: 目录 (C4 BF C2 BC) reads as the Latin "Ŀ¼", so it is taken for UTF-8.
      {"code page 936 that reads as Latin only", five("\xC4\xBF\xC2\xBC"), "&#319;&#188;"},
      {"UTF-8 decided by the first five lines: a broken byte after them does not count",
       five("\xE6\x96\xB0") + "\xB5\r\n", "\xD0\xC2"},
      {"UTF-8 decided up to the first zero byte", "\xE6\x96\xB0\r\n" + std::string(1, '\0') + "\xB5",
       "\xD0\xC2"},
      {"UTF-16 with an emoji", "\xFF\xFE" + utf16le(repeated(std::u16string(u"😊\r\n"), 5)), "&#128522;"},
      {"UTF-8 with mark and an emoji", "\xEF\xBB\xBF" + five("\xF0\x9F\x98\x8A\xC2\xAE"), "&#128522;&#174;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const size_t chunk : {size_t{1}, size_t{7}, size_t{4096}}) {
      platform.readChunkBytes = chunk;
      importImages(c.file);
      EXPECT_EQ(form.text(Field::编辑框7), c.line1);
    }
  }
}

TEST_F(AddressImporterTest, AFileThatCannotBeReadIsSaidSoAndFillsNothing) {
  const std::string message = gbkFromUtf8("桌面上的文件“图片测试地址.txt”无法读取，可能正被其他程序占用。");
  platform.locked.insert(imagePath());  // held open without sharing
  importImages("a\r\nb\r\nc\r\nd\r\ne\r\n");
  // Failing midway: what was read may end anywhere, so none of it is used.
  platform.locked.clear();
  platform.failingReads.insert(imagePath());
  platform.readChunkBytes = 4;
  importImages("a\r\nb\r\nc\r\nd\r\ne\r\n");
  EXPECT_EQ(form.messages(), (std::vector<FormCall>{messageCall(message, MessageNoIcon),
                                                    messageCall(message, MessageNoIcon)}));
  EXPECT_EQ(texts(ImageFields),
            (std::vector<std::string>{"image 1", "image 2", "image 3", "image 4", "image 5"}));
}

// What the import must give: the whole file converted, cut at its first zero byte, split.
// (The files without a mark here are plain code page 936.)
std::vector<std::string> wholeFileLines(const std::string& file) {
  std::string text = file;
  if (file.starts_with("\xEF\xBB\xBF")) {
    text = gbkWithReferences(decodeCodePage(CodePageUtf8, file.substr(3)));
  } else if (file.starts_with("\xFF\xFE")) {
    std::u16string units;
    for (size_t i = 2; i + 1 < file.size(); i += 2)
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(file[i]) |
                                            static_cast<unsigned char>(file[i + 1]) << 8));
    text = gbkWithReferences(units);
  }
  return splitText(textFromBytes(text), "\r\n");
}

TEST_F(AddressImporterTest, ReadingInChunksGivesWhatReadingTheWholeFileGives) {
  const std::string filler(700, 'x');
  const std::string chinese = gbkFromUtf8("图片地址");
  const std::u16string fillerUnits(600, u'y');
  const std::vector<std::pair<const char*, std::string>> files = {
      // Raw LF bytes that are no line breaks: each CR hides behind a byte of 0x80 or above.
      {"936, hidden breaks", repeated(filler + "\x80\r\n", 12) + "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n"},
      {"936, break after a hidden one", repeated("\x81\r\n\r\n" + filler, 8)},
      {"936, four lines and a long fifth", repeated(chinese + "\r\n", 4) + repeated(filler + "\n", 40)},
      {"936, zero byte on line 2", "a\r\nb" + std::string(1, '\0') + repeated(filler + "\r\n", 30)},
      {"UTF-8, long lines", "\xEF\xBB\xBF" + repeated(repeated("\xE5\x9B\xBE", 400) + "\r\n", 7)},
      {"UTF-8, broken sequences before LF", "\xEF\xBB\xBF" + repeated(filler + "\xE5\x9B\n\xE5\r\n", 9)},
      // Units 0x0A4E and 0x0D0A hold a byte 0x0A that is no line feed.
      {"UTF-16, look-alike bytes",
       "\xFF\xFE" + utf16le(repeated(fillerUnits + u"\u0A4E\u0D0A\r\n", 8)) + "z"},
      {"UTF-16, zero unit after line 5",
       "\xFF\xFE" + utf16le(repeated(fillerUnits + u"\r\n", 5) + std::u16string(1, u'\0')) +
           utf16le(repeated(fillerUnits + u"\r\n", 5))},
      {"UTF-16, lone surrogates", "\xFF\xFE" + utf16le(repeated(fillerUnits + u"\xD800\n\xDC00\r\n", 6))},
  };
  for (const auto& [name, file] : files) {
    const std::vector<std::string> whole = wholeFileLines(file);
    for (const size_t chunk : {size_t{1}, size_t{3}, size_t{1000}, size_t{4096}, file.size()}) {
      SCOPED_TRACE(std::string(name) + ", chunks of " + std::to_string(chunk));
      resetFields();
      platform.readChunkBytes = chunk;
      importImages(file);
      std::vector<std::string> expected = {"image 1", "image 2", "image 3", "image 4", "image 5"};
      for (size_t k = 0; k < whole.size() && k < 5; ++k) expected[k] = whole[k];
      EXPECT_EQ(texts(ImageFields), expected);
      EXPECT_EQ(form.messages().size(), whole.size() < 5 ? 1u : 0u);
    }
  }
}

TEST_F(AddressImporterTest, AHugeListIsNotReadWhole) {
  const std::string lines = "a\r\nb\r\nc\r\nd\r\ne\r\n";
  const std::string huge = lines + std::string(8 << 20, 'x');
  platform.readChunkBytes = 64 * 1024;
  importImages(huge);
  EXPECT_EQ(texts(ImageFields), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(platform.bytesDelivered, 64u * 1024);  // the first chunk decides

  platform.bytesDelivered = 0;
  platform.readChunkBytes = 100;
  importImages(huge);
  EXPECT_EQ(texts(ImageFields), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  EXPECT_LE(platform.bytesDelivered, 4096u);
}

}  // namespace
}  // namespace shopcode
