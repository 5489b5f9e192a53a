#pragma once
// Owners for Win32 resources: each releases its resource exactly once, on every path.
#include <objbase.h>
#include <windows.h>

#include <utility>

namespace shopcode::win32 {

// A movable owner of one resource value; Traits gives its type, its "none" value and its release.
template <typename Traits>
class Unique {
 public:
  using Value = typename Traits::Value;

  Unique() noexcept = default;
  explicit Unique(Value value) noexcept : value_(value) {}
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  Value get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::none(); }
  // Gives the value up without releasing it (for example to a new owner such as the clipboard).
  Value release() noexcept { return std::exchange(value_, Traits::none()); }
  void reset(Value value = Traits::none()) noexcept {
    Value old = std::exchange(value_, value);
    if (old != Traits::none()) Traits::close(old);
  }

 private:
  Value value_ = Traits::none();
};

struct FileHandleTraits {  // CreateFileW reports failure as INVALID_HANDLE_VALUE
  using Value = HANDLE;
  static Value none() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(Value v) noexcept { ::CloseHandle(v); }
};
struct KernelHandleTraits {  // events, threads, processes: failure is null
  using Value = HANDLE;
  static Value none() noexcept { return nullptr; }
  static void close(Value v) noexcept { ::CloseHandle(v); }
};
struct GlobalMemoryTraits {
  using Value = HGLOBAL;
  static Value none() noexcept { return nullptr; }
  static void close(Value v) noexcept { ::GlobalFree(v); }
};
struct GdiObjectTraits {
  using Value = HGDIOBJ;
  static Value none() noexcept { return nullptr; }
  static void close(Value v) noexcept { ::DeleteObject(v); }
};
struct WindowTraits {
  using Value = HWND;
  static Value none() noexcept { return nullptr; }
  static void close(Value v) noexcept { ::DestroyWindow(v); }
};

using UniqueFile = Unique<FileHandleTraits>;
using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueGlobal = Unique<GlobalMemoryTraits>;
using UniqueGdiObject = Unique<GdiObjectTraits>;
using UniqueWindow = Unique<WindowTraits>;

// A global memory block locked for the lifetime of the guard; data() is null when locking failed.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL block) noexcept : block_(block), data_(::GlobalLock(block)) {}
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  ~GlobalLockGuard() {
    if (data_) ::GlobalUnlock(block_);
  }
  void* data() const noexcept { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

// The clipboard opened for `owner`. Another program may hold it for a moment, so opening is
// tried a few times before giving up; isOpen() tells the outcome.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner, int attempts = 5, DWORD pauseMs = 20) noexcept {
    for (int i = 0; i < attempts && !open_; ++i) {
      if (i > 0) ::Sleep(pauseMs);
      open_ = ::OpenClipboard(owner) != FALSE;
    }
  }
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) ::CloseClipboard();
  }
  bool isOpen() const noexcept { return open_; }

 private:
  bool open_ = false;
};

// COM for this thread, apartment-threaded as the shell wants; undone only when this call did it.
class ComApartment {
 public:
  ComApartment() noexcept
      : initialised_(
            SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }

 private:
  bool initialised_;
};

}  // namespace shopcode::win32
