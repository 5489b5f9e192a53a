#include "generators/CarouselGenerator.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "support/MemoryForm.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

constexpr std::array<Field, 5> ImageFields{Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13,
                                           Field::编辑框15};
constexpr std::array<Field, 5> LinkFields{Field::编辑框6, Field::编辑框8, Field::编辑框10, Field::编辑框12,
                                          Field::编辑框14};

int occurrences(std::string_view text, std::string_view part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t begin = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", begin)) {
    result.push_back(text.substr(begin, end - begin));
    begin = end + 2;
  }
  result.push_back(text.substr(begin));
  return result;
}

std::string slideLine(std::string_view size, std::string_view width, std::string_view height,
                      std::string_view link, std::string_view image) {
  return std::string(R"(<li><A style=")")
      .append(size)
      .append(R"(" href=")")
      .append(link)
      .append(R"(" target=_blank><img src=")")
      .append(image)
      .append(R"(" alt="" width=")")
      .append(width)
      .append(R"(" height=")")
      .append(height)
      .append(R"("></A></li>)");
}

class Carousel : public ::testing::Test {
 protected:
  void SetUp() override { form.type(Field::编辑框3, "old code"); }
  const std::string& run(std::string_view width, std::string_view height) {
    form.type(Field::编辑框宽度, width);
    form.type(Field::编辑框高度, height);
    generateCarousel(form);
    return form.text(Field::编辑框3);
  }
  MemoryForm form;
};

TEST_F(Carousel, EmptyHeightOrWidthChangesNothing) {
  for (const auto& slide : ImageFields) form.type(slide, "i.jpg");
  for (const auto& [width, height, reads] : {std::tuple{"750", "", 1u}, std::tuple{"", "300", 2u}}) {
    SCOPED_TRACE(std::string(width) + "x" + height);
    form.clearCalls();
    EXPECT_EQ(run(width, height), "old code");
    EXPECT_EQ(form.calls().size(), reads);
  }
}

TEST_F(Carousel, SizeWithEmptySlidesFillsTheWholeTemplateInOrder) {
  const std::string expected =
      R"(<DIV style="WIDTH: 750px; HEIGHT: 300px" class="slider-promo J_Slider J_TWidget" data-widget-config=)"
      R"("{'effect':'fade','contentCls': 'lst-main', 'navCls': 'lst-trigger', 'activeTriggerCls': 'current'}")"
      R"( data-widget-type="Slide" data-type="fade">)"
      "\r\n<ul class=lst-main>\r\n"
      R"(<li><A style="WIDTH: 750px; HEIGHT: 300px" href="" target=_blank><img src="" alt="" width="750" height="300"></A></li>)"
      "\r\n"
      R"(<li><A style="WIDTH: 750px; HEIGHT: 300px" href="" target=_blank><img src="" alt="" width="750" height="300"></A></li>)"
      "\r\n"
      R"(<li><A style="WIDTH: 750px; HEIGHT: 300px" href="" target=_blank><img src="" alt="" width="750" height="300"></A></li>)"
      "\r\n"
      R"(<li><A style="WIDTH: 750px; HEIGHT: 300px" href="" target=_blank><img src="" alt="" width="750" height="300"></A></li>)"
      "\r\n"
      R"(<li><A style="WIDTH: 750px; HEIGHT: 300px" href="" target=_blank><img src="" alt="" width="750" height="300"></A></li>)"
      "\r\n</ul></DIV>";
  EXPECT_EQ(run("750", "300"), expected);

  std::vector<FormCall> steps{readCall(Field::编辑框高度, "300"), readCall(Field::编辑框宽度, "750"),
                              writeCall(Field::编辑框3, ""), readCall(Field::编辑框宽度, "750"),
                              readCall(Field::编辑框高度, "300")};
  for (const Field field : ImageFields) steps.push_back(readCall(field, ""));
  for (const Field field : LinkFields) steps.push_back(readCall(field, ""));
  steps.push_back(isCheckedCall(Radio::单选框1, true));
  steps.push_back(writeCall(Field::编辑框3, expected));
  EXPECT_EQ(form.calls(), steps);
}

TEST_F(Carousel, SizeGoesInAsTypedEvenWhenItHoldsTheOtherPlaceholder) {
  struct Case {
    std::string width, height, styleSize, shownWidth, shownHeight;
  } const cases[] = {
      {"1250", "300", "WIDTH: 1250px; HEIGHT: 300px", "1250", "300"},
      {"250", "300", "WIDTH: 250px; HEIGHT: 300px", "250", "300"},
      {"752", "300", "WIDTH: 752px; HEIGHT: 300px", "752", "300"},
      {"800", "7525", "WIDTH: 800px; HEIGHT: 7525px", "800", "7525"},
      {"300", "752", "WIDTH: 300px; HEIGHT: 752px", "300", "752"},
      {" 750 ", "abc", "WIDTH:  750 px; HEIGHT: abcpx", " 750 ", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width + "x" + c.height);
    const std::string result = run(c.width, c.height);
    EXPECT_EQ(occurrences(result, c.styleSize), 6);
    EXPECT_EQ(occurrences(result, R"(width=")" + c.shownWidth + R"(" height=")" + c.shownHeight + '"'), 5);
  }
}

TEST_F(Carousel, AddressesGoInAsTypedWhateverPlaceholdersTheyHold) {
  const auto gbk = gbkFromUtf8;
  const std::string slide = gbk("http://img.example.com/图片2.jpg");  // files named like the placeholders
  form.type(Field::编辑框7, slide);
  form.type(Field::编辑框9, gbk("x链接2y"));
  form.type(Field::编辑框8, "L2");
  form.type(Field::编辑框6, gbk("p图片1q链接5r"));
  form.type(Field::编辑框14, "L5");
  form.type(Field::编辑框13, "img752_250.jpg");
  const std::vector<std::string> result = lines(run("10", "20"));
  ASSERT_EQ(result.size(), 8u);
  const std::string size = "WIDTH: 10px; HEIGHT: 20px";
  EXPECT_EQ(result[2], slideLine(size, "10", "20", gbk("p图片1q链接5r"), slide));
  EXPECT_EQ(result[3], slideLine(size, "10", "20", "L2", gbk("x链接2y")));
  EXPECT_EQ(result[4], slideLine(size, "10", "20", "", ""));
  EXPECT_EQ(result[5], slideLine(size, "10", "20", "", "img752_250.jpg"));
  EXPECT_EQ(result[6], slideLine(size, "10", "20", "L5", ""));
}

TEST_F(Carousel, ScrollVariantUnlessFadeIsCheckedLeavingAddressesAlone) {
  struct Case {
    bool fade, scroll, scrolls;
  } const cases[] = {{true, false, false}, {false, true, true}, {false, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "单选框1 " << c.fade << ", 单选框2 " << c.scroll);
    form.setChecked(Radio::单选框1, c.fade);
    form.setChecked(Radio::单选框2, c.scroll);
    form.type(Field::编辑框7, "a-fade-Fade-FADE.jpg");
    form.type(Field::编辑框6, "http://fade.example.com/");
    const std::vector<std::string> result = lines(run("1", "2"));
    const std::string effect = c.scrolls ? "scrolly" : "fade";
    EXPECT_EQ(occurrences(result[0], "'effect':'" + effect + "'"), 1);
    EXPECT_EQ(occurrences(result[0], R"(data-type=")" + effect + R"(">)"), 1);
    EXPECT_EQ(occurrences(result[0], "fade"), c.scrolls ? 0 : 2);
    EXPECT_EQ(result[2], slideLine("WIDTH: 1px; HEIGHT: 2px", "1", "2", "http://fade.example.com/",
                                   "a-fade-Fade-FADE.jpg"));
  }
}

// Each text goes in once per placeholder, whatever it holds.
TEST_F(Carousel, LengthFollowsTheFieldLengthsForRandomTexts) {
  std::mt19937 random(20261211);
  const auto gbk = gbkFromUtf8;
  const std::vector<std::string> pieces{" ",  "a",       "Z",          "0",          "7",       ".",   "/",
                                        "\"", "'",       "<",          "fade",       "FADE",    "250", "752",
                                        "px", gbk("中"), gbk("图片3"), gbk("链接1"), gbk("链"), "\r\n"};
  const auto randomText = [&](int maxPieces) {
    std::string text;
    for (int n = std::uniform_int_distribution<int>(0, maxPieces)(random); n > 0; --n) {
      text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    return text;
  };
  const auto length = [](const std::string& text) { return static_cast<long>(text.size()); };
  for (int round = 0; round < 300; ++round) {
    std::string width = randomText(4), height = randomText(4);
    if (width.empty()) width = "1";
    if (height.empty()) height = "1";
    long expected = 927 + 11 * (length(width) - 3) + 11 * (length(height) - 3);
    for (const auto& fields : {ImageFields, LinkFields}) {
      for (const Field field : fields) {
        form.type(field, randomText(12));
        expected += length(form.text(field)) - 5;
      }
    }
    const bool fade = round % 2 == 0;
    form.click(fade ? Radio::单选框1 : Radio::单选框2);
    if (!fade) expected += 2 * 3;
    ASSERT_EQ(length(run(width, height)), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace shopcode
