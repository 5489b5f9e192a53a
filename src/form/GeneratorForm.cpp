#include "form/GeneratorForm.h"

#include <array>

namespace shopcode {

namespace {
constexpr std::array<const char*, FieldCount> FieldNames{
    "编辑框1",  "编辑框2",  "编辑框3",  "编辑框4",    "编辑框5",    "编辑框6",
    "编辑框7",  "编辑框8",  "编辑框9",  "编辑框10",   "编辑框11",   "编辑框12",
    "编辑框13", "编辑框14", "编辑框15", "编辑框宽度", "编辑框高度",
};
}  // namespace

const char* fieldName(Field field) {
  const auto index = static_cast<std::size_t>(field);
  return index < FieldNames.size() ? FieldNames[index] : "?";
}

}  // namespace shopcode
