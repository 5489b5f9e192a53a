#pragma once
// What the actions need of the operating system. Paths are code page 936 texts, characters
// outside code page 936 as references (gbkWithReferences), as the form's texts are.
#include <functional>
#include <string>
#include <string_view>

namespace shopcode {

// How reading a file ended.
enum class FileRead {
  Done,        // read to its end, or as far as the consumer wanted
  Missing,     // no such file (or no such folder)
  Unreadable,  // there, but it could not be opened or read (locked, no access, a folder, ...)
};

class Platform {
 public:
  virtual ~Platform() = default;

  // The user's desktop folder ending in a backslash; empty when it cannot be found.
  virtual std::string desktopFolder() = 0;
  // Opens the file for reading, sharing it with every other opener (a program may hold it open
  // for writing), and hands its bytes to `consume` chunk by chunk until the file ends or
  // `consume` returns false.
  virtual FileRead readFile(std::string_view path,
                            const std::function<bool(std::string_view chunk)>& consume) = 0;
  // Creates or truncates the file (no sharing) and writes all bytes.
  virtual bool writeFile(std::string_view path, std::string_view bytes) = 0;
  virtual bool deleteFile(std::string_view path) = 0;
  // Replaces the clipboard's content with one text in two forms: code page 936 for programs
  // that read ANSI text, and the characters themselves for those that read Unicode.
  virtual bool putOnClipboard(std::string_view ansiText, std::u16string_view unicodeText) = 0;
  // The shell's "open" on a file, shown normally; does not wait.
  virtual bool openWithShell(std::string_view path) = 0;
  // Handles the window's pending events and returns; never waits for new ones.
  virtual void processPendingEvents() = 0;
};

}  // namespace shopcode
