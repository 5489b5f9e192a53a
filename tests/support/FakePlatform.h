#pragma once
// An in-memory platform for the portable actions: files in a map, a clipboard with its two
// texts, and a record of every call in order, so tests see what an action asked of the system.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/Platform.h"

namespace shopcode {

class FakePlatform final : public Platform {
 public:
  struct Call {
    std::string operation;  // "desktopFolder", "readFile", "writeFile", "deleteFile", "putOnClipboard", ...
    std::string argument;   // the path or the clipboard's code page 936 text

    friend bool operator==(const Call&, const Call&) = default;
  };

  std::string desktop = "C:\\Users\\owner\\Desktop\\";
  std::map<std::string, std::string> files;  // path -> bytes
  std::set<std::string> locked;              // paths another program holds without sharing
  std::set<std::string> failingReads;        // paths whose reading fails after the first chunk
  size_t readChunkBytes = 4096;              // how readFile hands out a file
  bool clipboardAvailable = true;
  std::string clipboard = "earlier content";  // the code page 936 text
  std::u16string clipboardUnicode = u"earlier content";
  size_t bytesDelivered = 0;  // by readFile, over all calls
  std::vector<Call> calls;

  std::string desktopFolder() override {
    calls.push_back({"desktopFolder", ""});
    return desktop;
  }

  FileRead readFile(std::string_view path,
                    const std::function<bool(std::string_view chunk)>& consume) override {
    calls.push_back({"readFile", std::string(path)});
    const auto file = files.find(std::string(path));
    if (file == files.end()) return FileRead::Missing;
    if (locked.contains(std::string(path))) return FileRead::Unreadable;
    std::string_view rest = file->second;
    while (!rest.empty()) {
      const std::string_view chunk = rest.substr(0, std::max<size_t>(readChunkBytes, 1));
      rest.remove_prefix(chunk.size());
      bytesDelivered += chunk.size();
      if (!consume(chunk)) break;
      if (failingReads.contains(std::string(path))) return FileRead::Unreadable;
    }
    return FileRead::Done;
  }

  bool writeFile(std::string_view path, std::string_view bytes) override {
    calls.push_back({"writeFile", std::string(path)});
    if (locked.contains(std::string(path))) return false;
    files[std::string(path)] = std::string(bytes);
    return true;
  }

  bool deleteFile(std::string_view path) override {
    calls.push_back({"deleteFile", std::string(path)});
    if (locked.contains(std::string(path))) return false;
    return files.erase(std::string(path)) > 0;
  }

  bool putOnClipboard(std::string_view ansiText, std::u16string_view unicodeText) override {
    calls.push_back({"putOnClipboard", std::string(ansiText)});
    if (!clipboardAvailable) return false;
    clipboard = std::string(ansiText);
    clipboardUnicode = std::u16string(unicodeText);
    return true;
  }

  bool openWithShell(std::string_view path) override {
    calls.push_back({"openWithShell", std::string(path)});
    return files.contains(std::string(path));
  }

  void processPendingEvents() override { calls.push_back({"processPendingEvents", ""}); }

  // The calls of one operation, in order.
  std::vector<std::string> argumentsOf(const std::string& operation) const {
    std::vector<std::string> out;
    for (const Call& call : calls)
      if (call.operation == operation) out.push_back(call.argument);
    return out;
  }
};

}  // namespace shopcode
