#pragma once
#include "form/GeneratorForm.h"
#include "ui/Platform.h"

namespace shopcode {
void importImageList(GeneratorForm& form, Platform& platform);  // 按钮5
void importLinkList(GeneratorForm& form, Platform& platform);   // 按钮6
}  // namespace shopcode
