#pragma once
#include <string>
#include <string_view>

#include "form/GeneratorForm.h"

namespace shopcode {
// The bytes between the first `marker` and the next `terminator` after it.
std::string extractShopId(std::string_view address, std::string_view marker, std::string_view terminator);
// 按钮4: the add-to-favourites link for the shop address in 编辑框4 and the image in 编辑框5.
void generateFavouriteLink(GeneratorForm& form);
}  // namespace shopcode
