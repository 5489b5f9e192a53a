#pragma once
// The reference for code page 936 that the conversion tests and the fuzz target check both
// backends against, read from tests/data (see the README there):
// - bestfit936.txt, Microsoft's published table: the single bytes, the double-byte codes,
//   UTF-16 to code page 936 with the best-fit entries, and '?' for everything else;
// - cp936-invalid-wine.txt, what Windows as Wine implements it reads for the byte sequences
//   that Microsoft's table leaves undefined (a first byte alone or before a byte that is no
//   second byte).
// Written from the file formats alone: none of it comes from the code under test.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace shopcode::reference {

struct Cp936 {
  int codePage = 0;
  char defaultByte = 0;                                          // CPINFO
  std::array<std::optional<char16_t>, 256> singleByte;           // MBTABLE
  std::array<bool, 256> leadByte{};                              // DBCSRANGE
  std::vector<std::optional<char16_t>> doubleByte;               // DBCSTABLE, at lead << 8 | trail
  std::vector<std::optional<std::string>> fromUnit;              // WCTABLE
  std::map<std::string, std::u16string, std::less<>> undefined;  // Wine, by input bytes

  // The units that Windows reads from `bytes`, character by character.
  std::u16string decode(std::string_view bytes) const {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if (singleByte[b]) {
        out += *singleByte[b];
        i += 1;
        continue;
      }
      const std::size_t length = i + 1 < bytes.size() ? 2 : 1;
      const std::string_view unit = bytes.substr(i, length);
      const auto trail = length == 2 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
      if (length == 2 && doubleByte[b << 8 | trail]) {
        out += *doubleByte[b << 8 | trail];
      } else {
        const auto found = undefined.find(unit);
        if (found == undefined.end())
          throw std::logic_error("the reference has no entry for a byte sequence");
        out += found->second;
      }
      i += length;
    }
    return out;
  }

  // The code page 936 bytes that Windows writes for `units`, one unit at a time.
  std::string encode(std::u16string_view units) const {
    std::string out;
    for (const char16_t unit : units) out += fromUnit[unit] ? *fromUnit[unit] : std::string(1, defaultByte);
    return out;
  }
};

namespace detail {

inline std::string readWhole(const std::string& path) {
  std::string bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw std::runtime_error("cannot read " + path);
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

// The blank-separated fields of a line, without its comment (after `comment`) and CR.
inline std::vector<std::string_view> fieldsOf(std::string_view line, char comment) {
  line = line.substr(0, line.find(comment));
  std::vector<std::string_view> fields;
  constexpr std::string_view Blanks = " \t\r";
  for (std::size_t at = line.find_first_not_of(Blanks); at != std::string_view::npos;
       at = line.find_first_not_of(Blanks, at)) {
    const std::size_t end = std::min(line.find_first_of(Blanks, at), line.size());
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  return fields;
}

// Calls `use` with the fields of every line that has any.
template <typename Use>
void forEachLine(std::string_view text, char comment, const Use& use) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::vector<std::string_view> fields = fieldsOf(text.substr(0, end), comment);
    if (!fields.empty()) use(fields);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
}

// A number of the tables: hexadecimal after 0x or in the Wine file, else decimal.
inline unsigned number(std::string_view field, int base = 10) {
  if (field.starts_with("0x")) {
    field.remove_prefix(2);
    base = 16;
  }
  unsigned value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  if (error != std::errc() || end != field.data() + field.size() || field.empty() || value > 0xFFFF)
    throw std::runtime_error("not a table number: " + std::string(field));
  return value;
}

// Microsoft's format: CODEPAGE, CPINFO, MBTABLE n, DBCSRANGE n (n ranges of first bytes,
// each followed by one DBCSTABLE per first byte, in order), WCTABLE n, ENDCODEPAGE.
inline void readMicrosoftTable(std::string_view text, Cp936& table) {
  std::string section;
  unsigned left = 0;
  std::vector<unsigned> leads;  // first bytes whose DBCSTABLE is still to come
  unsigned lead = 0;
  bool ended = false;
  forEachLine(text, ';', [&](const std::vector<std::string_view>& f) {
    if (!f[0].starts_with("0x")) {
      if (left != 0) throw std::runtime_error(section + " has fewer entries than it says");
      section = std::string(f[0]);
      const auto argument = [&f](std::size_t k) {
        return k < f.size() ? number(f[k]) : throw std::runtime_error("short line");
      };
      if (section == "ENDCODEPAGE") ended = true;
      if (section == "CODEPAGE") table.codePage = static_cast<int>(argument(1));
      if (section == "CPINFO") table.defaultByte = static_cast<char>(argument(2));
      if (section == "MBTABLE" || section == "DBCSRANGE" || section == "DBCSTABLE" || section == "WCTABLE")
        left = argument(1);
      if (section == "DBCSTABLE") {
        if (leads.empty()) throw std::runtime_error("a DBCSTABLE without a lead byte");
        lead = leads.front();
        leads.erase(leads.begin());
      }
      return;
    }
    if (left == 0 || f.size() < 2) throw std::runtime_error(section + " has more entries than it says");
    --left;
    const unsigned a = number(f[0]);
    const unsigned b = number(f[1]);
    if (section == "MBTABLE") {
      table.singleByte.at(a) = static_cast<char16_t>(b);
    } else if (section == "DBCSRANGE") {
      for (unsigned l = a; l <= b; ++l) {
        table.leadByte.at(l) = true;
        leads.push_back(l);
      }
    } else if (section == "DBCSTABLE") {
      table.doubleByte.at(lead << 8 | a) = static_cast<char16_t>(b);
    } else if (section == "WCTABLE") {
      table.fromUnit.at(a) = b < 0x100 ? std::string(1, static_cast<char>(b))
                                       : std::string{static_cast<char>(b >> 8), static_cast<char>(b & 0xFF)};
    } else {
      throw std::runtime_error("an entry outside a table: " + section);
    }
  });
  if (!ended || !leads.empty()) throw std::runtime_error("the table is cut short");
}

// One line per byte sequence: its bytes (two hex digits each), a tab, the units (four each).
inline void readUndefined(std::string_view text, Cp936& table) {
  forEachLine(text, '#', [&table](const std::vector<std::string_view>& f) {
    if (f.size() < 2 || f.size() > 4) throw std::runtime_error("not bytes and units: " + std::string(f[0]));
    std::string bytes;
    std::u16string units;
    for (const std::string_view field : f) {
      if (field.size() == 2)
        bytes.push_back(static_cast<char>(number(field, 16)));
      else
        units.push_back(static_cast<char16_t>(number(field, 16)));  // four digits
    }
    if (bytes.empty() || bytes.size() > 2 || units.empty()) throw std::runtime_error("not bytes and units");
    table.undefined[bytes] = units;
  });
}

}  // namespace detail

// Reads both files from `folder`; throws when a file is missing or not in its format.
inline Cp936 readCp936(const std::string& folder) {
  Cp936 table;
  table.doubleByte.resize(0x10000);
  table.fromUnit.resize(0x10000);
  detail::readMicrosoftTable(detail::readWhole(folder + "/bestfit936.txt"), table);
  detail::readUndefined(detail::readWhole(folder + "/cp936-invalid-wine.txt"), table);
  return table;
}

}  // namespace shopcode::reference
