#include "form/Literals.h"

#include <gtest/gtest.h>

#include <string>

namespace shopcode {
namespace {

int occurrences(std::string_view text, std::string_view part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

TEST(Literals, MessagesCaptionsAndFileNamesAreCodePage936Bytes) {
  const Literals& l = literals();
  struct Case {
    const char* name;
    const std::string& text;
    const char* bytes;
  } const cases[] = {
      {"title", l.messageTitle, "\xD0\xC5\xCF\xA2\xA3\xBA"},
      {"refusal", l.favouritesRefusal,
       "\xC7\xEB\xCA\xE4\xC8\xEB\xCC\xD4\xB1\xA6\xB3\xF5\xCA\xBC\xB5\xEA\xC6\xCC\xC3\xFB\xB3\xC6\xA3\xAC\xB7"
       "\xC7"
       "\xD0\xDE\xB8\xC4\xBA\xF3\xB5\xC4\xD3\xF2\xC3\xFB"},
      {"prompt", l.initial编辑框2, "\xB5\xE3\xD5\xE2\xC0\xEF\xB8\xF8\xCE\xD2\xB7\xA2\xCF\xFB\xCF\xA2"},
      {"preview", l.previewFileSuffix, "\\\xB2\xE2\xCA\xD4\xB4\xFA\xC2\xEB.html"},
      {"images", l.imageListFileSuffix, "\\\xCD\xBC\xC6\xAC\xB2\xE2\xCA\xD4\xB5\xD8\xD6\xB7.txt"},
      {"links", l.linkListFileSuffix, "\\\xC1\xB4\xBD\xD3\xB2\xE2\xCA\xD4\xB5\xD8\xD6\xB7.txt"},
      {"image 1", l.imagePlaceholders[0],
       "\xCD\xBC\xC6\xAC"
       "1"},
      {"link 5", l.linkPlaceholders[4],
       "\xC1\xB4\xBD\xD3"
       "5"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.bytes) << c.name;
  EXPECT_EQ(l.previewFileSuffix.size(), 1u + 13u);
}

TEST(Literals, CarouselTemplateHasEightCrLfLinesAndEveryPlaceholder) {
  const std::string& t = literals().carouselTemplate;
  EXPECT_EQ(t.size(), 927u);
  EXPECT_EQ(occurrences(t, "\r\n"), 7);
  EXPECT_EQ(occurrences(t, "\n"), 7) << "no bare LF";
  EXPECT_EQ(occurrences(t, "\r"), 7) << "no bare CR";
  EXPECT_TRUE(t.starts_with(R"(<DIV style="WIDTH: 752px; HEIGHT: 250px" class="slider-promo)"));
  EXPECT_TRUE(t.ends_with("\r\n</ul></DIV>"));
  EXPECT_EQ(occurrences(t, "752"), 11);
  EXPECT_EQ(occurrences(t, "250"), 11);
  EXPECT_EQ(occurrences(t, "'effect':'fade'"), 1);
  EXPECT_EQ(occurrences(t, R"(data-type="fade">)"), 1);
  EXPECT_EQ(occurrences(t, "fade"), 2);
  // Slide k is line k + 2 and holds its two placeholders once; nothing else is not ASCII.
  std::size_t lineStart = t.find("\r\n", t.find("\r\n") + 2) + 2;
  for (std::size_t k = 0; k < 5; ++k) {
    const std::string line = t.substr(lineStart, t.find("\r\n", lineStart) - lineStart);
    SCOPED_TRACE(line);
    EXPECT_EQ(occurrences(t, literals().linkPlaceholders[k]), 1);
    EXPECT_EQ(occurrences(t, literals().imagePlaceholders[k]), 1);
    EXPECT_EQ(occurrences(line, "href=\"" + literals().linkPlaceholders[k] + '"'), 1);
    EXPECT_EQ(occurrences(line, "src=\"" + literals().imagePlaceholders[k] + '"'), 1);
    lineStart += line.size() + 2;
  }
  int highBytes = 0;
  for (const char c : t) highBytes += static_cast<unsigned char>(c) >= 0x80;
  EXPECT_EQ(highBytes, 10 * 4);
}

TEST(Literals, MarqueeSampleIsTwoLinesOf177Bytes) {
  const std::string& m = literals().marqueeSample;
  EXPECT_EQ(m.size(), 177u);
  EXPECT_TRUE(m.starts_with(R"(<marquee scrollamount="3" behavior="alternate">)"
                            "\xD5\xE2\xC0\xEF"));      // 这里
  EXPECT_TRUE(m.ends_with("\xA1\xA3\r\n</marquee>"));  // 。 CR LF
  EXPECT_EQ(occurrences(m, "\n"), 1);
}

}  // namespace
}  // namespace shopcode
