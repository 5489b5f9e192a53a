#pragma once
// The reference for code page 936 that the conversion tests and the fuzz target check both
// backends against, read from tests/data (see the README there):
// - bestfit936.txt, Microsoft's published table: the single bytes, the double-byte codes,
//   UTF-16 to code page 936 with the best-fit entries, and '?' for everything else;
// - cp936-invalid-wine.txt, what Windows as Wine implements it reads for the byte sequences
//   that Microsoft's table leaves undefined (a first byte alone or before a byte that is no
//   second byte).
// Written from the file formats alone: none of it comes from the code under test.
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
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

// The blank-separated fields of each line, without comments (after ';' or '#') and CRs.
inline std::vector<std::vector<std::string>> fieldsOfLines(const std::string& text, char comment) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line.substr(0, line.find(comment)));
    std::vector<std::string> fields;
    for (std::string word; words >> word;) fields.push_back(word);
    if (!fields.empty()) lines.push_back(std::move(fields));
  }
  return lines;
}

inline unsigned number(const std::string& field) {
  std::size_t used = 0;
  const unsigned long value = std::stoul(field, &used, 0);
  if (used != field.size() || value > 0xFFFF) throw std::runtime_error("not a table number: " + field);
  return static_cast<unsigned>(value);
}

// Microsoft's format: CODEPAGE, CPINFO, MBTABLE n, DBCSRANGE n (n ranges of first bytes,
// each followed by one DBCSTABLE per first byte, in order), WCTABLE n, ENDCODEPAGE.
inline void readMicrosoftTable(const std::string& text, Cp936& table) {
  const auto lines = fieldsOfLines(text, ';');
  std::string section;
  unsigned left = 0;
  std::vector<unsigned> leads;  // first bytes whose DBCSTABLE is still to come
  unsigned lead = 0;
  bool ended = false;
  for (const auto& f : lines) {
    if (f[0].rfind("0x", 0) != 0) {
      if (left != 0) throw std::runtime_error(section + " has fewer entries than it says");
      section = f[0];
      if (section == "ENDCODEPAGE") ended = true;
      if (section == "CODEPAGE") table.codePage = static_cast<int>(number(f.at(1)));
      if (section == "CPINFO") table.defaultByte = static_cast<char>(number(f.at(2)));
      if (section == "MBTABLE" || section == "DBCSRANGE" || section == "DBCSTABLE" || section == "WCTABLE")
        left = number(f.at(1));
      if (section == "DBCSTABLE") {
        if (leads.empty()) throw std::runtime_error("a DBCSTABLE without a lead byte");
        lead = leads.front();
        leads.erase(leads.begin());
      }
      continue;
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
  }
  if (!ended || !leads.empty()) throw std::runtime_error("the table is cut short");
}

// One line per byte sequence: its bytes in hex, a tab, the units in hex.
inline void readUndefined(const std::string& text, Cp936& table) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) throw std::runtime_error("no tab in: " + line);
    std::string bytes;
    std::istringstream byteFields(line.substr(0, tab));
    for (std::string f; byteFields >> f;) bytes.push_back(static_cast<char>(number("0x" + f)));
    std::u16string units;
    std::istringstream unitFields(line.substr(tab + 1));
    for (std::string f; unitFields >> f;) units.push_back(static_cast<char16_t>(number("0x" + f)));
    if (bytes.empty() || bytes.size() > 2) throw std::runtime_error("not one or two bytes: " + line);
    table.undefined[bytes] = units;
  }
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
