#include "ui/win32/Application.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/Handles.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/Win32Platform.h"

namespace shopcode::win32 {

void restrictDllSearch() {
  // SetDefaultDllDirectories exists on Windows 7 only with KB2533623: look it up.
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetDllDirectoryW(L"");  // drops the current directory from the search
}

namespace {
// Relative paths (the preview file when the desktop is unknown) resolve beside the program.
void enterProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  auto slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return;
  path.resize(slash + 1);
  ::SetCurrentDirectoryW(path.c_str());
}
}  // namespace

int runApplication(HINSTANCE instance) {
  restrictDllSearch();
  enterProgramFolder();
  ComApartment com;  // the shell's open wants it on this thread
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  MainWindow window(instance, [](HWND owner, std::function<void()> pump) -> std::unique_ptr<Platform> {
    return std::make_unique<Win32Platform>(owner, std::move(pump));
  });
  if (!window.created()) return 1;  // no window: nothing to run
  window.show();
  window.runMessageLoop();
  return 0;
}

}  // namespace shopcode::win32
