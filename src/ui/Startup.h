#pragma once
#include "form/GeneratorForm.h"
#include "ui/Platform.h"

namespace shopcode {
// Writes the window caption and the hyperlink's caption and target from the stored texts.
void prepareWindow(GeneratorForm& form);
// Deletes the desktop preview file; every outcome is ignored.
void removePreviewFile(Platform& platform);
}  // namespace shopcode
