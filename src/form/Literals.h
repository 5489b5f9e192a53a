#pragma once
// Every Chinese text of the program, converted once from the UTF-8 source to the
// code page 936 bytes the program works with. The window takes its captions from here
// too (decodeCodePage(CodePageGbk, ...) gives the UTF-16 it shows).
#include <array>
#include <string>

#include "form/GeneratorForm.h"

namespace shopcode {

// Fixed captions, one member per control, named by the control.
struct Captions {
  std::string 分组框1, 分组框2, 分组框3, 分组框4;
  std::string 标签1, 标签2, 标签3, 标签4, 标签5, 标签6, 标签7, 标签8;
  std::string 标签9, 标签10, 标签11, 标签12, 标签13, 标签14, 标签15, 标签16;
  std::string 按钮1, 按钮2, 按钮3, 按钮4, 按钮5, 按钮6, 按钮7, 按钮8;
  std::string 单选框1, 单选框2;
};

struct Literals {
  Captions captions;
  std::string hyperlinkFont;  // face name of 超级链接框1's caption

  // Initial texts of the sample fields; every other box starts empty.
  std::string initial编辑框1, initial编辑框2, initial编辑框4, initial编辑框5;

  std::string messageTitle;       // title of every message box
  std::string favouritesRefusal;  // a shop address that is not the initial one
  // Address import: 桌面上没有找到文件“NAME”。 / 文件“NAME”只有 N 行地址，需要 5 行。
  std::string listMissingBefore, listMissingAfter;
  std::string listShortBefore, listShortMiddle, listShortAfter;

  // Carousel: the template and its slide placeholders, slide 1 first.
  std::string carouselTemplate;
  std::array<std::string, 5> imagePlaceholders;
  std::array<std::string, 5> linkPlaceholders;

  std::string marqueeSample;

  // Desktop files: joined to the desktop folder, each begins with a backslash.
  std::string previewFileSuffix;
  std::string imageListFileSuffix;
  std::string linkListFileSuffix;
};

// Built on first use; the same object for the life of the program.
const Literals& literals();

// The text a box holds when the window is created.
const std::string& initialText(Field field);

}  // namespace shopcode
