#include "generators/CarouselGenerator.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "form/Literals.h"
#include "text/PairReplacer.h"
#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

// Slide fields in slide order.
constexpr std::array<Field, 5> ImageFields{Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13,
                                           Field::编辑框15};
constexpr std::array<Field, 5> LinkFields{Field::编辑框6, Field::编辑框8, Field::编辑框10, Field::编辑框12,
                                          Field::编辑框14};

std::array<std::string, 5> readSlides(GeneratorForm& form, const std::array<Field, 5>& fields) {
  std::array<std::string, 5> texts;
  for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = form.readText(fields[i]);
  return texts;
}

// Puts each text where the template holds its placeholder, in one walk over the template
// alone. Replacing pass after pass over the growing text would search what the user typed
// too: a width of 250 would become the height, an address holding "fade" or "图片2" would
// be rewritten. Here the texts go in exactly as typed.
std::string fillTemplate(std::string_view pattern, std::span<const ReplacePair> pairs) {
  std::string filled;
  std::size_t at = 0;
  while (at < pattern.size()) {
    const std::string_view rest = pattern.substr(at);
    const auto pair = std::find_if(pairs.begin(), pairs.end(), [&](const ReplacePair& p) {
      return !p.find.empty() && rest.starts_with(p.find);
    });
    if (pair != pairs.end()) {
      filled += pair->replacement;
      at += pair->find.size();
    } else {
      // A double-byte character is copied whole, so no placeholder is found inside one.
      const std::size_t unit = static_cast<unsigned char>(rest[0]) >= 0x80 ? 2 : 1;
      filled += rest.substr(0, unit);
      at += unit;
    }
  }
  return filled;
}

}  // namespace

void generateCarousel(GeneratorForm& form) {
  if (textEquals(form.readText(Field::编辑框高度), "")) return;
  if (textEquals(form.readText(Field::编辑框宽度), "")) return;
  form.writeText(Field::编辑框3, "");
  const std::string width = form.readText(Field::编辑框宽度);
  const std::string height = form.readText(Field::编辑框高度);
  const std::array<std::string, 5> images = readSlides(form, ImageFields);
  const std::array<std::string, 5> links = readSlides(form, LinkFields);
  const bool fade = form.isChecked(Radio::单选框1);

  // The template is written for 752 x 250 with the fade effect: those are its placeholders.
  const Literals& text = literals();
  std::vector<ReplacePair> pairs{{"752", width}, {"250", height}};
  for (std::size_t i = 0; i < images.size(); ++i) pairs.push_back({text.imagePlaceholders[i], images[i]});
  for (std::size_t i = 0; i < links.size(); ++i) pairs.push_back({text.linkPlaceholders[i], links[i]});
  if (!fade) pairs.push_back({"fade", "scrolly"});
  form.writeText(Field::编辑框3, fillTemplate(text.carouselTemplate, pairs));
}

}  // namespace shopcode
