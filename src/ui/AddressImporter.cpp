#include "ui/AddressImporter.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "form/Literals.h"
#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"
#include "text/Utf8.h"

namespace shopcode {
namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr int ListLines = 5;
// First look at what has been read after this many bytes, then each time the amount doubles,
// so that the conversions done along the way stay linear in the bytes read.
constexpr size_t FirstCheckBytes = 1024;

enum class Encoding { Gbk, Utf8, Utf16 };
struct Format {
  Encoding encoding;
  size_t markLength;  // the byte-order mark before the body
};
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16Mark = "\xFF\xFE";

// The part of a file without a mark that tells whether it is UTF-8: the lines the import
// uses, as far as the bytes show them (through the fifth CR LF, which in UTF-8 is always a
// line break), or up to the first zero byte, whichever comes first. Nothing while `raw`,
// not yet `complete`, may be only the start of that part.
std::optional<std::string_view> decidingPart(std::string_view raw, bool complete) {
  int breaks = 0;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\0') return raw.substr(0, i);
    if (raw.substr(i, LineBreak.size()) == LineBreak && ++breaks == ListLines) {
      return raw.substr(0, i + LineBreak.size());
    }
  }
  if (complete) return raw;
  return std::nullopt;
}

// Whether bytes without a mark are UTF-8. They must be well-formed UTF-8 and not plain ASCII
// (which reads the same either way). Short Chinese lines in code page 936 are often
// well-formed UTF-8 too (图片, CD BC C6 AC, reads as "ͼƬ"); but then every character of that
// reading takes two bytes and most are Greek, Cyrillic, Hebrew, ... . So the bytes are UTF-8
// when their reading holds a character of three or four bytes (every Chinese character,
// full-width sign and emoji has them) or when all its characters are Latin letters and signs
// (U+00A0 to U+024F: é, ß, ×, ©). Measured on real Chinese text, this takes code page 936
// lines for UTF-8 more than ten times less often than well-formedness alone
// (tools/utf8-misread-rate.py), and Western UTF-8 text still for UTF-8.
bool readsAsUtf8(std::string_view bytes) {
  if (!isWellFormedUtf8(bytes)) return false;
  bool beyondAscii = false, latinOnly = true;
  for (const char16_t unit : decodeCodePage(CodePageUtf8, bytes)) {
    if (unit < 0x80) continue;
    if (unit >= 0x800) return true;
    beyondAscii = true;
    latinOnly = latinOnly && unit >= 0xA0 && unit <= 0x24F;
  }
  return beyondAscii && latinOnly;
}

// A mark names the encoding; without one, the part that decides tells.
std::optional<Format> formatOf(std::string_view raw, bool complete) {
  if (raw.starts_with(Utf8Mark)) return Format{Encoding::Utf8, Utf8Mark.size()};
  if (raw.starts_with(Utf16Mark)) return Format{Encoding::Utf16, Utf16Mark.size()};
  const std::optional<std::string_view> part = decidingPart(raw, complete);
  if (!part) return std::nullopt;
  return Format{readsAsUtf8(*part) ? Encoding::Utf8 : Encoding::Gbk, 0};
}

// Little-endian units; an odd last byte is no unit and is dropped.
std::u16string utf16Units(std::string_view body) {
  std::u16string units(body.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(body[2 * i]) |
                                     static_cast<unsigned char>(body[2 * i + 1]) << 8);
  }
  return units;
}

// Code page 936 text as the form holds it: characters outside code page 936 as references.
std::string toGbk(std::string_view body, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return gbkWithReferences(decodeCodePage(CodePageUtf8, body));
    case Encoding::Utf16:
      return gbkWithReferences(utf16Units(body));
    case Encoding::Gbk:
      break;
  }
  return std::string(body);
}

// The length of the body up to and including its last line feed, or nothing when it has none.
// A line feed ends every sequence in progress in each of the three encodings, so the body cut
// there converts to a prefix of what the whole body converts to.
std::optional<size_t> lengthThroughLastLineFeed(std::string_view body, Encoding encoding) {
  if (encoding != Encoding::Utf16) {
    const size_t at = body.rfind('\n');
    if (at == std::string_view::npos) return std::nullopt;
    return at + 1;
  }
  for (size_t end = body.size() / 2 * 2; end >= 2; end -= 2) {
    if (body[end - 2] == '\n' && body[end - 1] == '\0') return end;
  }
  return std::nullopt;
}

// True when the text already decides the first five lines: it ends at a zero byte, or it
// holds five line breaks counted as splitText finds them (a byte of 0x80 or above takes the
// next byte with it, so "\x80\r\n" holds no line break).
bool decidesTheList(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return true;
  int breaks = 0;
  for (size_t i = 0; i + 1 < text.size();) {
    if (text.substr(i, LineBreak.size()) == LineBreak) {
      if (++breaks == ListLines) return true;
      i += LineBreak.size();
    } else {
      i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
    }
  }
  return false;
}

// Collects a list file chunk by chunk and stops as soon as what it holds decides the five
// lines, giving the same text for them as reading the whole file would.
class ListFileReader {
 public:
  bool consume(std::string_view chunk) {
    raw_.append(chunk);
    if (raw_.size() < nextCheck_) return true;
    nextCheck_ = raw_.size() * 2;
    const std::optional<Format> format = formatOf(raw_, false);
    if (!format) return true;
    const std::string_view body = std::string_view(raw_).substr(format->markLength);
    const std::optional<size_t> length = lengthThroughLastLineFeed(body, format->encoding);
    if (!length) return true;
    std::string text = toGbk(body.substr(0, *length), format->encoding);
    if (!decidesTheList(text)) return true;
    decided_ = std::move(text);
    return false;
  }

  // The file's content as code page 936 bytes (zero bytes still inside).
  std::string content() const {
    if (decided_) return *decided_;
    const Format format = *formatOf(raw_, true);
    return toGbk(std::string_view(raw_).substr(format.markLength), format.encoding);
  }

 private:
  std::string raw_;
  size_t nextCheck_ = FirstCheckBytes;
  std::optional<std::string> decided_;
};

void importList(GeneratorForm& form, Platform& platform, const std::string& fileSuffix,
                const std::array<Field, ListLines>& fields) {
  const std::string path = concatTexts(platform.desktopFolder(), fileSuffix);
  ListFileReader reader;
  const FileRead read =
      platform.readFile(path, [&reader](std::string_view chunk) { return reader.consume(chunk); });
  const std::string_view fileName = std::string_view(fileSuffix).substr(fileSuffix.starts_with('\\') ? 1 : 0);
  const Literals& text = literals();
  // What was read of a file that failed midway may end anywhere: none of it is used.
  if (read == FileRead::Unreadable) {
    form.showMessage(concatTexts(text.listUnreadableBefore, fileName, text.listUnreadableAfter),
                     MessageNoIcon);
    return;
  }
  const TextList lines = splitText(textFromBytes(reader.content()), LineBreak);

  const size_t present = std::min(lines.size(), fields.size());
  for (size_t k = 0; k < present; ++k) form.writeText(fields[k], lines[k]);
  // Fields of missing lines keep their text; the user learns why they were not filled.
  if (present == fields.size()) return;
  if (read == FileRead::Missing) {
    form.showMessage(concatTexts(text.listMissingBefore, fileName, text.listMissingAfter), MessageNoIcon);
  } else {
    form.showMessage(concatTexts(text.listShortBefore, fileName, text.listShortMiddle,
                                 std::to_string(lines.size()), text.listShortAfter),
                     MessageNoIcon);
  }
}

}  // namespace

void importImageList(GeneratorForm& form, Platform& platform) {
  importList(form, platform, literals().imageListFileSuffix,
             {Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13, Field::编辑框15});
}

void importLinkList(GeneratorForm& form, Platform& platform) {
  importList(form, platform, literals().linkListFileSuffix,
             {Field::编辑框6, Field::编辑框8, Field::编辑框10, Field::编辑框12, Field::编辑框14});
}

}  // namespace shopcode
