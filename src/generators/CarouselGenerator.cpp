#include "generators/CarouselGenerator.h"

#include <array>
#include <string>

#include "text/PairReplacer.h"
#include "text/TextPrimitives.h"
#include "ui/Literals.h"

namespace shopcode {
namespace {

// Slide fields in slide order.
constexpr std::array<Field, 5> ImageFields{Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13,
                                           Field::编辑框15};
constexpr std::array<Field, 5> LinkFields{Field::编辑框6, Field::编辑框8, Field::编辑框10, Field::编辑框12,
                                          Field::编辑框14};

// Replaces the five placeholders of one column by the texts of its fields, read in order.
std::string fillSlides(GeneratorForm& form, std::string_view current, const std::array<Field, 5>& fields,
                       const std::array<std::string, 5>& placeholders) {
  std::array<std::string, 5> texts;
  for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = form.readText(fields[i]);
  return PairReplacer(current, {}, {placeholders[0], texts[0]}, {placeholders[1], texts[1]},
                      {placeholders[2], texts[2]}, {placeholders[3], texts[3]}, {placeholders[4], texts[4]});
}

}  // namespace

void generateCarousel(GeneratorForm& form) {
  if (textEquals(form.readText(Field::编辑框高度), "")) return;
  if (textEquals(form.readText(Field::编辑框宽度), "")) return;
  form.writeText(Field::编辑框3, "");
  const Literals& text = literals();
  const std::string width = form.readText(Field::编辑框宽度);
  const std::string height = form.readText(Field::编辑框高度);
  // The template's own size is the placeholder: the width goes in first, so a width
  // holding "250" is changed by the height step, and no address is ever resized.
  std::string current = PairReplacer(text.carouselTemplate, {}, {"752", width}, {"250", height});
  current = fillSlides(form, current, ImageFields, text.imagePlaceholders);
  current = fillSlides(form, current, LinkFields, text.linkPlaceholders);
  if (form.isChecked(Radio::单选框1)) {
    form.writeText(Field::编辑框3, current);
  } else {
    form.writeText(Field::编辑框3, PairReplacer(current, {}, {"fade", "scrolly"}));
  }
}

}  // namespace shopcode
