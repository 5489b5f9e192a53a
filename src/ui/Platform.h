#pragma once
// What the actions need of the operating system. Paths are code page 936 texts.
#include <functional>
#include <string>
#include <string_view>

namespace shopcode {

class Platform {
 public:
  virtual ~Platform() = default;

  // The user's desktop folder ending in a backslash; empty when it cannot be found.
  virtual std::string desktopFolder() = 0;
  // Opens the file for reading (others may only read it meanwhile) and hands its bytes to
  // `consume` chunk by chunk until the file ends or `consume` returns false.
  // False when the file cannot be opened.
  virtual bool readFile(std::string_view path,
                        const std::function<bool(std::string_view chunk)>& consume) = 0;
  // Creates or truncates the file (no sharing) and writes all bytes.
  virtual bool writeFile(std::string_view path, std::string_view bytes) = 0;
  virtual bool deleteFile(std::string_view path) = 0;
  // Replaces the clipboard's content with the text (code page 936).
  virtual bool putOnClipboard(std::string_view text) = 0;
  // The shell's "open" on a file, shown normally; does not wait.
  virtual bool openWithShell(std::string_view path) = 0;
  // Handles the window's pending events and returns; never waits for new ones.
  virtual void processPendingEvents() = 0;
};

}  // namespace shopcode
