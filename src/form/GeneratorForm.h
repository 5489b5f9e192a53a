#pragma once
// The fields of the one window, named by their control names, and the operations
// through which every action reads and changes them. Texts are code page 936 bytes; what a
// box holds beyond code page 936 is read as character references (gbkWithReferences).
#include <string>
#include <string_view>

namespace shopcode {

enum class Field {
  编辑框1,
  编辑框2,
  编辑框3,  // the code box
  编辑框4,
  编辑框5,
  编辑框6,
  编辑框7,
  编辑框8,
  编辑框9,
  编辑框10,
  编辑框11,
  编辑框12,
  编辑框13,
  编辑框14,
  编辑框15,
  编辑框宽度,
  编辑框高度,
};
inline constexpr int FieldCount = static_cast<int>(Field::编辑框高度) + 1;

enum class Radio { 单选框1, 单选框2 };

// The control name, UTF-8, for diagnostics and tests.
const char* fieldName(Field field);

// Message box icon styles (Win32 values).
inline constexpr unsigned MessageNoIcon = 0;
inline constexpr unsigned MessageIconError = 0x10;  // MB_ICONERROR

class GeneratorForm {
 public:
  virtual ~GeneratorForm() = default;

  // The box's text in code page 936, every character that code page 936 lacks as a reference.
  virtual std::string readText(Field field) = 0;
  // The box's own characters, exactly as it shows them (for the clipboard's Unicode text).
  virtual std::u16string readCharacters(Field field) = 0;
  virtual void writeText(Field field, std::string_view text) = 0;
  virtual bool isChecked(Radio radio) = 0;
  // Title "信息：", one OK button, the given icon, modal for the whole application.
  virtual void showMessage(std::string_view text, unsigned style) = 0;
  virtual void setWindowCaption(std::string_view text) = 0;
  virtual void setLinkCaption(std::string_view text) = 0;
  virtual void setLinkTarget(std::string_view text) = 0;
  // True once the window has been destroyed (it may be, while an action pumps events).
  virtual bool isGone() const = 0;
};

}  // namespace shopcode
