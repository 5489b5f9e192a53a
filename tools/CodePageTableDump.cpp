// Writes what the Windows code-page services give for code page 936, as reference tables
// for the tests of both conversion backends:
//   cp936-decode.bin: for every lone byte (256 entries), then for every byte pair whose
//     first byte is 0x80 or above (lead 0x80..0xFF x second byte 0x00..0xFF, 32768 entries),
//     MultiByteToWideChar(936, 0, bytes, length, ...): per entry three little-endian 16-bit
//     values, the number of units written (0..2) and the units, zero-filled.
//   cp936-encode.bin: for every UTF-16 unit 0x0000..0xFFFF alone, WideCharToMultiByte(936, 0,
//     ..., NULL, NULL): per entry three bytes, the number of bytes written (0..2) and the bytes.
// Built with MinGW and run under Wine by tools/dump-cp936.sh; the output is committed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void putUnit(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void decodeEntry(std::vector<unsigned char>& out, const char* bytes, int length) {
  wchar_t units[4] = {};
  int written = MultiByteToWideChar(936, 0, bytes, length, units, 4);
  if (written < 0 || written > 2) {
    std::fprintf(stderr, "unexpected unit count %d\n", written);
    written = 0;
  }
  putUnit(out, static_cast<unsigned>(written));
  putUnit(out, written > 0 ? units[0] : 0);
  putUnit(out, written > 1 ? units[1] : 0);
}

bool writeFile(const std::wstring& path, const std::vector<unsigned char>& data) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  const bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: CodePageTableDump <output folder>\n");
    return 2;
  }
  const std::wstring folder = argv[1];

  std::vector<unsigned char> decoded;
  for (int b = 0; b < 256; ++b) {
    const char bytes[1] = {static_cast<char>(b)};
    decodeEntry(decoded, bytes, 1);
  }
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      decodeEntry(decoded, bytes, 2);
    }
  }

  std::vector<unsigned char> encoded;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const wchar_t source[1] = {static_cast<wchar_t>(unit)};
    char bytes[8] = {};
    int written = WideCharToMultiByte(936, 0, source, 1, bytes, sizeof bytes, nullptr, nullptr);
    if (written < 0 || written > 2) {
      std::fprintf(stderr, "unexpected byte count %d for U+%04X\n", written, unit);
      written = 0;
    }
    encoded.push_back(static_cast<unsigned char>(written));
    encoded.push_back(written > 0 ? static_cast<unsigned char>(bytes[0]) : 0);
    encoded.push_back(written > 1 ? static_cast<unsigned char>(bytes[1]) : 0);
  }

  if (!writeFile(folder + L"\\cp936-decode.bin", decoded) ||
      !writeFile(folder + L"\\cp936-encode.bin", encoded)) {
    std::fprintf(stderr, "cannot write the tables\n");
    return 1;
  }
  return 0;
}
