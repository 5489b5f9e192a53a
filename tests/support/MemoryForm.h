#pragma once
// The form without a window: every value field as plain data, starting at its initial
// value. It records what the actions do to it (each operation in order, the messages
// shown, the captions written), so that the actions can run and be checked without a
// window. Fields hold exactly the bytes written; nothing is trimmed or converted. Like the
// window, a box also shows characters: those of the code page 936 text written or typed,
// or those typed as characters, which readText hands over with references where code page
// 936 lacks them.
#include <array>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "form/GeneratorForm.h"

namespace shopcode {

// One operation an action performed on the form.
struct FormCall {
  enum class Kind {
    ReadText,
    ReadCharacters,
    WriteText,
    IsChecked,
    ShowMessage,
    SetWindowCaption,
    SetLinkCaption,
    SetLinkTarget
  };
  Kind kind;
  Field field = Field::编辑框1;  // ReadText, ReadCharacters, WriteText
  Radio radio = Radio::单选框1;  // IsChecked
  std::string text{};            // the text read, written or shown (ReadCharacters: as readText gives it)
  unsigned style = 0;            // ShowMessage
  bool checked = false;          // IsChecked: the answer

  friend bool operator==(const FormCall&, const FormCall&) = default;
};

// Shorthands for the calls a test expects.
FormCall readCall(Field field, std::string_view text);
FormCall writeCall(Field field, std::string_view text);
FormCall isCheckedCall(Radio radio, bool checked);
FormCall messageCall(std::string_view text, unsigned style);
// For test failure output: the kind, the control name and the text with bytes >= 0x80 in hex.
std::ostream& operator<<(std::ostream& out, const FormCall& call);

class MemoryForm final : public GeneratorForm {
 public:
  MemoryForm();

  std::string readText(Field field) override;
  std::u16string readCharacters(Field field) override;
  void writeText(Field field, std::string_view text) override;
  bool isChecked(Radio radio) override;
  void showMessage(std::string_view text, unsigned style) override;
  void setWindowCaption(std::string_view text) override;
  void setLinkCaption(std::string_view text) override;
  void setLinkTarget(std::string_view text) override;
  bool isGone() const override { return gone_; }

  // What the user does, not recorded as calls: typing a box's whole text, clicking an
  // automatic radio box (checks it, unchecks the other), closing the window.
  void type(Field field, std::string_view text);
  // Typing or pasting characters, code page 936 or not (an emoji, ©, a lone surrogate).
  void typeCharacters(Field field, std::u16string_view characters);
  void click(Radio radio);
  void close() { gone_ = true; }
  // Sets one radio box alone, for states the window never shows (neither checked).
  void setChecked(Radio radio, bool checked);

  // Looking at the state, not recorded either.
  const std::string& text(Field field) const;
  bool checked(Radio radio) const;
  const std::string& windowCaption() const { return windowCaption_; }
  const std::string& linkCaption() const { return linkCaption_; }
  const std::string& linkTarget() const { return linkTarget_; }
  const std::vector<FormCall>& calls() const { return calls_; }
  // The ShowMessage calls alone, in order.
  std::vector<FormCall> messages() const;
  void clearCalls() { calls_.clear(); }

 private:
  std::array<std::string, FieldCount> texts_;     // as readText gives them
  std::array<std::u16string, FieldCount> shown_;  // the characters each box shows
  std::array<bool, 2> checked_{true, false};
  std::string windowCaption_, linkCaption_, linkTarget_;
  std::vector<FormCall> calls_;
  bool gone_ = false;
};

}  // namespace shopcode
