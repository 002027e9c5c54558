// Entry point of Horalix.exe: builds the Win32 platform, starts the program on it and runs the
// message loop until the program ends.
#include <windows.h>

#include "app/program_start.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  horalix::win32::Win32Platform win32;
  // The program's start-up, the one place where the program is handed its platform: it opens
  // the program's windows, or ends at once (another instance runs, the start-up check failed).
  // From then on the program lives in window messages and timers, and the program object as
  // long as the process.
  horalix::Program program(win32.platform());
  // The program runs while any of its windows is loaded and until it ends itself; a program
  // that ended during its start-up returns here without running the loop.
  if (program.ended() || win32.forms().loadedCount() == 0) return 0;
  return win32.loop().run();
}
