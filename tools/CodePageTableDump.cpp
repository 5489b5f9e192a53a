// Writes cp936-invalid-wine.txt: what MultiByteToWideChar(936, 0, ...) gives for the byte
// sequences that Microsoft's table for code page 936 (tests/data/bestfit936.txt) leaves
// undefined beyond "the default character": a first byte (0x81..0xFE) alone, and a first
// byte followed by a byte that is no second byte (0x00..0x3F, 0x7F, 0xFF). One line per
// sequence: its bytes, a tab, the UTF-16 units written.
// Built with MinGW and run under Wine by tools/dump-cp936.sh; the output is committed.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

bool isSecondByte(int b) {
  return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

void dump(FILE* out, const char* bytes, int length) {
  wchar_t units[4] = {};
  const int written = MultiByteToWideChar(936, 0, bytes, length, units, 4);
  for (int i = 0; i < length; ++i)
    std::fprintf(out, i ? " %02X" : "%02X", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
  std::fputc('\t', out);
  for (int i = 0; i < written; ++i) std::fprintf(out, i ? " %04X" : "%04X", static_cast<unsigned>(units[i]));
  std::fputc('\n', out);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: CodePageTableDump <output folder>\n");
    return 2;
  }
  const std::wstring path = std::wstring(argv[1]) + L"\\cp936-invalid-wine.txt";
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) {
    std::fprintf(stderr, "cannot write %ls\n", path.c_str());
    return 1;
  }
  std::fprintf(
      out,
      "# What MultiByteToWideChar(936, 0, bytes, length, ...) gives, as Wine implements it, for the\n"
      "# byte sequences that Microsoft's table (bestfit936.txt) leaves undefined: a first byte\n"
      "# alone, and a first byte before a byte that is no second byte. Dumped under Wine by\n"
      "# tools/dump-cp936.sh; this is Wine's behaviour, not Microsoft's data.\n"
      "# bytes<TAB>UTF-16 units\n");
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    const char alone[1] = {static_cast<char>(lead)};
    dump(out, alone, 1);
    for (int trail = 0; trail <= 0xFF; ++trail) {
      if (isSecondByte(trail)) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      dump(out, pair, 2);
    }
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
