#include <windows.h>

#include "ui/win32/Application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return shopcode::win32::runApplication(instance);
}
