#pragma once
// The Chinese texts that the actions and the window work with, converted once from the
// UTF-8 source to code page 936 bytes. (The controls' fixed captions stand in the window's
// layout table: nothing but the window shows them.)
#include <array>
#include <string>

#include "form/GeneratorForm.h"

namespace shopcode {

struct Literals {
  std::string hyperlinkFont;  // face name of 超级链接框1's caption

  // Initial texts of the sample fields; every other box starts empty.
  std::string initial编辑框1, initial编辑框2, initial编辑框4, initial编辑框5;

  std::string messageTitle;       // title of every message box
  std::string favouritesRefusal;  // a shop address that is not the initial one
  // Address import: 桌面上没有找到文件“NAME”。 / 桌面上的文件“NAME”无法读取，可能正被其他程序占用。
  // / 文件“NAME”只有 N 行地址，需要 5 行。
  std::string listMissingBefore, listMissingAfter;
  std::string listUnreadableBefore, listUnreadableAfter;
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
