#include "support/MemoryForm.h"

#include <cstdio>
#include <ostream>

#include "form/Literals.h"
#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

constexpr std::size_t indexOf(Field field) {
  return static_cast<std::size_t>(field);
}
constexpr std::size_t indexOf(Radio radio) {
  return static_cast<std::size_t>(radio);
}

const char* kindName(FormCall::Kind kind) {
  switch (kind) {
    case FormCall::Kind::ReadText:
      return "readText";
    case FormCall::Kind::ReadCharacters:
      return "readCharacters";
    case FormCall::Kind::WriteText:
      return "writeText";
    case FormCall::Kind::IsChecked:
      return "isChecked";
    case FormCall::Kind::ShowMessage:
      return "showMessage";
    case FormCall::Kind::SetWindowCaption:
      return "setWindowCaption";
    case FormCall::Kind::SetLinkCaption:
      return "setLinkCaption";
    case FormCall::Kind::SetLinkTarget:
      return "setLinkTarget";
  }
  return "?";
}

}  // namespace

FormCall readCall(Field field, std::string_view text) {
  return {.kind = FormCall::Kind::ReadText, .field = field, .text = std::string(text)};
}
FormCall writeCall(Field field, std::string_view text) {
  return {.kind = FormCall::Kind::WriteText, .field = field, .text = std::string(text)};
}
FormCall isCheckedCall(Radio radio, bool checked) {
  return {.kind = FormCall::Kind::IsChecked, .radio = radio, .checked = checked};
}
FormCall messageCall(std::string_view text, unsigned style) {
  return {.kind = FormCall::Kind::ShowMessage, .text = std::string(text), .style = style};
}

std::ostream& operator<<(std::ostream& out, const FormCall& call) {
  out << kindName(call.kind) << '(';
  switch (call.kind) {
    case FormCall::Kind::ReadText:
    case FormCall::Kind::ReadCharacters:
    case FormCall::Kind::WriteText:
      out << fieldName(call.field) << ", ";
      break;
    case FormCall::Kind::IsChecked:
      return out << (call.radio == Radio::单选框1 ? "单选框1" : "单选框2") << ") -> " << call.checked;
    default:
      break;
  }
  out << '"';
  for (const char c : call.text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || byte < 0x20) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out << hex;
    } else {
      out << c;
    }
  }
  out << '"';
  if (call.kind == FormCall::Kind::ShowMessage) out << ", " << call.style;
  return out << ')';
}

MemoryForm::MemoryForm() {
  for (int i = 0; i < FieldCount; ++i) type(static_cast<Field>(i), initialText(static_cast<Field>(i)));
}

std::string MemoryForm::readText(Field field) {
  calls_.push_back(readCall(field, texts_[indexOf(field)]));
  return texts_[indexOf(field)];
}

std::u16string MemoryForm::readCharacters(Field field) {
  calls_.push_back({.kind = FormCall::Kind::ReadCharacters, .field = field, .text = texts_[indexOf(field)]});
  return shown_[indexOf(field)];
}

void MemoryForm::writeText(Field field, std::string_view text) {
  calls_.push_back(writeCall(field, text));
  type(field, text);
}

bool MemoryForm::isChecked(Radio radio) {
  calls_.push_back(isCheckedCall(radio, checked_[indexOf(radio)]));
  return checked_[indexOf(radio)];
}

void MemoryForm::showMessage(std::string_view text, unsigned style) {
  calls_.push_back(messageCall(text, style));
}

void MemoryForm::setWindowCaption(std::string_view text) {
  calls_.push_back({.kind = FormCall::Kind::SetWindowCaption, .text = std::string(text)});
  windowCaption_ = text;
}

void MemoryForm::setLinkCaption(std::string_view text) {
  calls_.push_back({.kind = FormCall::Kind::SetLinkCaption, .text = std::string(text)});
  linkCaption_ = text;
}

void MemoryForm::setLinkTarget(std::string_view text) {
  calls_.push_back({.kind = FormCall::Kind::SetLinkTarget, .text = std::string(text)});
  linkTarget_ = text;
}

void MemoryForm::type(Field field, std::string_view text) {
  // The window shows a written text as its code page 936 characters, and hands the same
  // bytes back (as long as they are valid 936): the bytes are kept as they are.
  texts_[indexOf(field)] = text;
  shown_[indexOf(field)] = decodeCodePage(CodePageGbk, text);
}

void MemoryForm::typeCharacters(Field field, std::u16string_view characters) {
  texts_[indexOf(field)] = gbkWithReferences(characters);
  shown_[indexOf(field)] = characters;
}

void MemoryForm::click(Radio radio) {
  checked_[indexOf(Radio::单选框1)] = radio == Radio::单选框1;
  checked_[indexOf(Radio::单选框2)] = radio == Radio::单选框2;
}

void MemoryForm::setChecked(Radio radio, bool checked) {
  checked_[indexOf(radio)] = checked;
}

const std::string& MemoryForm::text(Field field) const {
  return texts_[indexOf(field)];
}

bool MemoryForm::checked(Radio radio) const {
  return checked_[indexOf(radio)];
}

std::vector<FormCall> MemoryForm::messages() const {
  std::vector<FormCall> shown;
  for (const FormCall& call : calls_) {
    if (call.kind == FormCall::Kind::ShowMessage) shown.push_back(call);
  }
  return shown;
}

}  // namespace shopcode
