#include "services/window_utilities.h"

#include "services/context.h"

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
  int& holdOff = context.run.holdOff;
  if (holdOff < 1) {
    window.setTopmost(true);
  } else {
    holdOff -= 5;
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
