#pragma once
#include "form/GeneratorForm.h"
#include "text/PercentEncoder.h"

namespace shopcode {
// 按钮1: the online-status badge of the IM account in 编辑框1, alt text 编辑框2, into 编辑框3.
void generateServiceBadge(GeneratorForm& form, const EventPump& pumpEvents);
}  // namespace shopcode
