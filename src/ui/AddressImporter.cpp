#include "ui/AddressImporter.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "form/Literals.h"
#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr int ListLines = 5;
// First look at what has been read after this many bytes, then each time the amount doubles,
// so that the conversions done along the way stay linear in the bytes read.
constexpr size_t FirstCheckBytes = 1024;

// Notepad saves with a byte-order mark; a file without one is code page 936 as it stands.
enum class Encoding { Gbk, Utf8, Utf16 };
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16Mark = "\xFF\xFE";

Encoding encodingOf(std::string_view raw) {
  if (raw.starts_with(Utf8Mark)) return Encoding::Utf8;
  if (raw.starts_with(Utf16Mark)) return Encoding::Utf16;
  return Encoding::Gbk;
}

std::string_view bodyOf(std::string_view raw, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return raw.substr(Utf8Mark.size());
    case Encoding::Utf16:
      return raw.substr(Utf16Mark.size());
    case Encoding::Gbk:
      break;
  }
  return raw;
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

std::string toGbk(std::string_view body, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return encodeCodePage(CodePageGbk, decodeCodePage(CodePageUtf8, body));
    case Encoding::Utf16:
      return encodeCodePage(CodePageGbk, utf16Units(body));
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
    const Encoding encoding = encodingOf(raw_);
    const std::string_view body = bodyOf(raw_, encoding);
    const std::optional<size_t> length = lengthThroughLastLineFeed(body, encoding);
    if (!length) return true;
    std::string text = toGbk(body.substr(0, *length), encoding);
    if (!decidesTheList(text)) return true;
    decided_ = std::move(text);
    return false;
  }

  // The file's content as code page 936 bytes (zero bytes still inside).
  std::string content() const {
    if (decided_) return *decided_;
    const Encoding encoding = encodingOf(raw_);
    return toGbk(bodyOf(raw_, encoding), encoding);
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
  const bool opened =
      platform.readFile(path, [&reader](std::string_view chunk) { return reader.consume(chunk); });
  const TextList lines = splitText(textFromBytes(reader.content()), LineBreak);

  const size_t present = std::min(lines.size(), fields.size());
  for (size_t k = 0; k < present; ++k) form.writeText(fields[k], lines[k]);
  // Fields of missing lines keep their text; the user learns why they were not filled.
  if (present == fields.size()) return;
  const std::string_view fileName = std::string_view(fileSuffix).substr(fileSuffix.starts_with('\\') ? 1 : 0);
  const Literals& text = literals();
  if (!opened) {
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
