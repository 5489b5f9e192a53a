#pragma once
// Every control of the main window, one row each: its kind, its parent, where it sits at
// 96 DPI relative to that parent, its fixed caption and the form field it shows. Creation,
// layout, captions and the form's lookups all read this one table.
#include <algorithm>
#include <array>
#include <optional>

#include "form/GeneratorForm.h"

namespace shopcode::win32 {

enum class Kind { GroupBox, Label, EditBox, CodeBox, Button, RadioBox, HyperLinker };

// The tables below read best row by row, as laid out by hand.
// clang-format off

// Every control of the window. The order of creation is this order, which puts the radio
// boxes' group together.
enum class Control {
  分组框1, 标签1, 编辑框1, 按钮1, 标签2, 编辑框2,
  分组框3, 标签3, 编辑框4, 按钮4, 标签4, 编辑框5,
  分组框2, 编辑框3, 按钮2, 按钮3, 按钮8, 超级链接框1,
  分组框4, 标签6, 编辑框6, 标签5, 编辑框7, 标签8, 编辑框8, 标签7, 编辑框9,
  标签10, 编辑框10, 标签9, 编辑框11, 标签11, 编辑框12, 标签12, 编辑框13,
  标签13, 编辑框14, 标签14, 编辑框15, 按钮5, 按钮6, 按钮7,
  单选框1, 单选框2, 标签15, 编辑框宽度, 标签16, 编辑框高度,
  Count
};
inline constexpr int ControlCount = static_cast<int>(Control::Count);

struct ControlRow {
  Control control;
  Kind kind;
  std::optional<Control> parent;  // none: the window itself
  int x, y, width, height;
  const char* caption;            // UTF-8; empty for the boxes and the hyperlink
  std::optional<Field> field;     // the form field an edit box shows
};

using C = Control;
using F = Field;
inline constexpr std::array<ControlRow, ControlCount> Layout{{
    {C::分组框1, Kind::GroupBox, {}, 8, 8, 432, 80, "客服代码", {}},
    {C::标签1, Kind::Label, C::分组框1, 8, 16, 56, 24, "旺旺帐号：", {}},
    {C::编辑框1, Kind::EditBox, C::分组框1, 80, 16, 256, 24, "", F::编辑框1},
    {C::按钮1, Kind::Button, C::分组框1, 352, 32, 56, 24, "确认生成", {}},
    {C::标签2, Kind::Label, C::分组框1, 8, 48, 56, 24, "提示文字：", {}},
    {C::编辑框2, Kind::EditBox, C::分组框1, 80, 48, 256, 24, "", F::编辑框2},
    {C::分组框3, Kind::GroupBox, {}, 8, 96, 432, 88, "收藏代码", {}},
    {C::标签3, Kind::Label, C::分组框3, 8, 16, 72, 24, "初始店铺名：", {}},
    {C::编辑框4, Kind::EditBox, C::分组框3, 80, 16, 256, 24, "", F::编辑框4},
    {C::按钮4, Kind::Button, C::分组框3, 352, 32, 56, 24, "确认生成", {}},
    {C::标签4, Kind::Label, C::分组框3, 8, 48, 56, 24, "图片地址：", {}},
    {C::编辑框5, Kind::EditBox, C::分组框3, 80, 48, 256, 24, "", F::编辑框5},
    {C::分组框2, Kind::GroupBox, {}, 8, 184, 432, 256, "html代码", {}},
    {C::编辑框3, Kind::CodeBox, C::分组框2, 8, 24, 416, 184, "", F::编辑框3},
    {C::按钮2, Kind::Button, C::分组框2, 16, 216, 64, 32, "复制代码", {}},
    {C::按钮3, Kind::Button, C::分组框2, 112, 216, 64, 32, "运行代码", {}},
    {C::按钮8, Kind::Button, C::分组框2, 216, 216, 72, 31, "滚动代码", {}},
    {C::超级链接框1, Kind::HyperLinker, C::分组框2, 320, 224, 104, 24, "", {}},
    {C::分组框4, Kind::GroupBox, {}, 448, 8, 256, 432, "轮播代码", {}},
    {C::标签6, Kind::Label, C::分组框4, 8, 16, 48, 24, "链接一：", {}},
    {C::编辑框6, Kind::EditBox, C::分组框4, 56, 16, 192, 24, "", F::编辑框6},
    {C::标签5, Kind::Label, C::分组框4, 8, 48, 40, 24, "图片一：", {}},
    {C::编辑框7, Kind::EditBox, C::分组框4, 56, 48, 192, 24, "", F::编辑框7},
    {C::标签8, Kind::Label, C::分组框4, 8, 80, 48, 24, "链接二：", {}},
    {C::编辑框8, Kind::EditBox, C::分组框4, 56, 80, 192, 24, "", F::编辑框8},
    {C::标签7, Kind::Label, C::分组框4, 8, 112, 40, 24, "图片二：", {}},
    {C::编辑框9, Kind::EditBox, C::分组框4, 56, 112, 192, 24, "", F::编辑框9},
    {C::标签10, Kind::Label, C::分组框4, 8, 144, 48, 24, "链接三：", {}},
    {C::编辑框10, Kind::EditBox, C::分组框4, 56, 144, 192, 24, "", F::编辑框10},
    {C::标签9, Kind::Label, C::分组框4, 8, 176, 40, 24, "图片三：", {}},
    {C::编辑框11, Kind::EditBox, C::分组框4, 56, 176, 192, 24, "", F::编辑框11},
    {C::标签11, Kind::Label, C::分组框4, 8, 208, 48, 24, "链接四：", {}},
    {C::编辑框12, Kind::EditBox, C::分组框4, 56, 208, 192, 24, "", F::编辑框12},
    {C::标签12, Kind::Label, C::分组框4, 8, 240, 40, 24, "图片四：", {}},
    {C::编辑框13, Kind::EditBox, C::分组框4, 56, 240, 192, 24, "", F::编辑框13},
    {C::标签13, Kind::Label, C::分组框4, 8, 272, 48, 24, "链接五：", {}},
    {C::编辑框14, Kind::EditBox, C::分组框4, 56, 272, 192, 24, "", F::编辑框14},
    {C::标签14, Kind::Label, C::分组框4, 8, 304, 40, 24, "图片五：", {}},
    {C::编辑框15, Kind::EditBox, C::分组框4, 56, 304, 192, 24, "", F::编辑框15},
    {C::按钮5, Kind::Button, C::分组框4, 8, 344, 80, 24, "导入图片地址", {}},
    {C::按钮6, Kind::Button, C::分组框4, 104, 344, 80, 24, "导入链接地址", {}},
    {C::按钮7, Kind::Button, C::分组框4, 192, 344, 56, 80, "生成", {}},
    {C::单选框1, Kind::RadioBox, C::分组框4, 16, 376, 80, 16, "渐变效果", {}},
    {C::单选框2, Kind::RadioBox, C::分组框4, 104, 376, 72, 16, "向下滚动", {}},
    {C::标签15, Kind::Label, C::分组框4, 8, 400, 32, 24, "宽度", {}},
    {C::编辑框宽度, Kind::EditBox, C::分组框4, 40, 400, 40, 24, "", F::编辑框宽度},
    {C::标签16, Kind::Label, C::分组框4, 104, 400, 24, 24, "高度", {}},
    {C::编辑框高度, Kind::EditBox, C::分组框4, 136, 400, 40, 24, "", F::编辑框高度},
}};

// clang-format on

// The window's client area at 96 DPI: the controls reach x = 704 and y = 440, with a margin
// right and below. The frame and title bar come on top, as wide as the system draws them.
inline constexpr int ClientWidth = 711;
inline constexpr int ClientHeight = 448;

// Tab and Shift+Tab walk this list, wrapping at both ends.
inline constexpr std::array FocusOrder{
    C::编辑框1,  C::编辑框2,  C::编辑框3,    C::按钮1,      C::按钮2,    C::编辑框4, C::编辑框5,
    C::按钮4,    C::按钮3,    C::编辑框6,    C::编辑框7,    C::编辑框8,  C::编辑框9, C::编辑框10,
    C::编辑框11, C::编辑框12, C::编辑框13,   C::编辑框14,   C::编辑框15, C::按钮5,   C::按钮6,
    C::单选框1,  C::单选框2,  C::编辑框宽度, C::编辑框高度, C::按钮7,    C::按钮8,
};

constexpr const ControlRow& rowOf(Control control) {
  return Layout[static_cast<int>(control)];
}

// The edit control behind each field of the form, read off the table's field column.
inline constexpr std::array<Control, FieldCount> FieldControls = [] {
  std::array<Control, FieldCount> controls{};
  controls.fill(Control::Count);
  for (const ControlRow& row : Layout)
    if (row.field) controls[static_cast<int>(*row.field)] = row.control;
  return controls;
}();

constexpr Control controlOf(Field field) {
  return FieldControls[static_cast<int>(field)];
}
constexpr Control controlOf(Radio radio) {
  return radio == Radio::单选框1 ? C::单选框1 : C::单选框2;
}

// The table is in enum order, so rowOf can index it, and every field has its box.
constexpr bool layoutIsInEnumOrder() {
  for (int i = 0; i < ControlCount; ++i)
    if (static_cast<int>(Layout[i].control) != i) return false;
  return true;
}
static_assert(layoutIsInEnumOrder());
static_assert(std::ranges::find(FieldControls, Control::Count) == FieldControls.end());

}  // namespace shopcode::win32
