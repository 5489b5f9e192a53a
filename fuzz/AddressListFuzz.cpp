// The address-list import reads its file in chunks and stops as soon as the first five lines
// are decided. Whatever the file (code page 936, UTF-8 with or without a mark, UTF-16 with a
// mark, zero bytes, lone CRs and LFs, bytes of 0x80 or above before a CR) and whatever the
// chunk size, the fields and the message must be those of the whole file read in one chunk.
// Where the encoding needs no guessing (a mark, or ASCII alone), they must also be those of a
// model: the whole file converted at once, cut at its first zero byte and split at CR LF.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "support/FakePlatform.h"
#include "support/MemoryForm.h"
#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"
#include "ui/AddressImporter.h"

namespace {

using namespace shopcode;

constexpr std::array<Field, 5> ImageFields{Field::编辑框7, Field::编辑框9, Field::编辑框11, Field::编辑框13,
                                           Field::编辑框15};
const std::string Before = "before ";

// Pieces that matter to the reader: line ends whole, in parts and hidden behind a byte of
// 0x80 or above, zero bytes, lead bytes, Chinese in each encoding (and cut before a line
// feed), UTF-16 line ends and units that hold 0x0A or 0x0D, marks, and a long address.
const std::vector<std::string> Pieces = {
    "\r\n",
    "\n",
    "\r",
    std::string(1, '\0'),
    "\x80",
    "\xFF",
    "\xB0",
    "\xD6\xD0",
    "\x80\r\n",
    "\x81\r\n\r\n",
    " ",
    "\xE5\x9B\xBE",
    "\xE5\x9B\n",
    std::string("\n\0", 2),
    std::string("\r\0\n\0", 4),
    "\x0A\x4E",
    "\x0D\x0A",
    std::string("\0\xD8", 2),
    "\xEF\xBB\xBF",
    "\xFF\xFE",
    "x",
    "http://img.example.com/shop/slides/2024/summer/banner-750x250.jpg",
};

std::string makeFile(FuzzedDataProvider& in) {
  std::string file;
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      file = "\xEF\xBB\xBF";
      break;
    case 1:
      file = "\xFF\xFE";
      break;
    case 2:
      file = "\xEF\xBB";  // no whole mark
      break;
    default:
      break;
  }
  while (in.remaining_bytes() > 0 && file.size() < 16 * 1024) {
    const std::string& piece = Pieces[in.ConsumeIntegralInRange<std::size_t>(0, Pieces.size() - 1)];
    // Mostly a few, sometimes hundreds: long lines cross the reader's checks at 1 KiB and its doublings.
    const int times =
        in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(1, 3) : in.ConsumeIntegralInRange<int>(1, 700);
    for (int i = 0; i < times; ++i) file += piece;
  }
  return file;
}

// The lines that reading the whole file gives, where its encoding needs no guessing: with a
// mark, characters outside code page 936 become references; bytes without a mark that are
// ASCII up to the first zero byte read the same in every encoding. Nothing for the others.
std::optional<TextList> modelLines(const std::string& file) {
  std::string text;
  if (file.starts_with("\xEF\xBB\xBF")) {
    text = gbkWithReferences(decodeCodePage(CodePageUtf8, file.substr(3)));
  } else if (file.starts_with("\xFF\xFE")) {
    std::u16string units;
    for (std::size_t i = 2; i + 1 < file.size(); i += 2)
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(file[i]) |
                                            static_cast<unsigned char>(file[i + 1]) << 8));
    text = gbkWithReferences(units);
  } else {
    text = textFromBytes(file);
    for (const char c : text)
      if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
  }
  return splitText(textFromBytes(text), "\r\n");
}

struct Result {
  std::vector<std::string> fields;
  std::vector<FormCall> messages;
};

Result importWith(const std::string& file, std::size_t chunk) {
  MemoryForm form;
  for (const Field field : ImageFields) form.type(field, Before);
  FakePlatform platform;
  platform.readChunkBytes = chunk;
  platform.files[platform.desktop + gbkFromUtf8("\\图片测试地址.txt")] = file;
  importImageList(form, platform);
  Result result;
  for (const Field field : ImageFields) result.fields.push_back(form.text(field));
  result.messages = form.messages();
  return result;
}

void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "mismatch with reading the whole file: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::size_t picked = in.ConsumeIntegralInRange<std::size_t>(1, 5000);
  const std::string file = makeFile(in);

  const Result expected = importWith(file, file.size() + 1);
  if (const std::optional<TextList> lines = modelLines(file)) {
    std::vector<std::string> fields;
    for (std::size_t k = 0; k < ImageFields.size(); ++k)
      fields.push_back(k < lines->size() ? (*lines)[k] : Before);
    std::vector<FormCall> messages;
    if (lines->size() < 5) {
      messages.push_back(messageCall(gbkFromUtf8("文件“图片测试地址.txt”只有 ") +
                                         std::to_string(lines->size()) + gbkFromUtf8(" 行地址，需要 5 行。"),
                                     MessageNoIcon));
    }
    check(expected.fields == fields, "fields of the model");
    check(expected.messages == messages, "message of the model");
  }

  for (const std::size_t chunk :
       {std::size_t{1}, std::size_t{2}, std::size_t{3}, picked, std::size_t{4096}}) {
    const Result got = importWith(file, chunk);
    check(got.fields == expected.fields, "fields of the whole file");
    check(got.messages == expected.messages, "message of the whole file");
  }
  return 0;
}
