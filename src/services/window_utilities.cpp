#include "services/window_utilities.h"

#include "services/context.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"

namespace horalix {

void OpenWithShell(Context& context, const std::string& target) {
  // The shell reports success with a code above 32.
  if (context.platform.shell.open(target, "", "") > 32) return;
  // Quoted, so that a folder or document whose path holds a blank reaches Explorer whole.
  context.platform.shell.startProgram("explorer \"" + target + "\"",
                                      platform::Shell::Window::Minimized);
}

void openHelpPage(Context& context, const std::string& page, const platform::Form& owner) {
  std::string target = context.pathInProgramFolder("help.chm");
  if (!page.empty()) target += "::/" + page;
  if (context.platform.shell.startProgram("hh.exe \"" + target + "\"",
                                          platform::Shell::Window::Maximized)) {
    return;
  }
  if (context.platform.shell.htmlHelp(target, owner)) return;
  context.platform.messageBoxes.show("无法打开帮助文件！", "Horalix", platform::mb::Ok);
}

void SetTopmost(Context& context, platform::Form& window) {
  platform::Control& holdoff = context.runStateWindow().control("Label1");
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

void UseEnglishKeyboard(Context& context) { context.platform.desktop.useEnglishKeyboard(); }

platform::PixelPoint CursorPos(Context& context) {
  return context.platform.desktop.cursorPos().value_or(platform::PixelPoint{});
}

void SetTransparent(platform::Form& window, std::uint32_t colorKey, std::int32_t alpha) {
  window.setLayered(colorKey, alpha);
}

}  // namespace horalix
