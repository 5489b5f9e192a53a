#pragma once
#include <windows.h>

namespace shopcode::win32 {

// Keeps DLLs out of the program's and the working folder: only the system folder is
// searched. Must run before anything loads a DLL at run time.
void restrictDllSearch();

// The program: sets up the platform, creates the window hidden (prepared), shows it centred
// and runs the message loop until it is destroyed. Returns the exit code, 0.
int runApplication(HINSTANCE instance);

}  // namespace shopcode::win32
