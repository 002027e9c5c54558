// Entry point of Horalix.exe: builds the Win32 platform, starts the program on it and runs the
// message loop for as long as any window of the program is loaded.
#include <windows.h>

#include <memory>

#include "platform/forms.h"
#include "platform/win32/win32_platform.h"

namespace {

using horalix::platform::Form;
using horalix::platform::Platform;

// The program's start-up, the one place where the program is handed its platform. It opens the
// program's windows, or ends at once (another instance runs, the start-up check failed), and
// returns; the program then lives in window messages and timers. What it loads is kept in
// `program` for the life of the process.
//
// Until the program's own start-up is wired in here, this is a hidden main window and nothing
// else: one instance at a time, and a window that ends the program when it is closed.
void startProgram(Platform& platform, std::shared_ptr<void>& program) {
  if (!platform.instance.claim()) return;
  auto mainWindow = std::make_shared<Form>(platform.forms, "Frm_exit");
  mainWindow->setCaption("Horalix");
  mainWindow->Load();
  program = mainWindow;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  horalix::win32::Win32Platform win32;
  std::shared_ptr<void> program;
  startProgram(win32.platform(), program);
  if (win32.forms().loadedCount() == 0) return 0;
  return win32.loop().run();
}
