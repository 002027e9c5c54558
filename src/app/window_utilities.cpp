#include "app/window_utilities.h"

#include "app/app.h"
#include "app/runtime_error.h"
#include "app/text_runtime.h"
#include "main/frm_exit.h"

namespace horalix {

void OpenWithShell(App& app, const std::string& target) {
  // The shell reports success with a code above 32.
  if (app.platform.shell.open(target, "", "") > 32) return;
  // Quoted, so that a folder or document whose path holds a blank reaches Explorer whole.
  app.platform.shell.startProgram("explorer \"" + target + "\"",
                                  platform::Shell::Window::Minimized);
}

void SetTopmost(App& app, platform::Form& window) {
  platform::Control& holdoff = app.frmExit().control("Label1");
  // A caption that is no number reads as 0, so the window is raised.
  double value = 0;
  try {
    value = Val(holdoff.Caption());
  } catch (const RuntimeError&) {
    value = 0;
  }
  if (value < 1) {
    app.platform.desktop.setTopmost(window);
  } else {
    holdoff.setCaption(CStr(value - 5));
  }
}

void UseEnglishKeyboard(App& app) { app.platform.desktop.useEnglishKeyboard(); }

platform::PixelPoint CursorPos(App& app) {
  return app.platform.desktop.cursorPos().value_or(platform::PixelPoint{});
}

void SetTransparent(App& app, platform::Form& window, std::uint32_t colorKey, std::int32_t alpha) {
  // An opacity that is no byte would leave a layered window without attributes, which Windows
  // does not draw at all: such a call leaves the window as it was.
  if (alpha < 0 || alpha > 255) return;
  app.platform.desktop.setTransparent(window, colorKey, alpha);
}

}  // namespace horalix
