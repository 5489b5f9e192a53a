#pragma once
#include <string>

#include "form/GeneratorForm.h"
#include "ui/Platform.h"

namespace shopcode {
// The desktop preview file's path, with the doubled separator the joined texts give.
std::string previewFilePath(Platform& platform);
void copyCode(GeneratorForm& form, Platform& platform);     // 按钮2
void previewCode(GeneratorForm& form, Platform& platform);  // 按钮3
void putMarqueeSample(GeneratorForm& form);                 // 按钮8
}  // namespace shopcode
