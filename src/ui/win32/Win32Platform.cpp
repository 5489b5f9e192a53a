#include "ui/win32/Win32Platform.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <utility>

#include "ui/win32/Gbk.h"

namespace shopcode::win32 {
namespace {

constexpr DWORD ReadChunkBytes = 64 * 1024;
constexpr LCID ChinesePrc = 0x0804;

// A moveable global block holding `size` bytes copied from `data`; empty when memory is short.
UniqueGlobal globalCopy(const void* data, size_t size) {
  UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return block;
  GlobalLockGuard lock(block.get());
  if (!lock.data()) return UniqueGlobal();
  std::memcpy(lock.data(), data, size);
  return block;
}

// Errors that say the file is not there, rather than that it could not be opened.
bool meansMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_DRIVE ||
         error == ERROR_INVALID_NAME;
}

// Hands the block to the clipboard, which then owns it; on failure the block is freed here.
bool placeOnClipboard(UINT format, UniqueGlobal block) {
  if (!::SetClipboardData(format, block.get())) return false;
  block.release();
  return true;
}

}  // namespace

Win32Platform::Win32Platform(HWND clipboardOwner, std::function<void()> pumpPendingEvents)
    : clipboardOwner_(clipboardOwner), pumpPendingEvents_(std::move(pumpPendingEvents)) {}

std::string Win32Platform::desktopFolder() {
  wchar_t folder[MAX_PATH] = {};
  // Without CSIDL_FLAG_CREATE: a desktop that does not exist is not made.
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return {};
  std::string text = narrowKeepingAll(folder);
  if (text.empty()) return {};
  if (text.back() != '\\') text.push_back('\\');
  return text;
}

FileRead Win32Platform::readFile(std::string_view path,
                                 const std::function<bool(std::string_view chunk)>& consume) {
  // Sharing everything: a list that an editor or a spreadsheet holds open, even for writing,
  // is still read wherever that program lets others read it.
  UniqueFile file(::CreateFileW(widenKeepingAll(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return meansMissing(::GetLastError()) ? FileRead::Missing : FileRead::Unreadable;
  std::string buffer(ReadChunkBytes, '\0');
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), buffer.data(), ReadChunkBytes, &got, nullptr)) return FileRead::Unreadable;
    if (got == 0 || !consume(std::string_view(buffer.data(), got))) return FileRead::Done;
  }
}

bool Win32Platform::writeFile(std::string_view path, std::string_view bytes) {
  UniqueFile file(::CreateFileW(widenKeepingAll(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  while (!bytes.empty()) {
    const DWORD want = bytes.size() > MAXDWORD ? MAXDWORD : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), want, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool Win32Platform::deleteFile(std::string_view path) {
  return ::DeleteFileW(widenKeepingAll(path).c_str()) != FALSE;
}

bool Win32Platform::putOnClipboard(std::string_view ansiText, std::u16string_view unicodeText) {
  ClipboardSession clipboard(clipboardOwner_);
  if (!clipboard.isOpen()) return false;
  if (!::EmptyClipboard()) return false;
  // CF_TEXT alone is read in the reader's ANSI code page; the UTF-16 form and the locale
  // make the Chinese text come out right on systems whose code page is not 936.
  const std::string ansi(ansiText);        // with its terminating zero byte
  const std::u16string wide(unicodeText);  // the same
  UniqueGlobal ansiBlock = globalCopy(ansi.c_str(), ansi.size() + 1);
  if (!ansiBlock) return false;  // nothing placed: the clipboard stays empty
  UniqueGlobal wideBlock = globalCopy(wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
  UniqueGlobal localeBlock = globalCopy(&ChinesePrc, sizeof ChinesePrc);
  if (localeBlock) placeOnClipboard(CF_LOCALE, std::move(localeBlock));
  if (wideBlock) placeOnClipboard(CF_UNICODETEXT, std::move(wideBlock));
  return placeOnClipboard(CF_TEXT, std::move(ansiBlock));
}

bool Win32Platform::openWithShell(std::string_view path) {
  const HINSTANCE result =
      ::ShellExecuteW(nullptr, L"open", widenKeepingAll(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Platform::processPendingEvents() {
  if (pumpPendingEvents_) pumpPendingEvents_();
}

}  // namespace shopcode::win32
