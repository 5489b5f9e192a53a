#pragma once
#include "form/GeneratorForm.h"

namespace shopcode {
// 按钮7: the five-slide carousel from the size, the ten addresses and the effect.
void generateCarousel(GeneratorForm& form);
}  // namespace shopcode
