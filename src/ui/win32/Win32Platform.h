#pragma once
// The real platform: desktop folder, files, clipboard and shell of Windows, reached through
// the W functions with paths converted from code page 936 (references read as the characters
// they stand for, so a folder named beyond code page 936 is still found).
#include <windows.h>

#include <functional>

#include "ui/Platform.h"
#include "ui/win32/Handles.h"

namespace shopcode::win32 {

class Win32Platform final : public Platform {
 public:
  // `clipboardOwner` is a window of the program (the clipboard needs a real owner);
  // `pumpPendingEvents` is the window's own handling of its queued messages.
  Win32Platform(HWND clipboardOwner, std::function<void()> pumpPendingEvents);

  std::string desktopFolder() override;
  FileRead readFile(std::string_view path,
                    const std::function<bool(std::string_view chunk)>& consume) override;
  bool writeFile(std::string_view path, std::string_view bytes) override;
  bool deleteFile(std::string_view path) override;
  bool putOnClipboard(std::string_view ansiText, std::u16string_view unicodeText) override;
  bool openWithShell(std::string_view path) override;
  void processPendingEvents() override;

 private:
  ComApartment com_;  // the shell's "open" may use COM on this thread
  HWND clipboardOwner_;
  std::function<void()> pumpPendingEvents_;
};

}  // namespace shopcode::win32
