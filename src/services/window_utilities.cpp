#include "services/window_utilities.h"

#include "platform/platform.h"
#include "services/program_folder.h"
#include "services/run_state_record.h"

namespace horalix {

void OpenWithShell(platform::Platform& platform, const std::string& target) {
  // The shell reports success with a code above 32.
  if (platform.shell.open(target, "", "") > 32) return;
  // Quoted, so that a folder or document whose path holds a blank reaches Explorer whole.
  platform.shell.startProgram("explorer \"" + target + "\"", platform::Shell::Window::Minimized);
}

void openHelpPage(platform::Platform& platform, const std::string& page,
                  const platform::Form& owner) {
  std::string target = pathInProgramFolder(platform, "help.chm");
  if (!page.empty()) target += "::/" + page;
  if (platform.shell.startProgram("hh.exe \"" + target + "\"",
                                  platform::Shell::Window::Maximized)) {
    return;
  }
  if (platform.shell.htmlHelp(target, owner)) return;
  platform.messageBoxes.show("无法打开帮助文件！", "Horalix", platform::mb::Ok);
}

void SetTopmost(RunState& run, platform::Form& window) {
  int& holdOff = run.holdOff;
  if (holdOff < 1) {
    window.setTopmost(true);
  } else {
    holdOff -= 5;
  }
}

void UseEnglishKeyboard(platform::Platform& platform) { platform.desktop.useEnglishKeyboard(); }

platform::PixelPoint CursorPos(platform::Platform& platform) {
  return platform.desktop.cursorPos().value_or(platform::PixelPoint{});
}

void SetTransparent(platform::Form& window, std::uint32_t colorKey, std::int32_t alpha) {
  window.setLayered(colorKey, alpha);
}

}  // namespace horalix
