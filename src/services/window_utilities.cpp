#include "services/window_utilities.h"

#include "services/context.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

void OpenWithShell(Context& app, const std::string& target) {
  // The shell reports success with a code above 32.
  if (app.platform.shell.open(target, "", "") > 32) return;
  // Quoted, so that a folder or document whose path holds a blank reaches Explorer whole.
  app.platform.shell.startProgram("explorer \"" + target + "\"",
                                  platform::Shell::Window::Minimized);
}

void openHelpPage(Context& app, const std::string& page, const platform::Form& owner) {
  std::string target = app.pathInProgramFolder("help.chm");
  if (!page.empty()) target += "::/" + page;
  if (app.platform.shell.startProgram("hh.exe \"" + target + "\"",
                                      platform::Shell::Window::Maximized)) {
    return;
  }
  if (app.platform.shell.htmlHelp(target, owner)) return;
  app.platform.messageBoxes.show("无法打开帮助文件！", "Horalix", platform::mb::Ok);
}

void SetTopmost(Context& app, platform::Form& window) {
  platform::Control& holdoff = app.runStateWindow().control("Label1");
  // A caption that is no number reads as 0, so the window is raised.
  double value = 0;
  try {
    value = Val(holdoff.Caption());
  } catch (const RuntimeError&) {
    value = 0;
  }
  if (value < 1) {
    window.setTopmost(true);
  } else {
    holdoff.setCaption(CStr(value - 5));
  }
}

void UseEnglishKeyboard(Context& app) { app.platform.desktop.useEnglishKeyboard(); }

platform::PixelPoint CursorPos(Context& app) {
  return app.platform.desktop.cursorPos().value_or(platform::PixelPoint{});
}

void SetTransparent(platform::Form& window, std::uint32_t colorKey, std::int32_t alpha) {
  window.setLayered(colorKey, alpha);
}

}  // namespace horalix
